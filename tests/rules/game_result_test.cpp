#include "rules/game_result.h"

#include <gtest/gtest.h>

namespace kv {
namespace {

// Every result against the controller's code, the score text of the text
// export and results history, and the PDN terminator; and the tokens other
// programs end their games with.
TEST(GameResult, ConvertsToAndFromEveryCode)
{
    struct Case {
        GameResult result;
        int code;
        const char* score;
        const char* pdn;
    };
    const Case cases[] = {
        { GameResult::BlackWon, 0, "0-2", "0-1" },
        { GameResult::Draw, 1, "1-1", "1/2-1/2" },
        { GameResult::WhiteWon, 2, "2-0", "1-0" },
        { GameResult::None, 3, "", "*" },
    };
    for (const Case& c : cases) {
        EXPECT_EQ(resultCode(c.result), c.code);
        EXPECT_EQ(resultOfCode(c.code), c.result);
        EXPECT_EQ(scoreText(c.result), c.score);
        EXPECT_EQ(parsePdnResult(c.pdn), c.result) << c.pdn;
        EXPECT_EQ(pdnResultText(c.result), c.pdn);
        if (*c.score) {
            EXPECT_EQ(parseScoreText(c.score), c.result);
            EXPECT_EQ(parsePdnResult(c.score), c.result)
                << c.score; // the international result type
        }
    }
    EXPECT_EQ(parsePdnResult("0-0"), GameResult::None); // both sides lost
    EXPECT_EQ(resultOfCode(4), std::nullopt);
    EXPECT_EQ(resultOfCode(-1), std::nullopt);
    for (const char* notAResult : { "", "1-2", "2-2", "1/2", "*1", "10-14" }) {
        EXPECT_EQ(parsePdnResult(notAResult), std::nullopt) << notAResult;
        EXPECT_EQ(parseScoreText(notAResult), std::nullopt) << notAResult;
    }
    EXPECT_EQ(winFor(White), GameResult::WhiteWon);
    EXPECT_EQ(winFor(Black), GameResult::BlackWon);
}

} // namespace
} // namespace kv
