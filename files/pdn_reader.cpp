#include "pdn_reader.h"

#include "pdn_notation.h"
#include "square_text.h"

#include "rules/record.h"

#include <cctype>

namespace kv {

namespace {

// More half-moves than a record holds are not kept: the game is cut there.
constexpr std::size_t kMaxKeptMoves = kLastPlyEntry + 1;

struct Word {
    std::string_view text;
    int line = 0;
};

struct Tag {
    std::string_view name;
    std::string value;
    int line = 0;
};

// A game as it stands in the file, before its words are read as moves.
struct RawGame {
    int line = 0;
    std::vector<Tag> tags; // the tags the reader uses, first of each
    std::vector<Word> words;
    bool moreWords = false;
    bool movetext = false; // a move, move number or result was seen: a tag begins the next game
    bool moved = false;    // a word that is not a move number was seen
    std::optional<Word> setupCommand;
    std::optional<GameResult> termination;
    std::optional<ExchangeProblem> problem; // the first one found

    const Tag* tag(std::string_view name) const
    {
        for (const Tag& t : tags)
            if (t.name == name) return &t;
        return nullptr;
    }
};

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}
bool isDelimiter(char c)
{
    return isSpace(c) || c == '[' || c == ']' || c == '{' || c == '}' || c == '(' || c == ')'
        || c == ';' || c == '%' || c == '$';
}
bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool usedTag(std::string_view name)
{
    for (const char* n : { "White", "Black", "Result", "GameType", "FEN" })
        if (name == n) return true;
    return false;
}

// "1.", "12...", "..." : a move number or an ellipsis, nothing to play.
bool isMoveNumber(std::string_view w)
{
    std::size_t i = 0;
    while (i < w.size() && isDigit(w[i])) ++i;
    if (i == w.size()) return false;
    for (; i < w.size(); ++i)
        if (w[i] != '.') return false;
    return true;
}

class Scanner {
public:
    Scanner(std::string_view text, std::size_t from, int line) : t_(text), i_(from), line_(line)
    {
        // A byte order mark opens the file, not a game.
        if (i_ == 0 && t_.substr(0, 3) == "\xEF\xBB\xBF") i_ = 3;
    }

    std::size_t position() const { return i_; }

