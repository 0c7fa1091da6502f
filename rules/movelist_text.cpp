#include "movelist_text.h"

#include <cstdio>

namespace kv {

void MoveListModel::clear()
{
    lines_.clear();
    selected_ = -1;
}

void MoveListModel::setLine(int index, const std::string& text)
{
    if (index < 0) return;
    if (index < static_cast<int>(lines_.size())) lines_[index] = text;
    else {
        lines_.resize(index);
        lines_.push_back(text);
    }
}

void MoveListModel::removeLine(int index)
{
    if (index < 0 || index >= static_cast<int>(lines_.size())) return;
    lines_.erase(lines_.begin() + index);
    if (selected_ >= static_cast<int>(lines_.size()))
        selected_ = static_cast<int>(lines_.size()) - 1;
}

void MoveListModel::truncate(int count)
{
    if (count < 0 || count >= static_cast<int>(lines_.size())) return;
    lines_.resize(count);
    if (selected_ >= count) selected_ = count - 1;
}

void MoveListModel::ensureTrailingEmptyLine()
{
    if (lines_.empty() || !lines_.back().empty()) lines_.emplace_back();
}

std::string whiteLineText(int moveNumber, const std::string& whiteMove)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%2d.%s ", moveNumber, whiteMove.c_str());
    return buf;
}

std::string pairLineText(int moveNumber, const std::string& whiteMove, const std::string& blackMove)
{
    char buf[80];
    std::snprintf(buf, sizeof buf, "%2d.%s %s", moveNumber, whiteMove.c_str(), blackMove.c_str());
    return buf;
}

} // namespace kv
