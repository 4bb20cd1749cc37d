#include "system_info/system_info.h"

#include <exception>
#include <string>

#include "system_info/get_key_value.h"

namespace ksl {
namespace {

// The tool's path, or false when it cannot be found.
bool FindSystemInfo(const SystemInfoServices& services, std::string& path) {
    // The tool's own entry is used as it stands, without asking whether the file exists.
    if (GetKeyValue(services.registry, HKeyLocalMachine, MsInfoKey, "PATH", path)) {
        return true;
    }
    if (!GetKeyValue(services.registry, HKeyLocalMachine, SharedToolsLocationKey, "MSINFO", path)) {
        return false;
    }
    const std::string program = path + "\\MSINFO32.EXE";
    if (!services.files.IsOrdinaryFile(program)) {
        return false;
    }
    path = program;
    return true;
}

}  // namespace

bool StartSysInfo(const SystemInfoServices& services) {
    try {
        std::string path;
        return FindSystemInfo(services, path) && services.launcher.Launch(path);
    } catch (const std::exception&) {
        // Any failure on the way ends the same way.
        return false;
    }
}

}  // namespace ksl
