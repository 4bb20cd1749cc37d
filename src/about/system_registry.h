#pragma once

#include <memory>

#include "system_info/registry.h"

namespace ksl {

// The registry the About dialog reads. On Windows the real one. Elsewhere a stand-in that holds
// the path of the desktop's system-information program under the tool's own entry, when one is
// installed, and nothing when none is.
std::unique_ptr<Registry> MakeSystemRegistry();

}  // namespace ksl
