#pragma once

#include <string>
#include <string_view>

#include "game_flow/order.h"

namespace ksl::web_face {

// The orders as the page reads them: a JSON array of objects, each with its `kind` by the
// order's name ("StartTimer", "Say", ...) and, where the order has them, its `name` and `text`.
// Texts are UTF-8 and stay UTF-8; quotes, backslashes and control characters are escaped.
[[nodiscard]] std::string OrdersJson(const Orders& orders);

// `text` as a JSON string, quotes included.
[[nodiscard]] std::string JsonString(std::string_view text);

}  // namespace ksl::web_face
