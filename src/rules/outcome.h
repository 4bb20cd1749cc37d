#pragma once

namespace ksl {

enum class Outcome { Triple0, Triple4, Triple3, Triple2, PairOfOnes, Loss };

}  // namespace ksl
