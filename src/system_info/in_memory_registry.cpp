#include "system_info/in_memory_registry.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace ksl {
namespace {

std::string Folded(std::string text) {
    std::ranges::transform(text, text.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

}  // namespace

void InMemoryRegistry::SetValue(const std::string& path, const std::string& name,
                                std::uint32_t type, std::vector<std::uint8_t> data) {
    keys_[Folded(path)][Folded(name)] = {type, std::move(data)};
}

void InMemoryRegistry::SetString(const std::string& path, const std::string& name,
                                 const std::string& text, bool terminated) {
    std::vector<std::uint8_t> data(text.begin(), text.end());
    if (terminated) {
        data.push_back(0);
    }
    SetValue(path, name, RegSz, std::move(data));
}

long InMemoryRegistry::OpenKey(RegistryKey root, const std::string& path, std::uint32_t /*access*/,
                               RegistryKey& handle) {
    if (root != HKeyLocalMachine) {
        return ErrorInvalidHandle;
    }
    const auto key = keys_.find(Folded(path));
    if (key == keys_.end()) {
        return ErrorFileNotFound;
    }
    handle = nextHandle_++;
    open_[handle] = key->first;
    return ErrorSuccess;
}

long InMemoryRegistry::QueryValue(RegistryKey handle, const std::string& name, std::uint32_t& type,
                                  std::uint8_t* data, std::uint32_t& size) {
    const auto open = open_.find(handle);
    if (open == open_.end()) {
        return ErrorInvalidHandle;
    }
    const Values& values = keys_.at(open->second);
    const auto value = values.find(Folded(name));
    if (value == values.end()) {
        return ErrorFileNotFound;
    }
    const auto needed = static_cast<std::uint32_t>(value->second.data.size());
    type = value->second.type;
    if (needed > size) {
        size = needed;
        return ErrorMoreData;
    }
    if (needed > 0) {
        std::memcpy(data, value->second.data.data(), needed);
    }
    size = needed;
    return ErrorSuccess;
}

long InMemoryRegistry::CloseKey(RegistryKey handle) {
    return open_.erase(handle) == 1 ? ErrorSuccess : ErrorInvalidHandle;
}

}  // namespace ksl
