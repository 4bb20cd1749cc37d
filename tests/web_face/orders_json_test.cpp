#include "web_face/orders_json.h"

#include <gtest/gtest.h>

namespace ksl::web_face {
namespace {

using Kind = Order::Kind;

struct Encoding {
    Order order;
    const char* json;
};

TEST(OrdersJson, EachOrderCarriesItsKindAndWhatItNames) {
    for (const Encoding& e : {
             Encoding{{Kind::StartTimer, "Timer1", {}}, R"({"kind":"StartTimer","name":"Timer1"})"},
             Encoding{{Kind::StopTimer, "Win3", {}}, R"({"kind":"StopTimer","name":"Win3"})"},
             Encoding{{Kind::Show, "Label2", {}}, R"({"kind":"Show","name":"Label2"})"},
             Encoding{{Kind::Hide, "Image6", {}}, R"({"kind":"Hide","name":"Image6"})"},
             Encoding{{Kind::SetText, "Label17", "-1"},
                      R"({"kind":"SetText","name":"Label17","text":"-1"})"},
             Encoding{{Kind::StakesOff, {}, {}}, R"({"kind":"StakesOff"})"},
             Encoding{{Kind::StakesOn, "Command2", {}}, R"({"kind":"StakesOn","name":"Command2"})"},
             Encoding{{Kind::StakesOn, {}, {}}, R"({"kind":"StakesOn"})"},
             Encoding{{Kind::Beep, {}, {}}, R"({"kind":"Beep"})"},
             Encoding{{Kind::Say, {}, "Gevinst 10, 40 kr, hjul 2 2 2."},
                      R"({"kind":"Say","text":"Gevinst 10, 40 kr, hjul 2 2 2."})"},
             Encoding{{Kind::Hush, {}, {}}, R"({"kind":"Hush"})"},
             Encoding{{Kind::GameOver, {}, {}}, R"({"kind":"GameOver"})"},
         }) {
        EXPECT_EQ(OrdersJson({e.order}), std::string("[") + e.json + "]") << e.json;
    }
}

TEST(OrdersJson, TextsStayUtf8AndWhatJsonReservesIsEscaped) {
    for (const auto& [text, json] : std::initializer_list<std::pair<const char*, const char*>>{
             {"Du har tømt automaten !!!!!!", R"("Du har tømt automaten !!!!!!")"},
             {"Da er  \" Kronesluk \"", R"("Da er  \" Kronesluk \"")"},
             {"C:\\MSINFO32.EXE", R"("C:\\MSINFO32.EXE")"},
             {"one\ntwo\tthree", R"("one\ntwo\tthree")"},
             {"\x01\x1f", R"("\u0001\u001f")"},
             {"", R"("")"},
         }) {
        EXPECT_EQ(JsonString(text), json) << text;
    }
}

TEST(OrdersJson, OrdersFollowOneAnotherInTheirOrder) {
    EXPECT_EQ(OrdersJson({}), "[]");
    EXPECT_EQ(
        OrdersJson(
            {{Kind::Hush, {}, {}}, {Kind::Tell, {}, "Du har ikke mer penger å spille for !"}}),
        R"([{"kind":"Hush"},{"kind":"Tell","text":"Du har ikke mer penger å spille for !"}])");
}

}  // namespace
}  // namespace ksl::web_face
