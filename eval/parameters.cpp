#include "parameters.h"

#include "io/atomic_write.h"
#include "io/binary_file.h"

#include <algorithm>
#include <vector>

namespace kv {

int ParameterSet::variantSquare(int variant, SideToMove side, int i) const
{
    const int base = side == White ? (variant == 1 ? kVariant1WhiteOffset : kVariant2WhiteOffset)
                                   : (variant == 1 ? kVariant1BlackOffset : kVariant2BlackOffset);
    return static_cast<std::int8_t>(bytes[base + i]);
}

bool loadParameters(ParameterSet& set, const std::string& path, const ErrorReport& report)
{
    // A short file replaces the start of the image and a long one gives its
    // first bytes, as parameter files always have; but only a regular file is
    // read at all (a folder or a FIFO would fail or block), and nothing changes
    // unless the read succeeds.
    std::vector<unsigned char> bytes;
    if (!readRegularFile(path, 0, kParameterFileSize * 64, bytes).empty()) {
        if (report) report(std::string(kCannotOpenFile));
        return false;
    }
    const std::size_t n = std::min(bytes.size(), set.bytes.size());
    std::copy(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(n), set.bytes.begin());
    return true;
}

bool saveParameters(const ParameterSet& set, const std::string& path, const ErrorReport& report)
{
    // A write that did not reach the disc is a failure, not a silent success,
    // and the previous file stays as it was.
    if (!writeFileAtomically(path, set.bytes.data(), set.bytes.size()).ok()) {
        if (report) report(std::string(kCannotOpenFile));
        return false;
    }
    return true;
}

int parameterItemOffset(int item)
{
    if (item < kMenTables * 32) return (item / 32) * kTableEntries + item % 32 + 1;
    // The thresholds, variant squares and tempo weights follow each other
    // without gaps from offset 264 to 302.
    return kThresholdOffset + (item - kMenTables * 32);
}

PanelPlace parameterPanelPlace(int v)
{
    constexpr int oddRows[4] = { 104, 72, 40, 8 }, evenRows[4] = { 120, 88, 56, 28 };
    const int row = (v - 1) / 4;
    return { row % 2 == 0 ? oddRows[(v - 1) % 4] : evenRows[(v - 1) % 4], row };
}

bool parameterItemIsSigned(int offset)
{
    return offset >= kThresholdOffset && offset < kReservedOffset;
}

std::string parameterItemText(const ParameterSet& set, int offset)
{
    const std::uint8_t b = set.bytes[offset];
    return std::to_string(
        parameterItemIsSigned(offset) ? static_cast<int>(static_cast<std::int8_t>(b)) : b);
}

std::uint8_t parameterByteFromText(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    // Only the low 8 bits are kept, so the digits are reduced as they come and
    // no length of text can overflow.
    unsigned value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        value = (value * 10 + (text[i] - '0')) & 0xFF;
    if (negative) value = (256 - value) & 0xFF;
    return static_cast<std::uint8_t>(value);
}

void setParameterItemFromText(ParameterSet& set, int offset, std::string_view text)
{
    set.bytes[offset] = parameterByteFromText(text);
}

} // namespace kv
