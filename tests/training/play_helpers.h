// Playing moves given as text ("10-14", "23x14") on a GameState, for tests.
#pragma once

#include "rules/game_state.h"
#include "rules/geometry.h"
#include "rules/notation.h"

#include <gtest/gtest.h>

#include <string>

namespace kv::test {

// Plays the legal move whose user-numbered from and to match; fails the test
// when there is none.
inline void play(GameState& g, const std::string& text)
{
    const auto sep = text.find_first_of("-x");
    const int from = std::stoi(text.substr(0, sep)), to = std::stoi(text.substr(sep + 1));
    const int n = g.generateLegal();
    const int captures = g.gen.captureCount();
    for (int i = 0; i < n; ++i) {
        const MoveRecord m = g.gen.list(1)[i];
        if (userNumber(m.from) == from && userNumber(m.to) == to) {
            g.playMove(m, captures);
            return;
        }
    }
    std::string legal;
    for (int i = 0; i < n; ++i) legal.append(" ").append(moveText(g.gen.list(1)[i]));
    FAIL() << "no legal move " << text << "; legal:" << legal;
}

inline void playAll(GameState& g, std::initializer_list<const char*> moves)
{
    for (const char* m : moves) play(g, m);
}

} // namespace kv::test
