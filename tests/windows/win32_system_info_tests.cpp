// GetKeyValue and StartSysInfo against the real Win32 registry (Wine's, when run on Linux).
// The test writes the values it reads under HKEY_LOCAL_MACHINE and removes them again.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "system_info/file_probe.h"
#include "system_info/get_key_value.h"
#include "system_info/system_info.h"
#include "system_info/win32_registry.h"

namespace {

int passed = 0;
int failed = 0;

void Check(bool holds, const char* what) {
    if (holds) {
        ++passed;
    } else {
        ++failed;
        std::printf("FAILED: %s\n", what);
    }
}

constexpr const char* TestKey = "SOFTWARE\\Kronesluk Test";

void Write(const char* key, const char* name, DWORD type, const void* data, DWORD size) {
    HKEY handle = nullptr;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, key, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &handle,
                        nullptr) != ERROR_SUCCESS) {
        std::printf("cannot create %s\n", key);
        std::exit(2);
    }
    RegSetValueExA(handle, name, 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(handle);
}

void WriteString(const char* key, const char* name, const std::string& text, bool terminated) {
    Write(key, name, REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + (terminated ? 1 : 0)));
}

// What GetKeyValue gives for a value under the test key; "<false>" when it reports a failure.
std::string Read(const std::string& key, const char* name, const std::string& before = "before") {
    ksl::Win32Registry registry;
    std::string value = before;
    if (!ksl::GetKeyValue(registry, ksl::HKeyLocalMachine, key, name, value)) {
        return value.empty() ? "<false>" : "<false, not emptied>";
    }
    return value;
}

class RecordingLauncher final : public ksl::ProgramLauncher {
  public:
    bool Launch(const std::string& path) override {
        launched.push_back(path);
        return true;
    }
    std::vector<std::string> launched;
};

struct SysInfoRun {
    std::vector<std::string> launched;
    bool started;
};

SysInfoRun RunStartSysInfo() {
    ksl::Win32Registry registry;
    ksl::SystemFileProbe files;
    RecordingLauncher launcher;
    const bool started = ksl::StartSysInfo({registry, files, launcher});
    return {launcher.launched, started};
}

// Wine takes a root handle by its low 32 bits, so it would forgive 0x80000002 widened without
// sign extension; 64-bit Windows compares the whole handle. Only the handle itself tells.
void TestRootKey() {
    Check(ksl::ToHkey(ksl::HKeyLocalMachine) == HKEY_LOCAL_MACHINE,
          "the root is the SDK's own HKEY_LOCAL_MACHINE, sign-extended");
    Check(sizeof(HKEY) < 8 || reinterpret_cast<ULONG_PTR>(ksl::ToHkey(ksl::HKeyLocalMachine)) ==
                                  0xFFFFFFFF80000002ULL,
          "on 64-bit Windows the root handle is 0xFFFFFFFF80000002");
}

void TestValues() {
    WriteString(TestKey, "Fits", std::string(1023, 'a'), true);
    WriteString(TestKey, "TooLong", std::string(1024, 'b'), true);
    WriteString(TestKey, "Unterminated", "C:\\Tools", false);
    const DWORD number = 298;
    Write(TestKey, "Number", REG_DWORD, &number, sizeof number);
    Write(TestKey, "Expandable", REG_EXPAND_SZ, "%SystemRoot%", 13);
    Write(TestKey, "Empty", REG_SZ, "", 0);

    Check(Read(TestKey, "Fits") == std::string(1023, 'a'), "1023 characters and terminator read");
    Check(Read(TestKey, "TooLong") == "<false>", "1024 characters and terminator count as missing");
    Check(Read(TestKey, "Unterminated") == "C:\\Tools", "a string stored without terminator");
    Check(Read(TestKey, "Number") == "298", "a 32-bit number in decimal");
    Check(Read(TestKey, "Expandable") == "before",
          "an expandable string leaves the text as it was");
    Check(Read(TestKey, "Empty") == "", "an empty value reads as empty text");
    Check(Read(TestKey, "Missing") == "<false>", "a missing value");
    Check(Read("SOFTWARE\\Kronesluk Test\\Nowhere", "Fits") == "<false>", "a missing key");
}

void TestStartSysInfo() {
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, ksl::MsInfoKey);
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, ksl::SharedToolsLocationKey);
    SysInfoRun run = RunStartSysInfo();
    Check(run.launched.empty() && !run.started, "no tool in the registry: not started");

    // The shared tools folder, first without the tool in it, then with it.
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string folder = std::string(temp) + "Kronesluk Shared Tools";
    CreateDirectoryA(folder.c_str(), nullptr);
    const std::string tool = folder + "\\MSINFO32.EXE";
    DeleteFileA(tool.c_str());
    WriteString(ksl::SharedToolsLocationKey, "MSINFO", folder, true);
    run = RunStartSysInfo();
    Check(run.launched.empty() && !run.started, "shared tools folder without the tool");

    const HANDLE file = CreateFileA(tool.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    CloseHandle(file);
    run = RunStartSysInfo();
    Check(run.launched == std::vector<std::string>{tool} && run.started,
          "shared tools folder with MSINFO32.EXE in it");

    WriteString(ksl::MsInfoKey, "PATH", "C:\\Program Files\\Info \"x\".exe", true);
    run = RunStartSysInfo();
    Check(run.launched == std::vector<std::string>{"C:\\Program Files\\Info \"x\".exe"} &&
              run.started,
          "the tool's own entry is launched unchanged");

    DeleteFileA(tool.c_str());
    RemoveDirectoryA(folder.c_str());
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, ksl::MsInfoKey);
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, ksl::SharedToolsLocationKey);
}

// One string of this program's version information.
std::string VersionString(const char* name) {
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(self, &ignored);
    std::vector<char> info(size);
    if (size == 0 || !GetFileVersionInfoA(self, 0, size, info.data())) {
        return "<no version information>";
    }
    char* value = nullptr;
    UINT length = 0;
    const std::string path = std::string("\\StringFileInfo\\041404B0\\") + name;
    if (!VerQueryValueA(info.data(), path.c_str(), reinterpret_cast<void**>(&value), &length)) {
        return "<missing>";
    }
    return std::string(value);
}

void TestResources() {
    Check(VersionString("ProductName") == "KSL", "product name KSL");
    Check(VersionString("InternalName") == "KSL", "internal name KSL");
    Check(VersionString("FileVersion") == "1.00", "file version 1.00");
    Check(VersionString("ProductVersion") == "1.00", "product version 1.00");
    Check(FindResourceA(nullptr, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(14)) != nullptr,
          "the icon is in the program");  // 14: RT_GROUP_ICON
}

}  // namespace

int main() {
    TestRootKey();
    TestValues();
    TestStartSysInfo();
    TestResources();
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, TestKey);
    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
