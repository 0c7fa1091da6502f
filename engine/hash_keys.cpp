#include "hash_keys.h"

#include "io/atomic_write.h"
#include "io/binary_file.h"

#include <vector>

namespace kv {

namespace {
// SplitMix64: small and fully defined, so every build and every platform makes
// the same keys from the same seed.
struct SplitMix64 {
    std::uint64_t state;
    std::uint64_t next()
    {
        std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
};

constexpr std::uint64_t kKeySeed = 0x4B6F7276656C616Eull;

void putLittleEndian(std::uint8_t* p, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i) p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

std::uint32_t getLittleEndian(const std::uint8_t* p)
{
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16
        | std::uint32_t(p[3]) << 24;
}
} // namespace

HashKeyTables HashKeyTables::generated()
{
    SplitMix64 rng { kKeySeed };
    HashKeyTables t;
    for (auto& k : t.index) k = static_cast<std::uint32_t>(rng.next() >> 32);
    for (auto& k : t.check) k = static_cast<std::uint32_t>(rng.next() >> 32);
    return t;
}

PositionKeys computeHashKeys(const HashKeyTables& t, const Board& b)
{
    PositionKeys k;
    for (int s = 1; s <= kSquares; ++s) {
        const std::uint8_t c = b[s];
        if (c == Empty) continue;
        k.index ^= t.index[hashKeySlot(c, static_cast<Square>(s))];
        k.check ^= t.check[hashKeySlot(c, static_cast<Square>(s))];
    }
    return k;
}

std::array<std::uint8_t, kHashKeyFileSize> hashKeyImage(const HashKeyTables& t)
{
    std::array<std::uint8_t, kHashKeyFileSize> image {};
    for (int i = 0; i < kHashKeyCount; ++i) {
        putLittleEndian(&image[4 * i], t.index[i]);
        putLittleEndian(&image[4 * (kHashKeyCount + i)], t.check[i]);
    }
    return image;
}

std::optional<HashKeyTables> loadHashKeys(const std::string& path, std::string& error)
{
    std::vector<std::uint8_t> bytes;
    const std::string why = readExactFile(path, kHashKeyFileSize, bytes);
    if (!why.empty()) {
        error = "the hash key file \"" + path + "\" " + why;
        return std::nullopt;
    }
    return hashKeysFromImage(bytes.data());
}

HashKeyTables hashKeysFromImage(const std::uint8_t* image)
{
    HashKeyTables t;
    for (int i = 0; i < kHashKeyCount; ++i) {
        t.index[i] = getLittleEndian(&image[4 * i]);
        t.check[i] = getLittleEndian(&image[4 * (kHashKeyCount + i)]);
    }
    return t;
}

bool saveHashKeys(const HashKeyTables& t, const std::string& path, std::string& error)
{
    const auto image = hashKeyImage(t);
    const WriteResult written = writeFileAtomically(path, image.data(), image.size());
    if (!written.ok()) {
        error = "the hash key file \"" + path + "\" " + describe(written);
        return false;
    }
    return true;
}

} // namespace kv
