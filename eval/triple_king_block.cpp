// Three kings against a man and a king: the kings win by standing on the
// lone man's file, so that it can never run, and by holding the long diagonal.
#include "knowledge.h"

#include "tables.h"

namespace kv::knowledge {

int tripleKingBlock(const Board& b, SideToMove strong)
{
    using namespace evaltables;
    const std::uint8_t king = strong == White ? WhiteKing : BlackKing;
    const std::uint8_t loneMan = strong == White ? BlackMan : WhiteMan;
    int kings[3] = {};
    int n = 0, man = 0;
    bool diagonal = false;
    for (int s = 1; s <= 32; ++s) {
        if (b[s] == king && n < 3) {
            kings[n++] = s;
            diagonal |= onLongDiagonal(s);
        } else if (b[s] == loneMan) {
            man = s;
        }
    }
    if (n < 3 || man == 0) return 0;

    // Closer kings by square number weigh more: on the file 120 (with the
    // diagonal held), 110, 100; beside it 40, 35, 30.
    constexpr int onFile[3] = { 120, 110, 100 }, besideFile[3] = { 40, 35, 30 };
    const int f = FileTable[man];
    int x = 0;
    for (int i = 0; i < 3; ++i) {
        const int fi = FileTable[kings[i]];
        if (f == fi && (i > 0 || diagonal)) x += onFile[i];
        if (f == fi - 1) x += besideFile[i];
        if (f == fi + 1) x += besideFile[i];
    }
    return x;
}

} // namespace kv::knowledge
