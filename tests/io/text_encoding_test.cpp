#include "io/text_encoding.h"

#include <gtest/gtest.h>

namespace kv {
namespace {

TEST(TextEncoding, NamesFromOutsideLoseControlsAndAreCutBetweenCharacters)
{
    struct Case {
        std::string raw;
        std::size_t max;
        std::string clean;
    };
    for (const Case& c : {
             Case { "Anne\x1b[31m\x07", 19, "Anne [31m" },    // ESC and BEL
             Case { "Anne\nKorvelan", 19, "Anne Korvelan" },  // a line break
             Case { "\t Zo\xc3\xa9 \r\n", 19, "Zo\xc3\xa9" }, // trimmed
             Case { "Zo\xe9", 19, "Zo\xc3\xa9" },             // Latin-1
             Case { "A\x7f"
                    "B\xc2\x9b"
                    "C",
                    19, "A B C" }, // DEL and a C1 control
             Case { "Abcdefghijklmnopqr\xc3\xa9", 19, "Abcdefghijklmnopqr" }, // no half character
             Case { "Abcdefghijklmnopqr \xc3\xa9", 19, "Abcdefghijklmnopqr" },
         })
        EXPECT_EQ(cleanName(c.raw, c.max), c.clean) << c.raw;

    EXPECT_EQ(escapeControls("Zo\xc3\xa9\x1b[2J\x07\n\xff\xc2\x9b!"),
              "Zo\xc3\xa9\\x1b[2J\\x07\\x0a\\xff\\xc2\\x9b!");
}

} // namespace
} // namespace kv