    // Reads the next game; false when only blanks and comments remain.
    // `keep` keeps its tags and words; without it only its extent is found.
    bool next(RawGame& g, bool keep, std::size_t* start = nullptr)
    {
        g = RawGame {};
        keep_ = keep;
        bool started = false;
        const auto begin = [&] {
            if (started) return;
            started = true;
            g.line = line_;
            if (start) *start = i_;
        };
        while (i_ < t_.size()) {
            const char c = t_[i_];
            if (isSpace(c)) {
                advance();
            } else if (c == '%' || c == ';') {
                skipLine();
            } else if (c == '{') {
                begin();
                comment(g);
            } else if (c == '[') {
                if (g.movetext) return true; // the next game's tags
                begin();
                tag(g);
            } else if (c == '(') {
                begin();
                if (!moveStrength()) variation(g);
            } else if (c == ')' || c == '}' || c == ']') {
                begin();
                fail(g, ExchangeProblemKind::Structure, std::string("a stray '") + c + "'");
                advance();
            } else if (c == '$') {
                begin();
                nag(g);
            } else if (c == '/') {
                begin();
                setup(g);
            } else {
                begin();
                const int line = line_;
                const std::string_view w = word();
                g.movetext = true;
                if (const auto r = parsePdnResult(w)) {
                    g.termination = r;
                    return true;
                }
                if (isMoveNumber(w) || w == "..." || w == "..") continue;
                g.moved = true;
                if (!keep_) continue;
                if (g.words.size() < kMaxKeptMoves * 2) g.words.push_back({ w, line });
                else g.moreWords = true;
            }
        }
        return started;
    }

private:
    void advance()
    {
        if (t_[i_] == '\n') ++line_;
        ++i_;
    }
    void skipLine()
    {
        while (i_ < t_.size() && t_[i_] != '\n') ++i_;
    }
    void fail(RawGame& g, ExchangeProblemKind kind, std::string detail, int line = 0)
    {
        if (!g.problem)
            g.problem = ExchangeProblem { kind, 0, line ? line : line_, std::move(detail) };
    }
    // At a line break followed by a tag ("[Event"), where an open comment or
    // variation is taken to end: brackets and quotes inside comments are
    // common, a tag at the start of a line is not.
    bool atTagLine() const
    {
        if (t_[i_] != '\n') return false;
        std::size_t k = i_ + 1;
        while (k < t_.size() && (t_[k] == ' ' || t_[k] == '\t' || t_[k] == '\r')) ++k;
        return k + 1 < t_.size() && t_[k] == '['
            && std::isupper(static_cast<unsigned char>(t_[k + 1]));
    }
    std::string_view word()
    {
        const std::size_t start = i_;
        while (i_ < t_.size() && !isDelimiter(t_[i_])) ++i_;
        return t_.substr(start, i_ - start);
    }
    void comment(RawGame& g)
    {
        const int opened = line_;
        advance();
        while (i_ < t_.size()) {
            const char c = t_[i_];
            if (c == '}') {
                advance();
                return;
            }
            if (c == '{' && !g.problem)
                fail(g, ExchangeProblemKind::Structure,
                     std::string("a '{' inside the comment opened at line ")
                         + std::to_string(opened) + ": comments do not nest");
            if (atTagLine()) return notClosed(g, "comment", opened, true);
            advance();
        }
        notClosed(g, "comment", opened, false);
    }
    // A comment or variation left open: the game is refused, and tags that
    // follow begin the next game.
    void notClosed(RawGame& g, const char* what, int opened, bool beforeTags)
    {
        fail(g, ExchangeProblemKind::Structure,
             std::string("the ") + what + std::string(" opened at line ") + std::to_string(opened)
                 + (beforeTags ? " is not closed before the next tags" : " is never closed"),
             opened);
        if (beforeTags) g.movetext = true;
    }
    // "(!)", "(?!)": a move strength in brackets, not a variation.
    bool moveStrength()
    {
        std::size_t k = i_ + 1;
        while (k < t_.size() && (t_[k] == '!' || t_[k] == '?')) ++k;
        if (k == i_ + 1 || k >= t_.size() || t_[k] != ')') return false;
        i_ = k + 1;
        return true;
    }
    // Variations nest; their moves are alternatives and are not played.
    void variation(RawGame& g)
    {
        const int opened = line_;
        int depth = 0;
        while (i_ < t_.size()) {
            const char c = t_[i_];
            if (c == '{') {
                comment(g);
            } else if (c == '%' || c == ';') {
                skipLine();
            } else if (c == '[' || atTagLine()) {
                return notClosed(g, "variation", opened, true);
            } else if (c == '(') {
                if (!moveStrength()) {
                    ++depth;
                    advance();
                }
            } else {
                advance();
                if (c == ')' && --depth == 0) return;
            }
        }
        notClosed(g, "variation", opened, false);
    }
    void nag(RawGame& g)
    {
        advance();
        const std::size_t start = i_;
        while (i_ < t_.size() && isDigit(t_[i_])) ++i_;
        if (i_ == start) fail(g, ExchangeProblemKind::Structure, "a '$' without its number");
    }
    // /FEN "W:W...:B..."/
    void setup(RawGame& g)
    {
        const int line = line_;
        advance();
        const std::size_t start = i_;
        while (i_ < t_.size() && t_[i_] != '/') advance();
        if (i_ >= t_.size()) {
            fail(g, ExchangeProblemKind::Structure,
                 std::string("the set-up at line ") + std::to_string(line) + " is never closed",
                 line);
            return;
        }
        std::string_view body = t_.substr(start, i_ - start);
        advance();
        if (g.moved) {
            fail(g, ExchangeProblemKind::SetUp, "a set-up in the middle of the game", line);
            return;
        }
        while (!body.empty() && isSpace(body.front())) body.remove_prefix(1);
        const std::size_t open = body.find('"'), close = body.rfind('"');
        if (body.substr(0, 3) != "FEN" || open == std::string_view::npos || close <= open) {
            fail(g, ExchangeProblemKind::SetUp, "a set-up is written /FEN \"...\"/", line);
            return;
        }
        g.setupCommand = Word { body.substr(open + 1, close - open - 1), line };
    }
    // [Name "value"], the value with \" for a quote, on one line.
    void tag(RawGame& g)
    {
        const int line = line_;
        advance();
        while (i_ < t_.size() && (t_[i_] == ' ' || t_[i_] == '\t')) ++i_;
        const std::size_t nameStart = i_;
        while (i_ < t_.size()
               && (std::isalnum(static_cast<unsigned char>(t_[i_])) || t_[i_] == '_'))
            ++i_;
        const std::string_view name = t_.substr(nameStart, i_ - nameStart);
        while (i_ < t_.size() && (t_[i_] == ' ' || t_[i_] == '\t')) ++i_;
        std::string value;
        bool closed = false;
        if (!name.empty() && i_ < t_.size() && t_[i_] == '"') {
            ++i_;
            while (i_ < t_.size() && t_[i_] != '\n') {
                char c = t_[i_++];
                if (c == '\\' && i_ < t_.size() && t_[i_] == '"') {
                    c = t_[i_++];
                } else if (c == '"') {
                    closed = true;
                    break;
                }
                if (keep_) value += c;
            }
            while (i_ < t_.size() && (t_[i_] == ' ' || t_[i_] == '\t')) ++i_;
            closed = closed && i_ < t_.size() && t_[i_] == ']';
        }
        if (!closed) {
            fail(g, ExchangeProblemKind::Structure,
                 std::string("the tag at line ") + std::to_string(line) + " is not closed", line);
            skipLine();
            return;
        }
        ++i_;
        if (keep_ && usedTag(name) && !g.tag(name))
            g.tags.push_back({ name, std::move(value), line });
    }

