#pragma once

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "system_info/in_memory_registry.h"

namespace ksl::testing {

// The in-memory registry with what only tests ask of it: keys made read-only, so that opening one
// with write rights is refused as it is for a standard user, and a count of the keys left open.
class TestRegistry final : public InMemoryRegistry {
  public:
    void MakeReadOnly(const std::string& path) { readOnly_.push_back(path); }

    long OpenKey(RegistryKey root, const std::string& path, std::uint32_t access,
                 RegistryKey& handle) override {
        const long opened = InMemoryRegistry::OpenKey(root, path, access, handle);
        if (opened != ErrorSuccess) {
            return opened;
        }
        if ((access & WriteRights) != 0 && IsReadOnly(path)) {
            InMemoryRegistry::CloseKey(handle);
            return ErrorAccessDenied;
        }
        open_.insert(handle);
        return opened;
    }

    long CloseKey(RegistryKey handle) override {
        open_.erase(handle);
        return InMemoryRegistry::CloseKey(handle);
    }

    // Keys opened and not yet closed.
    [[nodiscard]] int OpenHandles() const { return static_cast<int>(open_.size()); }

  private:
    static constexpr std::uint32_t WriteRights = KeySetValue | KeyCreateSubKey | KeyCreateLink;

    // Key names are compared without regard to case, as Windows does.
    [[nodiscard]] bool IsReadOnly(const std::string& path) const {
        return std::ranges::any_of(readOnly_, [&](const std::string& key) {
            return std::ranges::equal(key, path, [](unsigned char a, unsigned char b) {
                return std::tolower(a) == std::tolower(b);
            });
        });
    }

    std::vector<std::string> readOnly_;
    std::set<RegistryKey> open_;
};

}  // namespace ksl::testing
