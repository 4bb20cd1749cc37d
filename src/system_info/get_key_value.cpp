#include "system_info/get_key_value.h"

#include <algorithm>
#include <array>

namespace ksl {

void DecodeKeyValue(std::uint32_t type, std::span<const std::uint8_t> data, std::string& KeyVal) {
    // A trailing zero is the string's terminator, not part of it.
    if (!data.empty() && data.back() == 0) {
        data = data.first(data.size() - 1);
    }
    if (type == RegSz) {
        KeyVal.assign(data.begin(), data.end());
    } else if (type == RegDword) {
        // Least significant byte first.
        std::uint32_t number = 0;
        for (std::size_t i = std::min<std::size_t>(data.size(), 4); i-- > 0;) {
            number = (number << 8U) | data[i];
        }
        KeyVal = std::to_string(number);
    }
}

bool GetKeyValue(Registry& registry, const RegistryKey& KeyRoot, const std::string& KeyName,
                 const std::string& SubKeyRef, std::string& KeyVal) {
    RegistryKey handle = 0;
    bool read = false;
    // Read rights only: a standard user may not write to these keys, and asking for write
    // rights would make the lookup fail for every such user.
    if (registry.OpenKey(KeyRoot, KeyName, KeyRead, handle) == ErrorSuccess) {
        std::array<std::uint8_t, KeyValueBufferSize> buffer{};
        std::uint32_t size = KeyValueBufferSize;
        std::uint32_t type = 0;
        if (registry.QueryValue(handle, SubKeyRef, type, buffer.data(), size) == ErrorSuccess) {
            // Never trust a size larger than the buffer it describes.
            DecodeKeyValue(type, std::span(buffer).first(std::min(size, KeyValueBufferSize)),
                           KeyVal);
            read = true;
        }
    }
    if (!read) {
        KeyVal.clear();
    }
    registry.CloseKey(handle);
    return read;
}

}  // namespace ksl
