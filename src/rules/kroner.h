#pragma once

#include <cstdint>

namespace ksl {

// Money in whole kroner. Balances in play stay between -2 and 399, so 16 bits never overflow.
using Kroner = std::int16_t;

}  // namespace ksl
