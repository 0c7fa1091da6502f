// Opening libraries: any text may stand in an ".ouv" file, and the name of a
// library set is whatever the user typed. The lines are read, cut, parsed
// and looked up after every prefix the book itself offers.
#include "fuzz_target.h"

#include "openings/book_lookup.h"
#include "openings/library_sets.h"
#include "openings/line_replay.h"
#include "openings/opening_library.h"
#include "rules/notation.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace kv;
    namespace fs = std::filesystem;
    static const fs::path file
        = (fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path())
        / ("korvelan_fuzz_" + std::to_string(::getpid()) + ".ouv");
    static const struct Cleanup {
        ~Cleanup()
        {
            std::error_code ignored;
            fs::remove(file, ignored);
        }
    } cleanup;
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::ofstream(file, std::ios::binary | std::ios::trunc) << text;

    OpeningLibrary lib;
    std::string error;
    if (!readLibrary(file, lib, error)) {
        if (error.empty()) std::abort(); // a refusal always says why
        return 0;
    }
    for (const auto& line : lib.lines()) {
        if (line.size() > kMaxLineLength) std::abort();
        parseLineMoves(line);
    }
    // Follow the book from the start for a few plies, as a game would.
    std::vector<BookMove> played;
    Board board = initialPosition().board;
    SideToMove side = White;
    for (int ply = 0; ply < 6; ++ply) {
        const auto candidates = bookLookup(lib, played);
        if (candidates.size() > static_cast<std::size_t>(kMaxBookCandidates)) std::abort();
        if (candidates.empty()) break;
        const BookMove next = candidates[played.size() % candidates.size()];
        if (!legalMove(board, side, next)) break;
        played.push_back(next);
        replayMoves({ next }, board, side);
    }
    // The first line of the input as the name of a library set.
    setFiles(fs::path(text.substr(0, text.find('\n'))));
    return 0;
}

std::vector<std::string> kvFuzzSeeds()
{
    return { "10-15 23-18 12-16 \r\n11-15 22-18 15x22 25x18 \r\n11-15 23-19  9-14 \r\n",
             " 9-13 21-17  5- 9 \r\n 9-14 22-17 \r\n12-16 24-20 \r\n",
             "11-15 24-20  8-11 28-24 \n11-16 \n\n\n" + std::string(400, '9'),
             "mine.ovv\n9-13 21-17 13x22 26x17\n", std::string(64, '\0') };
}
