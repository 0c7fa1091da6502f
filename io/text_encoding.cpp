#include "text_encoding.h"

#include <algorithm>

namespace kv {

std::size_t utf8Length(std::string_view s, std::size_t i)
{
    const auto c = static_cast<unsigned char>(s[i]);
    const std::size_t n = c < 0x80 ? 1
        : (c >> 5) == 0x6          ? 2
        : (c >> 4) == 0xE          ? 3
        : (c >> 3) == 0x1E         ? 4
                                   : 0;
    if (n == 0 || i + n > s.size()) return 0;
    if (n == 2 && c < 0xC2) return 0; // overlong
    for (std::size_t k = 1; k < n; ++k)
        if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return 0;
    return n;
}

bool isUtf8(std::string_view s)
{
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t n = utf8Length(s, i);
        if (n == 0) return false;
        i += n;
    }
    return true;
}

std::string latin1ToUtf8(std::string_view s)
{
    std::string out;
    for (char ch : s) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x80) {
            out += ch;
        } else {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

std::string utf8Prefix(std::string_view s, std::size_t maxBytes)
{
    std::size_t end = 0;
    while (end < s.size()) {
        const std::size_t n = std::max<std::size_t>(utf8Length(s, end), 1);
        if (end + n > maxBytes) break;
        end += n;
    }
    return std::string(s.substr(0, end));
}

namespace {
// A control character at s[i], a sequence of n bytes: C0, DEL or C1.
bool isControl(std::string_view s, std::size_t i, std::size_t n)
{
    const auto c = static_cast<unsigned char>(s[i]);
    if (n == 1) return c < 0x20 || c == 0x7F;
    return n == 2 && c == 0xC2 && static_cast<unsigned char>(s[i + 1]) < 0xA0;
}

std::string_view trimmedSpaces(std::string_view s)
{
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}
} // namespace

std::string cleanName(std::string_view raw, std::size_t maxBytes)
{
    const std::string text = isUtf8(raw) ? std::string(raw) : latin1ToUtf8(raw);
    std::string spaced;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t n = utf8Length(text, i);
        if (isControl(text, i, n)) spaced += ' ';
        else spaced.append(text, i, n);
        i += n;
    }
    return std::string(trimmedSpaces(utf8Prefix(trimmedSpaces(spaced), maxBytes)));
}

std::string escapeControls(std::string_view text)
{
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t n = utf8Length(text, i);
        if (n != 0 && !isControl(text, i, n)) {
            out.append(text.substr(i, n));
            i += n;
            continue;
        }
        for (std::size_t k = 0; k < std::max<std::size_t>(n, 1); ++k, ++i) {
            const auto c = static_cast<unsigned char>(text[i]);
            out += "\\x";
            out += kHex[c >> 4];
            out += kHex[c & 0xF];
        }
    }
    return out;
}

} // namespace kv
