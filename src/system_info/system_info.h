#pragma once

#include <string_view>

#include "system_info/file_probe.h"
#include "system_info/program_launcher.h"
#include "system_info/registry.h"

namespace ksl {

inline constexpr std::string_view SystemInfoUnavailable =
    "System Information Is Unavailable At This Time";

inline constexpr const char* MsInfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline constexpr const char* SharedToolsLocationKey = "SOFTWARE\\Microsoft\\Shared Tools Location";

// What finding and starting the system-information tool needs from the system.
struct SystemInfoServices {
    Registry& registry;
    FileProbe& files;
    ProgramLauncher& launcher;
};

// Finds the system-information tool through the registry and starts it. False when it could
// not be found or started, for whatever reason: the player is then told `SystemInfoUnavailable`.
[[nodiscard]] bool StartSysInfo(const SystemInfoServices& services);

}  // namespace ksl
