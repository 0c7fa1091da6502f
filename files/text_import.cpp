#include "text_import.h"

#include "square_text.h"

#include <cctype>

namespace kv {

namespace {

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}

std::string_view usable(std::string_view text)
{
    text = text.substr(0, std::min(text.size(), kTextLimit));
    // A byte order mark opens the file, not the first name.
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    const std::size_t nul = text.find('\0');
    return nul == std::string_view::npos ? text : text.substr(0, nul);
}

std::vector<std::string_view> splitLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t nl = text.find('\n');
        std::string_view line = text.substr(0, nl);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        if (nl == std::string_view::npos) break;
        text.remove_prefix(nl + 1);
    }
    return lines;
}

bool blank(std::string_view line)
{
    for (char c : line)
        if (!isSpace(c)) return false;
    return true;
}

// The games of a collection: runs of lines between empty lines.
std::vector<std::vector<std::string_view>> splitGames(std::string_view text)
{
    std::vector<std::vector<std::string_view>> games;
    bool inGame = false;
    for (std::string_view line : splitLines(usable(text))) {
        if (blank(line)) {
            inGame = false;
            continue;
        }
        if (!inGame) games.emplace_back();
        inGame = true;
        games.back().push_back(line);
    }
    return games;
}

std::string_view trimmed(std::string_view s)
{
    while (!s.empty() && isSpace(s.front())) s.remove_prefix(1);
    while (!s.empty() && isSpace(s.back())) s.remove_suffix(1);
    return s;
}

// The header line: White up to the first "-", Black after it; a result at
// the end of the line belongs to neither name.
void readHeader(std::string_view line, ParsedGame& game)
{
    std::string_view rest = trimmed(line);
    const std::size_t lastBlank = rest.find_last_of(" \t");
    if (lastBlank != std::string_view::npos) {
        if (const auto r = parsePdnResult(rest.substr(lastBlank + 1))) {
            game.result = *r;
            rest = trimmed(rest.substr(0, lastBlank));
        }
    }
    // Names that hold a dash are joined by " - ".
    const std::size_t spaced = rest.find(" - ");
    const std::size_t dash = spaced != std::string_view::npos ? spaced + 1 : rest.find('-');
    game.white = recordName(rest.substr(0, dash));
    game.black = dash == std::string_view::npos ? std::string() : recordName(rest.substr(dash + 1));
}

// Drops a leading move number ("12.", "12...") from a word.
std::string_view withoutMoveNumber(std::string_view w)
{
    std::size_t i = 0;
    while (i < w.size() && std::isdigit(static_cast<unsigned char>(w[i]))) ++i;
    if (i > 0 && i < w.size() && w[i] == '.') {
        while (i < w.size() && w[i] == '.') ++i;
        return w.substr(i);
    }
    return w;
}

bool startsMoveText(std::string_view word)
{
    return word.size() >= 2 && word[0] == '1' && word[1] == '.';
}

} // namespace

std::vector<GameSummary> listTextGames(std::string_view text)
{
    std::vector<GameSummary> out;
    for (const auto& lines : splitGames(text)) {
        ParsedGame g;
        readHeader(lines.front(), g);
        out.push_back({ g.white, g.black });
    }
    return out;
}

std::optional<ParsedGame> readTextGame(std::string_view text, int index)
{
    const auto games = splitGames(text);
    if (index < 0 || index >= static_cast<int>(games.size())) return std::nullopt;
    const auto& lines = games[index];
    ParsedGame game;
    readHeader(lines.front(), game);

    // The words of the lines after the header.
    std::vector<std::string_view> words;
    for (std::size_t l = 1; l < lines.size(); ++l) {
        std::string_view line = lines[l];
        while (!line.empty()) {
            while (!line.empty() && isSpace(line.front())) line.remove_prefix(1);
            std::size_t n = 0;
            while (n < line.size() && !isSpace(line[n])) ++n;
            if (n) words.push_back(line.substr(0, n));
            line.remove_prefix(n);
        }
    }

    // The moves begin at move number 1; failing that, at the first dot.
    std::size_t first = words.size();
    for (std::size_t i = 0; i < words.size() && first == words.size(); ++i)
        if (startsMoveText(words[i])) first = i;
    if (first == words.size()) {
        for (std::size_t i = 0; i < words.size() && first == words.size(); ++i) {
            const std::size_t dot = words[i].find('.');
            if (dot != std::string_view::npos) {
                words[i] = words[i].substr(dot + 1);
                first = i;
            }
        }
    }

    for (std::size_t i = first; i < words.size(); ++i) {
        std::string word(withoutMoveNumber(words[i]));
        // "22- 9": a square written with a leading blank.
        while (!word.empty() && (word.back() == '-' || word.back() == 'x') && i + 1 < words.size())
            word += words[++i];
        while (!word.empty() && (word.back() == '!' || word.back() == '?')) word.pop_back();
        if (word.empty()) continue;
        if (const auto r = parsePdnResult(word)) {
            game.result = *r;
            continue;
        }
        auto m = parseWrittenMove(word);
        game.moves.push_back(m ? std::move(*m) : WrittenMove { { 0, 0 }, word });
    }
    return game;
}

} // namespace kv
