#include "about/system_info.h"

#include <exception>
#include <string>

#include "about/get_key_value.h"

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

void StartSysInfo(const SystemInfoServices& services) {
    try {
        std::string path;
        if (FindSystemInfo(services, path) && services.launcher.Launch(path)) {
            return;
        }
    } catch (const std::exception&) {
        // Any failure on the way is told to the player the same way.
    }
    services.tell(SystemInfoUnavailable);
}

}  // namespace ksl
