// The active pair of libraries and the stored sets.
//
// The active pair is "ouvert_b.ouv" (white to move) and "ouvert_n.ouv"
// (black to move). A stored set named NAME is three files in one folder:
// the marker "NAME.ovv" the user picks in the file dialogs, and the pair
// "NAME_b.ouv" and "NAME_n.ouv" beside it.
#pragma once

#include "openings/book_lookup.h"

#include <filesystem>
#include <string>
#include <vector>

namespace kv {

inline constexpr const char* kWhiteLibraryFile = "ouvert_b.ouv";
inline constexpr const char* kBlackLibraryFile = "ouvert_n.ouv";
inline constexpr const char* kSetExtension = ".ovv";
// The sub-folder of the user's data folder that holds stored sets (shared
// with the parameter sets).
inline constexpr const char* kSetFolder = "parametres";

inline const char* activeLibraryFile(SideToMove side)
{
    return side == Black ? kBlackLibraryFile : kWhiteLibraryFile;
}

// The three files of a set from the name the user chose: ".ovv" is appended
// when the name does not end in it (any letter case).
struct SetFiles {
    std::filesystem::path marker, white, black;
    const std::filesystem::path& library(SideToMove side) const
    {
        return side == Black ? black : white;
    }
};
SetFiles setFiles(const std::filesystem::path& chosen);

// Reads both libraries; on any failure neither is changed and `error` says
// which file failed.
bool readLibraryPair(const std::filesystem::path& white, const std::filesystem::path& black,
                     OpeningBook& out, std::string& error);

// Writes both active files into `dir` together: the folder never holds half
// of two sets, even when the program is killed in the middle.
bool writeActivePair(const std::filesystem::path& dir, const OpeningBook& book, std::string& error);

// Before the active pair in `dir` is read: finishes a change of set that a
// killed program left half done and removes its leftovers.
void recoverActivePair(const std::filesystem::path& dir);

// The active pair of `dir`, recovered first.
bool readActivePair(const std::filesystem::path& dir, OpeningBook& out, std::string& error);

// Changer bibliothèque ouvertures: the set of `chosen` becomes the active pair
// in `activeDir` and in `book`, both libraries or neither.
bool activateSet(const std::filesystem::path& chosen, const std::filesystem::path& activeDir,
                 OpeningBook& book, std::string& error);

// Stores a set from an editor: the marker with `markerLines`, this editor's
// library under the set's name for `side`, and the other colour's active
// file copied as it is (an absent file gives an empty library), the three
// together. Then the edited library becomes the active file of `side` in
// `activeDir`.
bool storeSet(const std::filesystem::path& chosen, SideToMove side, const OpeningLibrary& edited,
              const std::filesystem::path& activeDir, const std::vector<std::string>& markerLines,
              std::string& error);

} // namespace kv
