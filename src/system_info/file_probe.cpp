#include "system_info/file_probe.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#endif

namespace ksl {

#ifdef _WIN32

bool SystemFileProbe::IsOrdinaryFile(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    constexpr DWORD NotOrdinary =
        FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & NotOrdinary) == 0;
}

#else

bool SystemFileProbe::IsOrdinaryFile(const std::string& path) {
    // A name starting with a dot is this system's hidden file.
    const std::size_t nameStart = path.find_last_of('/') + 1;
    if (nameStart < path.size() && path[nameStart] == '.') {
        return false;
    }
    struct stat status {};
    return stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

#endif

}  // namespace ksl
