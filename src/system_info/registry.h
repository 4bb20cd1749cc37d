#pragma once

#include <cstdint>
#include <string>

namespace ksl {

// The part of the Windows registry the About dialog reads, shaped like the Win32 calls so that
// the real registry and the in-memory one are interchangeable.
using RegistryKey = std::uint64_t;

inline constexpr RegistryKey HKeyLocalMachine = 0x80000002;

// Access rights. Reading asks for query value, enumerate sub-keys, notify and read control.
inline constexpr std::uint32_t KeyRead = 0x20019;
inline constexpr std::uint32_t KeySetValue = 0x0002;
inline constexpr std::uint32_t KeyCreateSubKey = 0x0004;
inline constexpr std::uint32_t KeyCreateLink = 0x0020;

// Value types.
inline constexpr std::uint32_t RegSz = 1;
inline constexpr std::uint32_t RegExpandSz = 2;
inline constexpr std::uint32_t RegBinary = 3;
inline constexpr std::uint32_t RegDword = 4;

// Results: zero is success, anything else a failure.
inline constexpr long ErrorSuccess = 0;
inline constexpr long ErrorFileNotFound = 2;
inline constexpr long ErrorAccessDenied = 5;
inline constexpr long ErrorInvalidHandle = 6;
inline constexpr long ErrorMoreData = 234;

class Registry {
  public:
    virtual ~Registry() = default;

    // Opens `path` below `root`; on success writes a non-zero handle.
    virtual long OpenKey(RegistryKey root, const std::string& path, std::uint32_t access,
                         RegistryKey& handle) = 0;

    // Reads value `name` into `data`, which holds `size` bytes; on return `size` is the number of
    // data bytes (on ErrorMoreData: the number needed) and `type` the value's type.
    virtual long QueryValue(RegistryKey handle, const std::string& name, std::uint32_t& type,
                            std::uint8_t* data, std::uint32_t& size) = 0;

    virtual long CloseKey(RegistryKey handle) = 0;
};

}  // namespace ksl
