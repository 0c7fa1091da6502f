#include "pdn_writer.h"

#include "replay.h"

#include "io/text_encoding.h"
#include "rules/geometry.h"

namespace kv {

namespace {

// A tag value as the grammar's string takes it: UTF-8 (a name from an older
// file may be Latin-1), line breaks as blanks, a double quote escaped. A
// backslash stays itself; one that would stand before a quote gets a blank
// after it so that it is not read as an escape (readers trim names).
std::string tagValue(std::string_view raw)
{
    const std::string text = isUtf8(raw) ? std::string(raw) : latin1ToUtf8(raw);
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\n' || c == '\r' || c == '\t') c = ' ';
        if (c == '"') out += '\\';
        out += c;
        if (c == '\\' && (i + 1 == text.size() || text[i + 1] == '"')) out += ' ';
    }
    return out;
}

std::string tagLine(const char* name, std::string_view value)
{
    return std::string("[") + name + " \"" + tagValue(value) + "\"]\n";
}

std::string moveWord(const RecordedMove& r)
{
    std::string out;
    for (Square s : r.written) {
        if (!out.empty()) out += r.move.isCapture() ? 'x' : '-';
        out += std::to_string(userNumber(s));
    }
    return out;
}

// Appends words to lines of at most 79 characters.
class Wrapper {
public:
    void add(const std::string& word)
    {
        if (!line_.empty() && line_.size() + 1 + word.size() > 79) flush();
        if (!line_.empty()) line_ += ' ';
        line_ += word;
    }
    std::string finish()
    {
        flush();
        return text_;
    }

private:
    void flush()
    {
        if (line_.empty()) return;
        text_ += line_ + "\n";
        line_.clear();
    }
    std::string line_, text_;
};

Position recordStart(const GameState& game)
{
    Position start;
    start.board[0] = OffBoard;
    std::copy(game.record[0].squares.begin(), game.record[0].squares.end(),
              start.board.sq.begin() + 1);
    start.side = game.startSide;
    return start;
}

} // namespace

std::string writePdnGame(const PdnGameText& game)
{
    const std::string_view result = pdnResultText(game.result);
    const Position initial = initialPosition();
    const bool setUp = !(game.start.board == initial.board && game.start.side == initial.side);
    std::string out;
    out += tagLine("Event", game.tags.event);
    out += tagLine("Site", game.tags.site);
    out += tagLine("Date", game.tags.date);
    out += tagLine("Round", game.tags.round);
    out += tagLine("White", game.white.empty() ? "?" : game.white);
    out += tagLine("Black", game.black.empty() ? "?" : game.black);
    out += tagLine("Result", result);
    out += tagLine("GameType", kPdnGameType);
    if (setUp) {
        out += tagLine("SetUp", "1");
        out += tagLine("FEN", formatFen(game.start));
    }
    out += tagLine("PlyCount", std::to_string(game.moves.size()));
    out += "\n";

    Wrapper text;
    int number = 1;
    SideToMove side = game.start.side;
    for (std::size_t i = 0; i < game.moves.size(); ++i) {
        if (side == White) text.add(std::to_string(number) + ".");
        else if (i == 0) text.add(std::to_string(number) + "...");
        text.add(game.moves[i]);
        if (side == Black) ++number;
        side ^= 1;
    }
    if (!game.comment.empty()) {
        std::string comment = "{" + game.comment + "}";
        for (std::size_t i = 1; i + 1 < comment.size(); ++i)
            if (comment[i] == '}' || comment[i] == '{') comment[i] = ' ';
        text.add(comment);
    }
    text.add(std::string(result));
    return out + text.finish() + "\n";
}

std::string writePdn(GameState& game, GameResult result, const PdnTags& tags)
{
    PdnGameText g;
    g.tags = tags;
    g.white = game.whiteName;
    g.black = game.blackName;
    g.result = result;
    g.start = recordStart(game);
    for (const RecordedMove& r : recordedMoves(game, game.gamePly)) g.moves.push_back(moveWord(r));
    return writePdnGame(g);
}

} // namespace kv
