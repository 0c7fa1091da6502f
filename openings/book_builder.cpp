#include "openings/book_builder.h"

#include "engine/search_driver.h"
#include "openings/book_lookup.h"
#include "rules/movegen.h"
#include "rules/notation.h"

#include <algorithm>
#include <cstdlib>
#include <ctime>

namespace kv {

namespace {

class Builder {
public:
    Builder(SearchContext& ctx, const BookBuildOptions& o) : ctx_(ctx), o_(o), start_(std::clock())
    {
    }

    void expand(const Board& board, SideToMove side, std::vector<BookMove>& line)
    {
        const bool own = side == o_.bookSide;
        if (static_cast<int>(line.size()) >= o_.plies && !own) {
            emit(line);
            return;
        }
        MoveGenerator gen;
        Board b = board;
        const int n = gen.generateLegal(b, side);
        if (n == 0) {
            emit(line);
            return;
        }
        std::vector<MoveRecord> moves(gen.list(1).begin(), gen.list(1).begin() + n);

        std::vector<std::pair<int, MoveRecord>> kept; // (score for the side to move, move)
        const int width
            = widthAt(own ? o_.ownWidth : o_.replyWidth, static_cast<int>(line.size()) / 2);
        if (n == 1) {
            kept.push_back({ 0, moves[0] });
        } else if (width <= 1) {
            const SearchResult r = search(board, side);
            if (std::abs(r.score) > o_.balanceLimit) return finishEarly(line);
            kept.push_back({ r.score, r.move });
        } else {
            std::vector<std::pair<int, MoveRecord>> scored;
            for (const MoveRecord& m : moves) {
                Board after = board;
                applyMove(after, m);
                scored.push_back({ -search(after, opponent(side), o_.depth - 1).score, m });
            }
            std::stable_sort(scored.begin(), scored.end(),
                             [](auto& a, auto& b) { return a.first > b.first; });
            const int best = scored.front().first;
            if (std::abs(best) > o_.balanceLimit) return finishEarly(line);
            const int margin = own ? o_.margin : o_.replyMargin;
            for (const auto& s : scored)
                if (s.first >= best - margin && static_cast<int>(kept.size()) < width)
                    kept.push_back(s);
        }
        for (const auto& k : kept) {
            Board after = board;
            applyMove(after, k.second);
            line.push_back({ k.second.from, k.second.to });
            expand(after, opponent(side), line);
            line.pop_back();
        }
    }

    double elapsed() const { return static_cast<double>(std::clock() - start_) / CLOCKS_PER_SEC; }

    std::vector<std::string> lines;
    BookBuildStats stats;

private:
    static SideToMove opponent(SideToMove s) { return s == White ? Black : White; }

    int widthAt(const std::vector<int>& widths, int moveIndex) const
    {
        if (o_.budgetSeconds > 0 && elapsed() > o_.budgetSeconds) return 1;
        if (widths.empty()) return 1;
        return widths[std::min<std::size_t>(static_cast<std::size_t>(moveIndex),
                                            widths.size() - 1)];
    }

    SearchResult search(const Board& board, SideToMove side, int depth = 0)
    {
        ++stats.searches;
        ctx_.settings.fixedDepth = depth > 0 ? depth : o_.depth;
        SearchRequest r;
        r.board = board;
        r.side = side;
        r.gamePly = 0;
        return searchDriver(ctx_, r);
    }

    // A line that turns unbalanced is kept only when it is already long enough.
    void finishEarly(const std::vector<BookMove>& line)
    {
        if (static_cast<int>(line.size()) >= o_.plies - 4) emit(line);
    }

    void emit(std::vector<BookMove> line)
    {
        // A line ends on a move of the library's side: the opponent's last
        // move would offer nothing.
        while (!line.empty() && ((line.size() - 1) % 2 == 0 ? White : Black) != o_.bookSide)
            line.pop_back();
        if (line.empty()) return;
        lines.push_back(lineText(line));
        ++stats.lines;
        if (o_.progress) o_.progress(lines.back());
    }

    SearchContext& ctx_;
    const BookBuildOptions& o_;
    std::clock_t start_;
};

} // namespace

std::vector<std::string> buildBook(SearchContext& ctx, const BookBuildOptions& options,
                                   BookBuildStats* stats)
{
    const SearchSettings saved = ctx.settings;
    const SearchState savedState = ctx.state;
    ctx.settings.bookEnabled = false;
    ctx.settings.levelTime = 32000;
    ctx.state = {};
    // No clock: every search runs to its depth, a single legal move included.
    ctx.state.unlimitedTime = true;

    Builder b(ctx, options);
    const Position start = initialPosition();
    std::vector<BookMove> line;
    b.expand(start.board, start.side, line);

    ctx.settings = saved;
    ctx.state = savedState;
    std::vector<std::string> lines = std::move(b.lines);
    std::sort(lines.begin(), lines.end());
    lines.erase(std::unique(lines.begin(), lines.end()), lines.end());
    if (stats) {
        *stats = b.stats;
        stats->lines = static_cast<int>(lines.size());
        stats->seconds = b.elapsed();
    }
    return lines;
}

} // namespace kv