    std::string_view t_;
    std::size_t i_ = 0;
    int line_ = 1;
    bool keep_ = true;
};

int lineAt(std::string_view text, std::size_t offset)
{
    int line = 1;
    for (std::size_t i = 0; i < offset && i < text.size(); ++i)
        if (text[i] == '\n') ++line;
    return line;
}

// "28", "24" or "28,W,8,8,N1,1": played here. Anything else is refused.
std::optional<ExchangeProblem> checkGameType(std::string_view value, int line)
{
    std::size_t i = 0;
    while (i < value.size() && isDigit(value[i])) ++i;
    const std::string_view number = value.substr(0, i);
    const std::string_view rest = value.substr(i);
    const bool ours = number == "28" || number == "24";
    // The attributes, when given, must say white starts on an 8x8 board.
    const bool board = rest.empty() || rest.substr(0, 7) == ",W,8,8,";
    if (ours && board) return std::nullopt;
    return ExchangeProblem { ExchangeProblemKind::OtherVariant, 0, line,
                             "GameType \"" + std::string(value)
                                 + "\" is not played here (these rules are GameType 28)" };
}

// A main-line word without its move number ("12.9-13") and strength ("!?").
std::string_view moveOfWord(std::string_view w)
{
    std::size_t i = 0;
    while (i < w.size() && isDigit(w[i])) ++i;
    if (i > 0 && i < w.size() && w[i] == '.') {
        while (i < w.size() && w[i] == '.') ++i;
        w.remove_prefix(i);
    }
    while (!w.empty() && (w.back() == '!' || w.back() == '?')) w.remove_suffix(1);
    return w;
}

} // namespace

std::vector<std::uint32_t> indexPdnGames(std::string_view text)
{
    std::vector<std::uint32_t> starts;
    Scanner s(text, 0, 1);
    RawGame g;
    std::size_t start = 0;
    while (s.next(g, false, &start)) starts.push_back(static_cast<std::uint32_t>(start));
    return starts;
}

