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

ParameterRange parameterItemRange(int offset)
{
    if (!parameterItemIsSigned(offset)) return { 0, 255 };
    if (offset < kVariant1WhiteOffset) return { 0, 24 };
    if (offset < kTempoOffset) return { 0, 32 };
    return { -128, 127 };
}

std::optional<std::uint8_t> parameterItemFromText(int offset, std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    // Four digits are more than any range needs: longer texts cannot overflow.
    if (text.empty() || text.size() > 4) return std::nullopt;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (negative) value = -value;
    const ParameterRange r = parameterItemRange(offset);
    if (value < r.low || value > r.high) return std::nullopt;
    return static_cast<std::uint8_t>(value & 0xFF);
}

} // namespace kv
