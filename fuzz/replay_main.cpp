// The driver of a fuzz target in the normal build: it runs the target on its
// seeds and on a fixed series of mutations of them, so every reader meets
// truncated, oversized, bit-flipped and random inputs in every test run. The
// series depends only on the seeds, so a failure repeats exactly.
//   fuzz_x --replay N          seeds, then N mutations
//   fuzz_x --write-seeds DIR   writes the seeds as files (a libFuzzer corpus)
//   fuzz_x FILE...             runs the given inputs (reproducing a finding)
#include "fuzz_target.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string_view>

namespace {

struct Rng {
    std::uint64_t s = 0x9E3779B97F4A7C15ull;
    std::uint64_t next()
    {
        s ^= s << 13;
        s ^= s >> 7;
        s ^= s << 17;
        return s;
    }
    std::size_t below(std::size_t n) { return n ? static_cast<std::size_t>(next() % n) : 0; }
};

std::string mutate(const std::vector<std::string>& seeds, Rng& rng)
{
    std::string s = seeds.empty() ? std::string() : seeds[rng.below(seeds.size())];
    const int steps = 1 + static_cast<int>(rng.below(4));
    for (int k = 0; k < steps; ++k) {
        switch (rng.below(8)) {
        case 0: // flip one bit
            if (!s.empty()) s[rng.below(s.size())] ^= static_cast<char>(1u << rng.below(8));
            break;
        case 1: // set one byte, often to a boundary value
        {
            static constexpr unsigned char special[]
                = { 0, 1, 0x7F, 0x80, 0xFF, '-', ':', ',', 'K', 'x', '\n', '"' };
            if (!s.empty())
                s[rng.below(s.size())] = static_cast<char>(
                    rng.below(2) ? special[rng.below(sizeof special)] : rng.below(256));
            break;
        }
        case 2: // cut the end
            s.resize(rng.below(s.size() + 1));
            break;
        case 3: // append random bytes
            for (std::size_t n = rng.below(64); n; --n)
                s.push_back(static_cast<char>(rng.below(256)));
            break;
        case 4: // remove a slice
            if (!s.empty()) {
                const std::size_t at = rng.below(s.size());
                s.erase(at, rng.below(s.size() - at + 1));
            }
            break;
        case 5: // repeat a slice
            if (!s.empty()) {
                const std::size_t at = rng.below(s.size());
                const std::string slice = s.substr(at, 1 + rng.below(32));
                s.insert(rng.below(s.size() + 1), slice);
            }
            break;
        case 6: // splice with another seed
            if (!seeds.empty()) {
                const std::string& other = seeds[rng.below(seeds.size())];
                s = s.substr(0, rng.below(s.size() + 1))
                    + other.substr(rng.below(other.size() + 1));
            }
            break;
        default: // random bytes of a random length
            s.assign(rng.below(300), '\0');
            for (char& c : s) c = static_cast<char>(rng.below(256));
            break;
        }
    }
    return s;
}

void run(const std::string& input)
{
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(input.data()), input.size());
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::string_view(argv[1]) == "--replay") {
        const long count = std::strtol(argv[2], nullptr, 10);
        const auto seeds = kvFuzzSeeds();
        for (const auto& seed : seeds) run(seed);
        Rng rng;
        for (long i = 0; i < count; ++i) run(mutate(seeds, rng));
        std::printf("%zu seeds and %ld mutations run\n", seeds.size(), count);
        return 0;
    }
    if (argc == 3 && std::string_view(argv[1]) == "--write-seeds") {
        std::filesystem::create_directories(argv[2]);
        int i = 0;
        for (const auto& seed : kvFuzzSeeds()) {
            std::ofstream out(std::filesystem::path(argv[2]) / ("seed" + std::to_string(i++)),
                              std::ios::binary);
            out << seed;
        }
        return 0;
    }
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s --replay N | --write-seeds DIR | FILE...\n", argv[0]);
        return 2;
    }
    for (int i = 1; i < argc; ++i) {
        std::ifstream in(argv[i], std::ios::binary);
        run(std::string(std::istreambuf_iterator<char>(in), {}));
    }
    return 0;
}
