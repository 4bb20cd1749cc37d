// Stands in for the system-information tool in the Wine tests: notes the path it was started
// as in the file that KSL_LAUNCH_RECORD names, so the test knows which one the game started.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

int main() {
    const char* record = std::getenv("KSL_LAUNCH_RECORD");
    if (record == nullptr) {
        return 2;
    }
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::FILE* file = std::fopen(record, "a");
    if (file == nullptr) {
        return 1;
    }
    std::fprintf(file, "%s\n", path);
    std::fclose(file);
    return 0;
}
