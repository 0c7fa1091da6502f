#include "square_text.h"

#include "rules/geometry.h"

#include <cctype>

namespace kv {

std::optional<Square> numericSquare(std::string_view t)
{
    if (t.empty() || t.size() > 2) return std::nullopt;
    int n = 0;
    for (char c : t) {
        if (c < '0' || c > '9') return std::nullopt;
        n = n * 10 + (c - '0');
    }
    if (n < 1 || n > 32) return std::nullopt;
    return internalSquare(n);
}

std::optional<Square> alphabeticSquare(std::string_view t)
{
    if (t.size() != 2) return std::nullopt;
    const int file = std::toupper(static_cast<unsigned char>(t[0])) - 'A';
    const int rank = t[1] - '0';
    if (file < 0 || file > 7 || rank < 1 || rank > 8) return std::nullopt;
    const int row = 8 - rank;
    // Even rows (8, 6, 4, 2) hold the dark squares on files B, D, F, H.
    const int offset = row % 2 == 0 ? 1 : 0;
    if ((file - offset) % 2 != 0) return std::nullopt;
    return static_cast<Square>(row * 4 + (file - offset) / 2 + 1);
}

std::string alphabeticLabel(Square s)
{
    const int row = (s - 1) / 4;
    const int k = (s - 1) % 4;
    const char file = static_cast<char>('A' + 2 * k + (row % 2 == 0 ? 1 : 0));
    return { file, static_cast<char>('0' + 8 - row) };
}

std::optional<WrittenMove> parseWrittenMove(std::string_view text)
{
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == '-' || text[i] == 'x' || text[i] == 'X') {
            parts.push_back(text.substr(start, i - start));
            start = i + 1;
        }
    }
    if (parts.size() < 2 || parts.size() > 17) return std::nullopt;

    WrittenMove m;
    m.text = std::string(text);
    bool numeric = true;
    for (std::string_view p : parts)
        if (!numericSquare(p)) numeric = false;
    for (std::string_view p : parts)
        m.squares.push_back((numeric ? numericSquare(p) : alphabeticSquare(p)).value_or(0));
    return m;
}

} // namespace kv
