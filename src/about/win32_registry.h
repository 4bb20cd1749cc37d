#pragma once

#ifdef _WIN32

#include "about/registry.h"

namespace ksl {

// The real registry, through RegOpenKeyExA, RegQueryValueExA and RegCloseKey.
class Win32Registry final : public Registry {
  public:
    long OpenKey(RegistryKey root, const std::string& path, std::uint32_t access,
                 RegistryKey& handle) override;
    long QueryValue(RegistryKey handle, const std::string& name, std::uint32_t& type,
                    std::uint8_t* data, std::uint32_t& size) override;
    long CloseKey(RegistryKey handle) override;
};

}  // namespace ksl

#endif
