// The pay table the player reads beside the reels and the one the machine pays by are written
// apart, the one as designed texts, the other as rules: they must say the same.
#include <QRegularExpression>
#include <QStringList>
#include <vector>

#include "game_window/game_window_fixture.h"
#include "rules/pay_table.h"

namespace ksl::testing {
namespace {

using GamePayTable = GameWindowFixture;

// The prizes a printed row names, at 1 kr and at 2 kr: "-  50 kr    -  100 kr".
std::vector<int> Amounts(const QString& printed) {
    static const QRegularExpression amount(QStringLiteral("(\\d+) kr"));
    std::vector<int> amounts;
    for (const QRegularExpressionMatch& match : amount.globalMatch(printed)) {
        amounts.push_back(match.captured(1).toInt());
    }
    return amounts;
}

// The reels a printed pattern shows, left, middle and right ("000", "1-1"); a dash stands for
// any face. Every draw that fits the pattern, in the machine's draw order: right, left, middle.
std::vector<Reels> DrawsShowing(const QString& pattern) {
    std::vector<Reels> draws;
    for (Reel middle = 0; middle < ReelFaces; ++middle) {
        const auto face = [&](int place) {
            return pattern[place] == u'-' ? middle : pattern[place].digitValue();
        };
        const Reels draw{face(2), face(0), face(1)};
        if (pattern[1] == u'-' || middle == 0) {
            draws.push_back(draw);
        }
    }
    return draws;
}

TEST_F(GamePayTable, PrintsWhatTheMachinePaysAtBothStakes) {
    Open();
    // The patterns from the top down, each beside the prizes on its line.
    QStringList patterns = Text("Label11").split(u' ', Qt::SkipEmptyParts);
    patterns += Text("Label6").split(u' ', Qt::SkipEmptyParts);
    const std::vector<const char*> prizes{"Label12", "Label7", "Label8", "Label9", "Label10"};
    ASSERT_EQ(patterns.size(), static_cast<qsizetype>(prizes.size()));

    std::vector<Outcome> printed;
    for (std::size_t row = 0; row < prizes.size(); ++row) {
        const QString pattern = patterns[static_cast<qsizetype>(row)];
        ASSERT_EQ(pattern.size(), 3) << pattern.toStdString();
        const std::vector<int> amounts = Amounts(Text(prizes[row]));
        ASSERT_EQ(amounts.size(), 2U) << prizes[row];
        for (const Reels& draw : DrawsShowing(pattern)) {
            const PayLine& line = Evaluate(draw);
            EXPECT_EQ(line.changeAt(Stake::One), amounts[0]) << pattern.toStdString();
            EXPECT_EQ(line.changeAt(Stake::Two), amounts[1]) << pattern.toStdString();
            printed.push_back(line.outcome);
        }
        if (row > 0) {
            EXPECT_LT(Find(prizes[row - 1])->y(), Find(prizes[row])->y()) << prizes[row];
        }
    }
    // Every way to win is printed.
    for (const PayLine& line : PayTable) {
        EXPECT_EQ(std::ranges::count(printed, line.outcome) > 0, line.outcome != Outcome::Loss)
            << static_cast<int>(line.outcome);
    }
}

}  // namespace
}  // namespace ksl::testing
