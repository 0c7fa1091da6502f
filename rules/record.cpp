#include "record.h"

#include <algorithm>
#include <cstring>

namespace kv {

void setName(std::array<char, 20>& field, const std::string& name)
{
    field.fill(0);
    std::memcpy(field.data(), name.data(), std::min<std::size_t>(name.size(), kNameLength));
}

std::string nameOf(const std::array<char, 20>& field)
{
    return std::string(field.data(), strnlen(field.data(), field.size()));
}

} // namespace kv
