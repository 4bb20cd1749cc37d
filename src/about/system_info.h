#pragma once

#include <functional>
#include <string_view>

#include "about/file_probe.h"
#include "about/program_launcher.h"
#include "about/registry.h"

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
    std::function<void(std::string_view)> tell;  // shows the player a message and waits
};

// Finds the system-information tool through the registry and starts it; every failure on the
// way ends in the one message `SystemInfoUnavailable`.
void StartSysInfo(const SystemInfoServices& services);

}  // namespace ksl
