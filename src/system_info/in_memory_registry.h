#pragma once

#include <map>
#include <string>
#include <vector>

#include "system_info/registry.h"

namespace ksl {

// A registry held in memory: for tests, and for systems that have none. Keys and value names
// are compared without regard to case, as Windows does. A key can be made read-only, so that
// opening it with write rights is refused as it is for a standard user.
class InMemoryRegistry final : public Registry {
  public:
    void SetValue(const std::string& path, const std::string& name, std::uint32_t type,
                  std::vector<std::uint8_t> data);
    // A string value, stored with its terminating zero unless told otherwise.
    void SetString(const std::string& path, const std::string& name, const std::string& text,
                   bool terminated = true);
    void MakeReadOnly(const std::string& path);

    long OpenKey(RegistryKey root, const std::string& path, std::uint32_t access,
                 RegistryKey& handle) override;
    long QueryValue(RegistryKey handle, const std::string& name, std::uint32_t& type,
                    std::uint8_t* data, std::uint32_t& size) override;
    long CloseKey(RegistryKey handle) override;

    // Keys opened and not yet closed.
    [[nodiscard]] int OpenHandles() const { return static_cast<int>(open_.size()); }

  private:
    struct Value {
        std::uint32_t type;
        std::vector<std::uint8_t> data;
    };
    struct Key {
        std::map<std::string, Value> values;
        bool readOnly = false;
    };

    std::map<std::string, Key> keys_;
    std::map<RegistryKey, std::string> open_;
    RegistryKey nextHandle_ = 1;
};

}  // namespace ksl
