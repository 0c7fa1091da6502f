#include "openings/library_sets.h"

#include "io/atomic_write.h"

#include <algorithm>
#include <cctype>
#include <system_error>

namespace kv {

namespace fs = std::filesystem;

namespace {
bool endsWithSetExtension(const std::string& name)
{
    const std::string ext = kSetExtension;
    if (name.size() < ext.size()) return false;
    return std::equal(ext.begin(), ext.end(), name.end() - static_cast<std::ptrdiff_t>(ext.size()),
                      [](char a, char b) {
                          return std::tolower(static_cast<unsigned char>(a))
                              == std::tolower(static_cast<unsigned char>(b));
                      });
}

fs::path withSuffix(const fs::path& p, const char* suffix)
{
    fs::path r = p;
    r += suffix;
    return r;
}
} // namespace

SetFiles setFiles(const fs::path& chosen)
{
    std::string name = chosen.string();
    if (!endsWithSetExtension(name)) name += kSetExtension;
    const fs::path base = name.substr(0, name.size() - std::string(kSetExtension).size());
    return { name, withSuffix(base, "_b.ouv"), withSuffix(base, "_n.ouv") };
}

bool readLibraryPair(const fs::path& white, const fs::path& black, OpeningBook& out,
                     std::string& error)
{
    OpeningBook read;
    if (!readLibrary(white, read.white, error) || !readLibrary(black, read.black, error))
        return false;
    out = std::move(read);
    return true;
}

bool readActivePair(const fs::path& dir, OpeningBook& out, std::string& error)
{
    recoverActivePair(dir);
    return readLibraryPair(dir / kWhiteLibraryFile, dir / kBlackLibraryFile, out, error);
}

void recoverActivePair(const fs::path& dir)
{
    recoverFilesTogether(
        { (dir / kWhiteLibraryFile).string(), (dir / kBlackLibraryFile).string() });
}

bool writeActivePair(const fs::path& dir, const OpeningBook& book, std::string& error)
{
    return writeTextFiles({ { dir / kWhiteLibraryFile, &book.white.lines() },
                            { dir / kBlackLibraryFile, &book.black.lines() } },
                          error);
}

bool activateSet(const fs::path& chosen, const fs::path& activeDir, OpeningBook& book,
                 std::string& error)
{
    const SetFiles files = setFiles(chosen);
    OpeningBook read;
    if (!readLibraryPair(files.white, files.black, read, error)) return false;
    if (!writeActivePair(activeDir, read, error)) return false;
    book = std::move(read);
    return true;
}

bool storeSet(const fs::path& chosen, SideToMove side, const OpeningLibrary& edited,
              const fs::path& activeDir, const std::vector<std::string>& markerLines,
              std::string& error)
{
    const SetFiles files = setFiles(chosen);
    const SideToMove other = side == Black ? White : Black;
    // The other colour's active library, read into its own list, never into
    // the edited one.
    OpeningLibrary otherLib;
    const fs::path otherActive = activeDir / activeLibraryFile(other);
    std::error_code ec;
    if (fs::exists(otherActive, ec) && !readLibrary(otherActive, otherLib, error)) return false;
    return writeTextFiles({ { files.marker, &markerLines },
                            { files.library(side), &edited.lines() },
                            { files.library(other), &otherLib.lines() } },
                          error)
        && writeLibrary(activeDir / activeLibraryFile(side), edited, error);
}

} // namespace kv
