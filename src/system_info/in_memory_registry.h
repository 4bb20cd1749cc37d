#pragma once

#include <map>
#include <string>
#include <vector>

#include "system_info/registry.h"

namespace ksl {

// A registry held in memory, for systems that have none (and for tests). Keys and value names
// are compared without regard to case, as Windows does.
class InMemoryRegistry : public Registry {
  public:
    void SetValue(const std::string& path, const std::string& name, std::uint32_t type,
                  std::vector<std::uint8_t> data);
    // A string value, stored with its terminating zero unless told otherwise.
    void SetString(const std::string& path, const std::string& name, const std::string& text,
                   bool terminated = true);

    long OpenKey(RegistryKey root, const std::string& path, std::uint32_t access,
                 RegistryKey& handle) override;
    long QueryValue(RegistryKey handle, const std::string& name, std::uint32_t& type,
                    std::uint8_t* data, std::uint32_t& size) override;
    long CloseKey(RegistryKey handle) override;

  private:
    struct Value {
        std::uint32_t type;
        std::vector<std::uint8_t> data;
    };
    using Values = std::map<std::string, Value>;

    std::map<std::string, Values> keys_;
    std::map<RegistryKey, std::string> open_;
    RegistryKey nextHandle_ = 1;
};

}  // namespace ksl
