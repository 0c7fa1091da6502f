#include "parameters.h"

#include <algorithm>
#include <cstdio>
#include <memory>

namespace kv {

int ParameterSet::variantSquare(int variant, SideToMove side, int i) const
{
    const int base = side == White ? (variant == 1 ? kVariant1WhiteOffset : kVariant2WhiteOffset)
                                   : (variant == 1 ? kVariant1BlackOffset : kVariant2BlackOffset);
    return static_cast<std::int8_t>(bytes[base + i]);
}

namespace {
struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;
} // namespace

bool loadParameters(ParameterSet& set, const std::string& path, const ErrorReport& report)
{
    File f(std::fopen(path.c_str(), "rb"));
    // Read into a copy first: a file that opens but cannot be read (a folder,
    // an I/O error) must leave the set exactly as it was.
    std::array<std::uint8_t, kParameterFileSize> image = set.bytes;
    const std::size_t n = f ? std::fread(image.data(), 1, image.size(), f.get()) : 0;
    if (!f || std::ferror(f.get())) {
        if (report) report(std::string(kCannotOpenFile));
        return false;
    }
    std::copy(image.begin(), image.begin() + n, set.bytes.begin());
    return true;
}

bool saveParameters(const ParameterSet& set, const std::string& path, const ErrorReport& report)
{
    std::FILE* raw = std::fopen(path.c_str(), "wb");
    if (!raw) {
        if (report) report(std::string(kCannotOpenFile));
        return false;
    }
    const bool written = std::fwrite(set.bytes.data(), 1, set.bytes.size(), raw) == set.bytes.size();
    const bool flushed = std::fflush(raw) == 0;
    const bool closed = std::fclose(raw) == 0;
    // A write that did not reach the disc is a failure, not a silent success.
    if (!(written && flushed && closed)) {
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

bool parameterItemIsSigned(int offset) { return offset >= kThresholdOffset && offset < kReservedOffset; }

std::string parameterItemText(const ParameterSet& set, int offset)
{
    const std::uint8_t b = set.bytes[offset];
    return std::to_string(parameterItemIsSigned(offset) ? static_cast<int>(static_cast<std::int8_t>(b)) : b);
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
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) value = (value * 10 + (text[i] - '0')) & 0xFF;
    if (negative) value = (256 - value) & 0xFF;
    return static_cast<std::uint8_t>(value);
}

void setParameterItemFromText(ParameterSet& set, int offset, std::string_view text)
{
    set.bytes[offset] = parameterByteFromText(text);
}

} // namespace kv
