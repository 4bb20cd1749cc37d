#ifdef _WIN32

#include "system_info/win32_registry.h"

namespace ksl {

HKEY ToHkey(RegistryKey key) {
    if (key == HKeyLocalMachine) {
        return HKEY_LOCAL_MACHINE;
    }
    return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(key));
}

long Win32Registry::OpenKey(RegistryKey root, const std::string& path, std::uint32_t access,
                            RegistryKey& handle) {
    HKEY opened = nullptr;
    const LONG result = RegOpenKeyExA(ToHkey(root), path.c_str(), 0, access, &opened);
    if (result == ERROR_SUCCESS) {
        handle = static_cast<RegistryKey>(reinterpret_cast<ULONG_PTR>(opened));
    }
    return result;
}

long Win32Registry::QueryValue(RegistryKey handle, const std::string& name, std::uint32_t& type,
                               std::uint8_t* data, std::uint32_t& size) {
    DWORD valueType = 0;
    DWORD valueSize = size;
    const LONG result =
        RegQueryValueExA(ToHkey(handle), name.c_str(), nullptr, &valueType, data, &valueSize);
    type = valueType;
    size = valueSize;
    return result;
}

long Win32Registry::CloseKey(RegistryKey handle) {
    return RegCloseKey(ToHkey(handle));
}

}  // namespace ksl

#endif
