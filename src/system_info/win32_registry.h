#pragma once

#ifdef _WIN32

#include <windows.h>

#include "system_info/registry.h"

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

// The handle the Win32 calls are given for one of ours. The root is the SDK's own
// HKEY_LOCAL_MACHINE: its 32-bit value is sign-extended to a 64-bit handle, which widening
// 0x80000002 as an unsigned number would not do.
[[nodiscard]] HKEY ToHkey(RegistryKey key);

}  // namespace ksl

#endif
