// The page's way into the game, called as the page calls it: each call answers with orders.

#include <gtest/gtest.h>

#include <string>

extern "C" {
const char* ksl_load_game_window();
void ksl_unload_game_window();
const char* ksl_stake_pressed(const char* button);
const char* ksl_ticked(const char* timer);
const char* ksl_message_closed();
}

namespace {

bool Holds(const std::string& json, const std::string& part) {
    return json.find(part) != std::string::npos;
}

class GameFace : public ::testing::Test {
  protected:
    void TearDown() override { ksl_unload_game_window(); }
};

TEST_F(GameFace, WithoutALoadedGameWindowEveryCallAnswersNothing) {
    EXPECT_STREQ(ksl_stake_pressed("Command1"), "[]");
    EXPECT_STREQ(ksl_ticked("Timer1"), "[]");
    EXPECT_STREQ(ksl_message_closed(), "[]");
}

TEST_F(GameFace, LoadingStartsTheTimersThatRunFromTheStartOnce) {
    const std::string loaded = ksl_load_game_window();
    EXPECT_TRUE(Holds(loaded, R"({"kind":"StartTimer","name":"Penger"})")) << loaded;
    EXPECT_TRUE(Holds(loaded, R"({"kind":"StartTimer","name":"NoWin"})")) << loaded;
    // Loading a loaded window does nothing at all.
    EXPECT_STREQ(ksl_load_game_window(), "[]");
}

TEST_F(GameFace, OnlyTheStakeButtonsPlayAndTheyAnswerWithASpin) {
    ksl_load_game_window();
    for (const char* other : {"Command3", "", "command1"}) {
        EXPECT_STREQ(ksl_stake_pressed(other), "[]") << other;
    }
    EXPECT_STREQ(ksl_stake_pressed(nullptr), "[]");
    const std::string spin = ksl_stake_pressed("Command2");
    EXPECT_TRUE(Holds(spin, R"({"kind":"StakesOff"})")) << spin;
    EXPECT_TRUE(Holds(spin, R"({"kind":"SetText","name":"Label17","text":")")) << spin;
    // The spin's reveal is under way: the stakes are grey, and the first reel shows at its tick.
    EXPECT_STREQ(ksl_stake_pressed("Command1"), "[]");
    EXPECT_TRUE(Holds(ksl_ticked("Timer1"), R"({"kind":"Show","name":"Label2"})"));
    EXPECT_STREQ(ksl_ticked("NoSuchTimer"), "[]");
}

TEST_F(GameFace, AReloadedGameWindowStartsANewGameAtThirtyKroner) {
    ksl_load_game_window();
    for (int spin = 0; spin < 3; ++spin) {
        ksl_stake_pressed("Command1");
        ksl_ticked("Timer4");  // the stakes back, for the next spin
    }
    ksl_unload_game_window();
    EXPECT_STREQ(ksl_ticked("Timer4"), "[]");
    ksl_load_game_window();
    const std::string spin = ksl_stake_pressed("Command1");
    // A fresh 30 kroner: a loss leaves 29, any win more than 30.
    const std::string balanceText = R"("name":"Label17","text":")";
    const auto at = spin.find(balanceText);
    ASSERT_NE(at, std::string::npos) << spin;
    const int balance = std::stoi(spin.substr(at + balanceText.size()));
    EXPECT_TRUE(balance == 29 || balance > 30) << spin;
}

}  // namespace