GameSummary pdnGameSummary(std::string_view text, std::uint32_t start)
{
    Scanner s(text, start, 1);
    RawGame g;
    s.next(g, true);
    const Tag* white = g.tag("White");
    const Tag* black = g.tag("Black");
    return { recordName(white ? white->value : ""), recordName(black ? black->value : "") };
}

std::optional<ParsedGame> readPdnGameAt(std::string_view text, std::uint32_t start, int number,
                                        ExchangeProblem* problem)
{
    const auto refuse = [&](ExchangeProblem p) -> std::optional<ParsedGame> {
        p.game = number;
        if (problem) *problem = std::move(p);
        return std::nullopt;
    };
    Scanner s(text, start, lineAt(text, start));
    RawGame raw;
    if (start > text.size() || !s.next(raw, true))
        return refuse({ ExchangeProblemKind::NoSuchGame, 0, 0,
                        std::string("no game ") + std::to_string(number) + " in the file" });

    ParsedGame game;
    game.number = number;
    game.strict = true;
    if (const Tag* type = raw.tag("GameType")) {
        if (auto p = checkGameType(type->value, type->line)) return refuse(std::move(*p));
    } else {
        game.gameType = GameTypeNote::Missing;
    }
    if (raw.problem) return refuse(std::move(*raw.problem));

    if (const Tag* w = raw.tag("White")) game.white = recordName(w->value);
    if (const Tag* b = raw.tag("Black")) game.black = recordName(b->value);
    if (raw.termination) game.result = *raw.termination;
    if (const Tag* r = raw.tag("Result"))
        if (const auto o = parsePdnResult(r->value); o && *o != GameResult::None) game.result = *o;

    const Tag* fenTag = raw.tag("FEN");
    std::optional<Word> fen;
    if (fenTag) fen = Word { fenTag->value, fenTag->line };
    if (raw.setupCommand) fen = raw.setupCommand;
    if (fen) {
        PdnFenResult r = parsePdnFen(fen->text);
        if (!r.position)
            return refuse(
                { r.otherBoard ? ExchangeProblemKind::OtherVariant : ExchangeProblemKind::SetUp, 0,
                  fen->line, "FEN \"" + std::string(fen->text) + "\": " + r.error });
        game.setup = r.position;
        game.sideUnknown = r.sideUnknown;
    }

    for (const Word& w : raw.words) {
        const std::string_view text = moveOfWord(w.text);
        if (text.empty()) continue;
        PdnMoveResult m = parsePdnMove(text);
        if (!m.move)
            return refuse(
                { m.otherBoard ? ExchangeProblemKind::OtherVariant
                               : ExchangeProblemKind::UnreadableMove,
                  0, w.line,
                  std::string("'").append(w.text).append("' is not a move: ").append(m.error) });
        if (game.moves.size() == kMaxKeptMoves) {
            game.movesCut = true;
            break;
        }
        m.move->line = w.line;
        game.moves.push_back(std::move(*m.move));
    }
    if (raw.moreWords) game.movesCut = true;
    return game;
}

std::optional<ParsedGame> readPdnGame(std::string_view text, int index, ExchangeProblem* problem)
{
    const std::vector<std::uint32_t> starts = indexPdnGames(text);
    if (index < 0 || index >= static_cast<int>(starts.size())) {
        if (problem)
            *problem = { ExchangeProblemKind::NoSuchGame, index + 1, 0,
                         std::string("no game ") + std::to_string(index + 1) + " in the file" };
        return std::nullopt;
    }
    return readPdnGameAt(text, starts[static_cast<std::size_t>(index)], index + 1, problem);
}

std::vector<GameSummary> listPdnGames(std::string_view text)
{
    std::vector<GameSummary> out;
    for (std::uint32_t start : indexPdnGames(text)) out.push_back(pdnGameSummary(text, start));
    return out;
}

} // namespace kv
