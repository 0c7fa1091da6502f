// Names and texts from files of every age: older files were written in an
// 8-bit encoding whose accented letters are the Latin-1 ones, newer ones in
// UTF-8. These helpers tell them apart, convert, and cut a text to a byte
// budget without splitting a character.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kv {

// Length of the UTF-8 sequence starting at s[i], or 0 when it is not one
// (a stray continuation byte, a truncated or overlong sequence).
std::size_t utf8Length(std::string_view s, std::size_t i);

bool isUtf8(std::string_view s);

std::string latin1ToUtf8(std::string_view s);

// The longest start of `s` of at most maxBytes bytes that ends between two
// characters (a byte that starts no character counts as one).
std::string utf8Prefix(std::string_view s, std::size_t maxBytes);

// A name or a short text from outside (typed, given on the command line, read
// from a file): Latin-1 read as such when it is not UTF-8, every control
// character (C0, DEL, C1) turned into a space, blanks trimmed at both ends,
// then cut to maxBytes between two characters.
std::string cleanName(std::string_view raw, std::size_t maxBytes);

// Text for a terminal: control characters and bytes that are not UTF-8 are
// written as \xNN, so nothing read from a file can move the cursor, ring or
// start a new line.
std::string escapeControls(std::string_view text);

} // namespace kv
