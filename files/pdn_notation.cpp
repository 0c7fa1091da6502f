#include "pdn_notation.h"

#include "square_text.h"

#include "rules/geometry.h"

#include <cctype>

namespace kv {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// A number square: digits only, leading zeros allowed. 0 when unreadable.
int numberOf(std::string_view t)
{
    if (t.empty() || t.size() > 3) return t.empty() ? 0 : 999;
    int n = 0;
    for (char c : t) {
        if (!isDigit(c)) return 0;
        n = n * 10 + (c - '0');
    }
    return n;
}

bool isNumber(std::string_view t) { return !t.empty() && numberOf(t) > 0; }

std::string_view trim(std::string_view s)
{
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
    return s;
}

// One square of a move or a FEN: its user number, or 0 with a reason.
int userSquare(std::string_view t, bool& otherBoard, std::string& error)
{
    error.assign(t);
    if (!t.empty() && isDigit(t.front())) {
        const int n = numberOf(t);
        if (n >= 1 && n <= 32) return n;
        otherBoard = n > 32;
        error += otherBoard ? " is not on a board of 32 squares" : " is not a square";
        return 0;
    }
    if (const auto s = pdnAlphaSquare(t)) return userNumber(*s);
    if (t.size() == 2 && std::isalpha(static_cast<unsigned char>(t[0])) && isDigit(t[1])) {
        otherBoard
            = std::tolower(static_cast<unsigned char>(t[0])) > 'h' || t[1] == '9' || t[1] == '0';
        error += otherBoard ? " is not on an 8x8 board" : " is not a playing square of this board";
    } else {
        error += " is not a square";
    }
    return 0;
}

} // namespace

std::optional<Square> pdnAlphaSquare(std::string_view t)
{
    if (t.size() != 2) return std::nullopt;
    const char file = static_cast<char>(std::tolower(static_cast<unsigned char>(t[0])));
    if (file < 'a' || file > 'h') return std::nullopt;
    // The board of GameType 28 is the text labels' board seen from the side:
    // its files run the other way.
    const char mirrored[3] = { static_cast<char>('A' + ('h' - file)), t[1], 0 };
    return alphabeticSquare(mirrored);
}

PdnMoveResult parsePdnMove(std::string_view text)
{
    PdnMoveResult r;
    WrittenMove m;
    m.text = std::string(text);
    char separator = 0;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        const bool end = i == text.size();
        const char c = end ? 0 : text[i];
        const bool sep = c == '-' || c == 'x' || c == 'X' || c == ':';
        if (!end && !sep) continue;
        const int u = userSquare(text.substr(start, i - start), r.otherBoard, r.error);
        if (u == 0) return r;
        m.squares.push_back(internalSquare(u));
        if (sep) {
            const char kind = c == '-' ? '-' : 'x';
            if (separator && separator != kind) {
                r.error = "'-' and 'x' in one move";
                return r;
            }
            separator = kind;
        }
        start = i + 1;
    }
    if (m.squares.size() < 2 || (separator == '-' && m.squares.size() != 2)
        || m.squares.size() > 17) {
        r.error = "a move is two squares joined by '-', a capture squares joined by 'x'";
        return r;
    }
    r.move = std::move(m);
    return r;
}

PdnFenResult parsePdnFen(std::string_view text)
{
    PdnFenResult r;
    text = trim(text);
    if (!text.empty() && text.back() == '.') text.remove_suffix(1);
    std::vector<std::string_view> fields;
    while (true) {
        const std::size_t colon = text.find(':');
        fields.push_back(trim(text.substr(0, colon)));
        if (colon == std::string_view::npos) break;
        text.remove_prefix(colon + 1);
    }
    if (fields.size() < 3) {
        r.error = "a FEN has the side to move, then the white and the black pieces";
        return r;
    }
    std::string side(fields[0]);
    if (side == "?") {
        r.sideUnknown = true;
        side = "W";
    }
    // The same position in the numbers rules/ reads; it checks the rest.
    std::string numeric = side;
    for (std::size_t f = 1; f < 3; ++f) {
        std::string_view field = fields[f];
        if (field.empty()) {
            r.error = "an empty piece field";
            return r;
        }
        numeric += ':';
        numeric += field.front();
        field.remove_prefix(1);
        bool first = true;
        while (!field.empty()) {
            const std::size_t comma = field.find(',');
            std::string_view item = trim(field.substr(0, comma));
            field = comma == std::string_view::npos ? std::string_view {} : field.substr(comma + 1);
            if (item.empty()) continue;
            std::string piece;
            if (item.front() == 'K' || item.front() == 'k') {
                piece = "K";
                item.remove_prefix(1);
            }
            const std::size_t dash = item.find('-');
            if (dash != std::string_view::npos && isNumber(item.substr(0, dash))
                && isNumber(item.substr(dash + 1))) {
                const int a = userSquare(item.substr(0, dash), r.otherBoard, r.error);
                const int b = userSquare(item.substr(dash + 1), r.otherBoard, r.error);
                if (!a || !b) return r;
                piece += std::to_string(a) + "-" + std::to_string(b);
            } else {
                const int u = userSquare(item, r.otherBoard, r.error);
                if (!u) return r;
                piece += std::to_string(u);
            }
            if (!first) numeric += ',';
            numeric += piece;
            first = false;
        }
    }
    r.position = parseFen(numeric, &r.error);
    return r;
}

} // namespace kv
