#pragma once

#include <sys/types.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

namespace ksl::bench {

// The peak resident memory of a process, in KiB (VmHWM in /proc/PID/status).
inline long PeakResidentKiB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) {
            return std::stol(line.substr(6));
        }
    }
    return -1;
}

// CPU time a process has used, user and system together, in milliseconds.
inline double CpuMilliseconds(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    // The fields after the command name, which is in parentheses and may hold spaces.
    std::istringstream fields(text.substr(text.rfind(')') + 2));
    std::string field;
    unsigned long long utime = 0;
    unsigned long long stime = 0;
    for (int i = 3; i <= 15 && fields >> field; ++i) {
        if (i == 14) {
            utime = std::stoull(field);
        } else if (i == 15) {
            stime = std::stoull(field);
        }
    }
    return static_cast<double>(utime + stime) * 1000.0 / static_cast<double>(sysconf(_SC_CLK_TCK));
}

// How often each thread of a process has given up or lost the processor so far (voluntary and
// nonvoluntary context switches in /proc/PID/task/*/status), by thread id, with the thread's
// name: at rest, the number of times it woke up.
struct ThreadSwitches {
    std::string name;
    long long switches = 0;
};

inline std::map<pid_t, ThreadSwitches> ContextSwitches(pid_t pid) {
    std::map<pid_t, ThreadSwitches> threads;
    std::error_code error;
    for (const auto& task :
         std::filesystem::directory_iterator("/proc/" + std::to_string(pid) + "/task", error)) {
        ThreadSwitches thread;
        std::ifstream status(task.path() / "status");
        std::string line;
        while (std::getline(status, line)) {
            if (line.rfind("Name:", 0) == 0) {
                std::istringstream(line.substr(5)) >> thread.name;
            }
            for (const char* field : {"voluntary_ctxt_switches:", "nonvoluntary_ctxt_switches:"}) {
                if (line.rfind(field, 0) == 0) {
                    thread.switches +=
                        std::stoll(line.substr(std::char_traits<char>::length(field)));
                }
            }
        }
        threads.emplace(std::stoi(task.path().filename().string()), thread);
    }
    return threads;
}

}  // namespace ksl::bench
