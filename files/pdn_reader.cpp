#include "pdn_reader.h"

#include "pdn_writer.h"

#include "square_text.h"

#include <cctype>

namespace kv {

namespace {

// A game as it stands in the file: its tags and the words of its main line.
struct RawGame {
    std::vector<std::pair<std::string, std::string>> tags;
    std::vector<std::string> words;
    std::optional<GameResult> termination;

    bool empty() const { return tags.empty() && words.empty() && !termination; }
    const std::string* tag(std::string_view name) const
    {
        for (const auto& [n, v] : tags)
            if (n == name) return &v;
        return nullptr;
    }
};

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v'; }
bool isDelimiter(char c) { return isSpace(c) || c == '[' || c == ']' || c == '{' || c == '}' || c == '(' || c == ')' || c == ';' || c == '$'; }

class Scanner {
public:
    explicit Scanner(std::string_view text) : t_(text) {}

    std::vector<RawGame> games()
    {
        std::vector<RawGame> out;
        RawGame current;
        auto finish = [&] {
            if (!current.empty()) out.push_back(std::move(current));
            current = RawGame {};
        };
        while (i_ < t_.size()) {
            const char c = t_[i_];
            if (isSpace(c)) {
                ++i_;
            } else if (c == '%' && (i_ == 0 || t_[i_ - 1] == '\n')) {
                skipLine();
            } else if (c == '[') {
                if (!current.words.empty() || current.termination) finish();
                readTag(current);
            } else if (c == '{') {
                skipComment();
            } else if (c == ';') {
                skipLine();
            } else if (c == '(') {
                skipVariation();
            } else if (c == '$') {
                ++i_;
                while (i_ < t_.size() && std::isdigit(static_cast<unsigned char>(t_[i_]))) ++i_;
            } else if (c == ')' || c == ']' || c == '}') {
                ++i_;
            } else {
                const std::size_t start = i_;
                while (i_ < t_.size() && !isDelimiter(t_[i_])) ++i_;
                if (const auto r = parsePdnResult(t_.substr(start, i_ - start))) {
                    current.termination = r;
                    finish();
                } else {
                    current.words.emplace_back(t_.substr(start, i_ - start));
                }
            }
        }
        finish();
        return out;
    }

private:
    void skipLine()
    {
        while (i_ < t_.size() && t_[i_] != '\n') ++i_;
    }
    void skipComment()
    {
        const std::size_t end = t_.find('}', i_);
        i_ = end == std::string_view::npos ? t_.size() : end + 1;
    }
    // Variations nest and may hold comments with parentheses in them.
    void skipVariation()
    {
        int depth = 0;
        while (i_ < t_.size()) {
            const char c = t_[i_];
            if (c == '{') {
                skipComment();
                continue;
            }
            if (c == ';') {
                skipLine();
                continue;
            }
            ++i_;
            if (c == '(') ++depth;
            if (c == ')' && --depth == 0) return;
        }
    }
    // [Name "value"], the value with \" and \\ escapes. A broken tag ends at
    // the end of its line.
    void readTag(RawGame& game)
    {
        ++i_;
        while (i_ < t_.size() && (t_[i_] == ' ' || t_[i_] == '\t')) ++i_;
        std::string name;
        while (i_ < t_.size() && (std::isalnum(static_cast<unsigned char>(t_[i_])) || t_[i_] == '_')) name += t_[i_++];
        while (i_ < t_.size() && (t_[i_] == ' ' || t_[i_] == '\t')) ++i_;
        std::string value;
        bool closed = false;
        if (i_ < t_.size() && t_[i_] == '"') {
            ++i_;
            while (i_ < t_.size() && t_[i_] != '\n') {
                char c = t_[i_++];
                if (c == '\\' && i_ < t_.size() && t_[i_] != '\n') {
                    c = t_[i_++];
                } else if (c == '"') {
                    closed = true;
                    break;
                }
                value += c;
            }
        }
        while (i_ < t_.size() && t_[i_] != ']' && t_[i_] != '\n') ++i_;
        if (i_ < t_.size() && t_[i_] == ']') ++i_;
        if (!name.empty() && closed) game.tags.emplace_back(std::move(name), std::move(value));
    }

    std::string_view t_;
    std::size_t i_ = 0;
};

// A move word without its number ("12.", "12...") and marks ("!", "?").
std::string_view moveOfWord(std::string_view w)
{
    std::size_t i = 0;
    while (i < w.size() && std::isdigit(static_cast<unsigned char>(w[i]))) ++i;
    if (i > 0 && i < w.size() && w[i] == '.') w.remove_prefix(i);
    while (!w.empty() && w.front() == '.') w.remove_prefix(1);
    while (!w.empty() && (w.back() == '!' || w.back() == '?' || w.back() == '+' || w.back() == '#')) w.remove_suffix(1);
    return w;
}

std::string_view gameTypeNumber(std::string_view value)
{
    while (!value.empty() && value.front() == ' ') value.remove_prefix(1);
    return value.substr(0, value.find(','));
}

// "W:W21,22:B1,2" possibly followed by further fields some programs add.
std::string fenOfTag(std::string_view value)
{
    std::string out;
    int colons = 0;
    for (char c : value) {
        if (c == ':' && ++colons == 3) break;
        if (c != '"') out += c;
    }
    return out;
}

} // namespace

std::vector<GameSummary> listPdnGames(std::string_view text)
{
    std::vector<GameSummary> out;
    for (const RawGame& g : Scanner(text).games()) {
        const std::string* white = g.tag("White");
        const std::string* black = g.tag("Black");
        out.push_back({ recordName(white ? *white : ""), recordName(black ? *black : "") });
    }
    return out;
}

std::optional<ParsedGame> readPdnGame(std::string_view text, int index, std::string* error)
{
    auto games = Scanner(text).games();
    if (index < 0 || index >= static_cast<int>(games.size())) {
        if (error) *error = "no game " + std::to_string(index + 1) + " in the file";
        return std::nullopt;
    }
    const RawGame& raw = games[index];
    ParsedGame game;
    if (const std::string* w = raw.tag("White")) game.white = recordName(*w);
    if (const std::string* b = raw.tag("Black")) game.black = recordName(*b);
    if (raw.termination) game.result = *raw.termination;
    if (const std::string* r = raw.tag("Result"))
        if (const auto o = parsePdnResult(*r)) game.result = *o;

    const std::string* type = raw.tag("GameType");
    if (!type) {
        game.gameType = GameTypeNote::Missing;
    } else if (gameTypeNumber(*type) != gameTypeNumber(kPdnGameType)) {
        game.gameType = GameTypeNote::Other;
        game.gameTypeText = *type;
    }

    if (const std::string* fen = raw.tag("FEN")) {
        std::string why;
        game.setup = parseFen(fenOfTag(*fen), &why);
        if (!game.setup) {
            if (error) *error = "FEN tag \"" + *fen + "\": " + why;
            return std::nullopt;
        }
    }

    for (const std::string& w : raw.words) {
        const std::string_view word = moveOfWord(w);
        if (word.empty()) continue;
        auto m = parseWrittenMove(word);
        game.moves.push_back(m ? std::move(*m) : WrittenMove { { 0, 0 }, std::string(word) });
    }
    return game;
}

} // namespace kv
