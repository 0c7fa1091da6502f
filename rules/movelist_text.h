// The lines of the move list beside the board: one line per move pair, white's
// ply 2k + 1 and black's 2k + 2 on line k, squares under their labels.
#pragma once

#include <string>
#include <vector>

namespace kv {

class MoveListModel {
public:
    const std::vector<std::string>& lines() const { return lines_; }
    int selected() const { return selected_; }

    void clear();
    void setLine(int index, const std::string& text); // replaces, or appends at the end
    void removeLine(int index);                       // a missing line is ignored
    void truncate(int count);                         // keeps the first `count` lines
    void ensureTrailingEmptyLine();
    void select(int index) { selected_ = index; }

private:
    std::vector<std::string> lines_;
    int selected_ = -1;
};

// " 1.10-14 " for white's ply, " 1.10-14 23-19" once black has answered.
std::string whiteLineText(int moveNumber, const std::string& whiteMove);
std::string pairLineText(int moveNumber, const std::string& whiteMove,
                         const std::string& blackMove);

} // namespace kv
