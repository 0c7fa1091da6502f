#include "engine/search_info.h"

#include "rules/geometry.h"

#include <cstdio>

namespace kv {

namespace {

std::string labelled(const std::string& label, const char* pattern, long long value)
{
    char number[64];
    std::snprintf(number, sizeof number, pattern, value);
    return label + " : " + number;
}

std::string plyText(const MoveRecord& m)
{
    std::string t(label(m.from));
    t += m.isCapture() ? " x " : " - ";
    t += label(m.to);
    return t;
}

} // namespace

std::vector<std::string> searchInfoLines(const SearchInfo& info, const SearchInfoLabels& labels)
{
    std::vector<std::string> lines;
    lines.push_back(labelled(labels.depth, "%5lld", info.depth));
    lines.push_back(labelled(labels.nodes, "%8lld", info.nodes));
    if (info.timed) {
        const long long ms = info.elapsedMs;
        lines.push_back(labelled(labels.time, "%6lld s", ms / 1000));
        lines.push_back(ms <= 0 ? labels.speed + " : //"
                                : labelled(labels.speed, "%8lld", info.nodes * 1000LL / ms));
    }
    lines.push_back(labelled(labels.score, "%5lld", info.shownScore()));
    lines.push_back(labelled(labels.moves, "%3lld", info.moveNumber));
    const auto& pv = info.principalVariation;
    for (std::size_t j = 0; j < pv.size(); j += 2) {
        std::string line = plyText(pv[j]);
        if (j + 1 < pv.size()) line += " , " + plyText(pv[j + 1]);
        lines.push_back(line);
    }
    return lines;
}

std::string rootLineText(const RootLine& line)
{
    const MoveRecord& m = line.move;
    char text[48];
    std::snprintf(text, sizeof text, "%s%c%s : %5d%s", SquareLabels[m.from].data(),
                  m.isCapture() ? 'x' : '-', SquareLabels[m.to].data(), line.score / 2,
                  line.searching ? " ?<---" : "");
    return text;
}

} // namespace kv
