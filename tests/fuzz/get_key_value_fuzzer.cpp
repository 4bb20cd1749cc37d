// Feeds GetKeyValue registry values of every type and size, and checks what it promises: a
// failure leaves empty text, a string comes back without its terminator and never longer than
// the buffer, a value that does not fit is refused, and every key is closed again.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "support/test_registry.h"
#include "system_info/get_key_value.h"

namespace {

void Require(bool holds) {
    if (!holds) {
        __builtin_trap();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* input, std::size_t size) {
    if (size < 1) {
        return 0;
    }
    const std::uint32_t type = input[0] % 8U;
    const std::vector<std::uint8_t> data(input + 1, input + size);

    ksl::testing::TestRegistry registry;
    registry.SetValue("SOFTWARE\\Fuzz", "Value", type, data);
    std::string text = "before";
    const bool read =
        ksl::GetKeyValue(registry, ksl::HKeyLocalMachine, "SOFTWARE\\Fuzz", "Value", text);

    Require(registry.OpenHandles() == 0);
    Require(read == (data.size() <= ksl::KeyValueBufferSize));
    if (!read) {
        Require(text.empty());
    } else if (type == ksl::RegSz) {
        const bool terminated = !data.empty() && data.back() == 0;
        Require(text.size() == data.size() - (terminated ? 1 : 0));
        Require(std::equal(text.begin(), text.end(), data.begin(), [](char c, std::uint8_t b) {
            return static_cast<std::uint8_t>(c) == b;
        }));
    } else if (type == ksl::RegDword) {
        Require(!text.empty() && text.size() <= 10);
    } else {
        Require(text == "before");
    }
    return 0;
}
