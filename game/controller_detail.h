// Small helpers shared by the files of the game controller.
#pragma once

#include "rules/board.h"

#include <cstdint>

namespace kv::controller_detail {

// Sets a flag for the length of a scope, so that every return path clears it.
class FlagScope {
public:
    explicit FlagScope(bool& flag) : flag_(flag), old_(flag) { flag_ = true; }
    ~FlagScope() { flag_ = old_; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    bool& flag_;
    bool old_;
};

inline std::uint8_t promoted(std::uint8_t piece, Square to)
{
    return promotes(piece, to) ? piece + 1 : piece;
}

// The move-list line holding ply p (white's ply 2k + 1 and black's 2k + 2 are
// on line k); none before the first ply.
inline int lineOfPly(int p) { return p > 0 ? (p - 1) / 2 : -1; }

} // namespace kv::controller_detail
