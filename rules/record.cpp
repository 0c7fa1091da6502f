#include "record.h"

#include "io/text_encoding.h"

#include <algorithm>
#include <cstring>

namespace kv {

void setName(std::array<char, 20>& field, const std::string& name)
{
    field.fill(0);
    const std::string clean = cleanName(name, kNameLength);
    std::memcpy(field.data(), clean.data(), clean.size());
}

std::string nameOf(const std::array<char, 20>& field)
{
    // Older files may hold Latin-1 or control characters: read as any name
    // from outside, with room for the accents that take two bytes in UTF-8.
    return cleanName(std::string_view(field.data(), strnlen(field.data(), field.size())),
                     2 * kNameLength);
}

} // namespace kv
