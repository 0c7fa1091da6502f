#include "openings/library_sets.h"

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
                      [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) ==
                                                  std::tolower(static_cast<unsigned char>(b)); });
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

bool readLibraryPair(const fs::path& white, const fs::path& black, OpeningBook& out, std::string& error)
{
    OpeningBook read;
    if (!readLibrary(white, read.white, error) || !readLibrary(black, read.black, error)) return false;
    out = std::move(read);
    return true;
}

bool writeActivePair(const fs::path& dir, const OpeningBook& book, std::string& error)
{
    const fs::path white = dir / kWhiteLibraryFile, black = dir / kBlackLibraryFile;
    const fs::path whiteNew = withSuffix(white, ".new"), blackNew = withSuffix(black, ".new");
    const fs::path whiteOld = withSuffix(white, ".old");
    std::error_code ec;
    auto cleanUp = [&] {
        fs::remove(whiteNew, ec);
        fs::remove(blackNew, ec);
    };
    if (!writeLibrary(whiteNew, book.white, error) || !writeLibrary(blackNew, book.black, error)) {
        cleanUp();
        return false;
    }
    // Keep the old white file until the black one is in place.
    const bool hadWhite = fs::exists(white, ec);
    if (hadWhite) {
        fs::remove(whiteOld, ec);
        fs::create_hard_link(white, whiteOld, ec);
        if (ec) fs::copy_file(white, whiteOld, fs::copy_options::overwrite_existing, ec);
        if (ec) {
            cleanUp();
            error = "Impossible d'écrire le fichier " + whiteOld.string();
            return false;
        }
    }
    fs::rename(whiteNew, white, ec);
    if (ec) {
        cleanUp();
        fs::remove(whiteOld, ec);
        error = "Impossible d'écrire le fichier " + white.string();
        return false;
    }
    fs::rename(blackNew, black, ec);
    if (ec) {
        if (hadWhite)
            fs::rename(whiteOld, white, ec);
        else
            fs::remove(white, ec);
        cleanUp();
        error = "Impossible d'écrire le fichier " + black.string();
        return false;
    }
    fs::remove(whiteOld, ec);
    return true;
}

bool activateSet(const fs::path& chosen, const fs::path& activeDir, OpeningBook& book, std::string& error)
{
    const SetFiles files = setFiles(chosen);
    OpeningBook read;
    if (!readLibraryPair(files.white, files.black, read, error)) return false;
    if (!writeActivePair(activeDir, read, error)) return false;
    book = std::move(read);
    return true;
}

bool storeSet(const fs::path& chosen, SideToMove side, const OpeningLibrary& edited, const fs::path& activeDir,
              const std::vector<std::string>& markerLines, std::string& error)
{
    const SetFiles files = setFiles(chosen);
    const SideToMove other = side == Black ? White : Black;
    // The other colour's active library, read into its own list, never into
    // the edited one.
    OpeningLibrary otherLib;
    const fs::path otherActive = activeDir / activeLibraryFile(other);
    std::error_code ec;
    if (fs::exists(otherActive, ec) && !readLibrary(otherActive, otherLib, error)) return false;
    return writeTextLines(files.marker, markerLines, error) && writeLibrary(files.library(side), edited, error) &&
           writeLibrary(files.library(other), otherLib, error) &&
           writeLibrary(activeDir / activeLibraryFile(side), edited, error);
}

} // namespace kv
