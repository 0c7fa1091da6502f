#include "training/problem_source.h"

#include "engine/scores.h"

#include <sstream>

namespace kv {

std::vector<ProblemEntry> parseProblemSource(const std::string& text, std::string& error)
{
    std::vector<ProblemEntry> out;
    std::istringstream in(text);
    std::string line;
    int number = 0;
    bool haveFen = false;
    const auto fail = [&](const std::string& why) {
        error = "line " + std::to_string(number) + ": " + why;
        return std::vector<ProblemEntry> {};
    };
    const auto closeBlock = [&]() -> bool {
        if (out.empty()) return true;
        const ProblemEntry& p = out.back();
        return haveFen && p.depth > 0;
    };
    while (std::getline(in, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.size() > 2 && line.front() == '[' && line.back() == ']') {
            if (!closeBlock()) return fail("the block before lacks its fen or depth");
            out.push_back({});
            out.back().name = line.substr(1, line.size() - 2);
            haveFen = false;
            continue;
        }
        if (out.empty()) {
            if (line.empty() || line[0] == '#') continue;
            return fail("text before the first block");
        }
        ProblemEntry& p = out.back();
        if (line.rfind("fen ", 0) == 0) {
            std::string why;
            const auto pos = parseFen(line.substr(4), &why);
            if (!pos) return fail(why);
            p.position = *pos;
            haveFen = true;
        } else if (line == "goal win") {
            p.forcedWin = true;
        } else if (line.rfind("goal gain ", 0) == 0) {
            p.forcedWin = false;
            p.gainMen = std::atoi(line.c_str() + 10);
            if (p.gainMen < 1 || p.gainMen > 12) return fail("the gain must be 1..12 men");
        } else if (line.rfind("depth ", 0) == 0) {
            p.depth = std::atoi(line.c_str() + 6);
            if (p.depth < 1 || p.depth > 30) return fail("the depth must be 1..30");
        } else if (line.rfind("solution ", 0) == 0) {
            std::istringstream words(line.substr(9));
            p.solution.clear();
            for (std::string w; words >> w;) p.solution.push_back(w);
        } else if (!line.empty() || !p.comment.empty()) {
            p.comment.push_back(line);
        }
    }
    if (!closeBlock()) return fail("the last block lacks its fen or depth");
    for (ProblemEntry& p : out)
        while (!p.comment.empty() && p.comment.back().empty()) p.comment.pop_back();
    error.clear();
    return out;
}

int problemTarget(const ProblemEntry& p)
{
    // A gain of n men shows as n men less what the position may take back:
    // in an ending the square tables and the tempo can say up to three
    // quarters of a man against the side that won the material.
    return p.forcedWin ? kDecidedScore : 200 * p.gainMen - 150;
}

std::string formatProblemEntry(const ProblemEntry& p)
{
    std::string out = "[" + p.name + "]\nfen " + formatFen(p.position) + "\n";
    out += p.forcedWin ? std::string("goal win\n")
                       : "goal gain " + std::to_string(p.gainMen) + "\n";
    out += "depth " + std::to_string(p.depth) + "\n";
    if (!p.solution.empty()) {
        out += "solution";
        for (const std::string& m : p.solution) out += " " + m;
        out += "\n";
    }
    for (const std::string& l : p.comment) out += l + "\n";
    return out;
}

} // namespace kv
