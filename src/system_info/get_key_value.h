#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "system_info/registry.h"

namespace ksl {

// The largest value GetKeyValue reads, its terminating zero counted.
inline constexpr std::uint32_t KeyValueBufferSize = 1024;

// Reads one registry value as text into `KeyVal`. True when the value was read (for a type
// other than string or number `KeyVal` is left as it was); false, with `KeyVal` empty, when the
// key could not be opened or the value not read. The key is closed on every path.
bool GetKeyValue(Registry& registry, const RegistryKey& KeyRoot, const std::string& KeyName,
                 const std::string& SubKeyRef, std::string& KeyVal);

// The text of a value as read: a string without its terminating zero, a 32-bit number in
// decimal; any other type leaves `KeyVal` untouched.
void DecodeKeyValue(std::uint32_t type, std::span<const std::uint8_t> data, std::string& KeyVal);

}  // namespace ksl
