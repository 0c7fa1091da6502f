// The two registry files: names and ratings are read as pairs of lines, so
// the two inputs may disagree in length, hold any bytes or no numbers.
#include "fuzz_target.h"

#include "players/history.h"
#include "players/registry.h"

#include <filesystem>
#include <fstream>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace kv;
    namespace fs = std::filesystem;
    // In memory where the system offers it: a disc would make every input wait.
    static const fs::path dir
        = (fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path())
        / ("korvelan_fuzz_players_" + std::to_string(::getpid()));
    static const struct Cleanup {
        ~Cleanup()
        {
            std::error_code ignored;
            fs::remove_all(dir, ignored);
        }
    } cleanup;
    fs::create_directories(dir);
    // The first byte says where the names end and the ratings begin.
    const std::size_t split = size ? 1 + (data[0] * (size - 1)) / 255 : 0;
    std::ofstream(dir / kPlayersFile, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data + (size ? 1 : 0)),
               static_cast<std::streamsize>(split ? split - 1 : 0));
    std::ofstream(dir / kRatingsFile, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data + split),
               static_cast<std::streamsize>(size - split));
    // The same bytes as the results history, read line by line.
    std::ofstream(dir / kHistoryFile, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    const HistoryLoad history = loadHistory(dir);
    for (const auto& record : history.records) {
        if (!parseHistoryLine(historyLine(record)))
            std::abort(); // what was read writes back readable
        summarize(history.records, record.white);
    }
    RegistryLoad load = loadRegistry(dir);
    if (load.registry) {
        PlayerRegistry& r = *load.registry;
        for (int i = 0; i < r.size(); ++i) r.setRating(i, r[i].rating);
        r.add("Nouveau", 1600);
        r.remove(r.size() > 1 ? 1 : 0);
        r.nameLines();
        r.ratingLines();
    }
    return 0;
}

std::vector<std::string> kvFuzzSeeds()
{
    return { "2026-12-07 14:05\tAnne\t1600\t1611\tKorvelan\t2050\t2039\t2-0\r\n2026-12-08 "
             "09:00\tMarc\t1500\t1500\tAnne\t1611\t1611\t1-1\r\n",
             std::string("\x60") + "Korvelan\r\nInconnu\r\nAnne\r\n" + "2050\r\n1500\r\n1734\r\n",
             std::string("\x80") + "Korvelan\nMarc\n" + "2050\n",
             std::string("\x40") + "Korvelan\r\n\r\nX\r\n" + "0\r\n-5\r\nabc\r\n99999999999\r\n",
             std::string("\xFF") + "Korvelan\r\nZo\xe9\r\n" };
}
