#include "web_face/orders_json.h"

#include <array>

namespace ksl::web_face {
namespace {

using Kind = Order::Kind;

const char* KindName(Kind kind) {
    switch (kind) {
        case Kind::StartTimer:
            return "StartTimer";
        case Kind::StopTimer:
            return "StopTimer";
        case Kind::Show:
            return "Show";
        case Kind::Hide:
            return "Hide";
        case Kind::SetText:
            return "SetText";
        case Kind::StakesOff:
            return "StakesOff";
        case Kind::StakesOn:
            return "StakesOn";
        case Kind::Beep:
            return "Beep";
        case Kind::Say:
            return "Say";
        case Kind::Hush:
            return "Hush";
        case Kind::Tell:
            return "Tell";
        case Kind::GameOver:
            return "GameOver";
    }
    return "";
}

void AppendEscaped(std::string& json, char c) {
    switch (c) {
        case '"':
            json += "\\\"";
            return;
        case '\\':
            json += "\\\\";
            return;
        case '\n':
            json += "\\n";
            return;
        case '\t':
            json += "\\t";
            return;
        default:
            break;
    }
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20) {
        constexpr std::array<char, 16> Hex{'0', '1', '2', '3', '4', '5', '6', '7',
                                           '8', '9', 'a', 'b', 'c', 'd', 'e', 'f'};
        json += "\\u00";
        json += Hex[byte >> 4U];
        json += Hex[byte & 0xFU];
        return;
    }
    // Every other byte, those of UTF-8's longer characters included, stands as it is.
    json += c;
}

}  // namespace

std::string JsonString(std::string_view text) {
    std::string json = "\"";
    for (const char c : text) {
        AppendEscaped(json, c);
    }
    return json + "\"";
}

std::string OrdersJson(const Orders& orders) {
    std::string json = "[";
    for (const Order& order : orders) {
        if (json.size() > 1) {
            json += ',';
        }
        json += "{\"kind\":";
        json += JsonString(KindName(order.kind));
        if (!order.name.empty()) {
            json += ",\"name\":" + JsonString(order.name);
        }
        if (!order.text.empty()) {
            json += ",\"text\":" + JsonString(order.text);
        }
        json += '}';
    }
    return json + "]";
}

}  // namespace ksl::web_face
