// The registry of players: "joueurs.dat" holds one name per line and
// "points.dat" the rating of the name on the same line. Line 0 of both is the
// engine itself and is never deleted.
//
// The two files are read as pairs. They can disagree in length (a file edited
// by hand, an older program, a write cut short): a missing rating is filled
// with the starting capital, a rating line that is not a number gets the same,
// surplus ratings are left out, and each such mend is reported so the user
// can be told. Ratings keep the text they were read with, so lines nobody
// touched are written back byte for byte.
#pragma once

#include "players/text_list.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kv {

inline constexpr const char* kPlayersFile = "joueurs.dat";
inline constexpr const char* kRatingsFile = "points.dat";

inline constexpr const char* kEngineName = "Korvelan";
inline constexpr std::int32_t kEngineRating = 2050; // what "Ramener Korvelan à 2050" restores
inline constexpr const char* kUnknownPlayer = "Inconnu";
inline constexpr std::int32_t kUnknownRating = 1500; // an "Inconnu" always plays at this rating
inline constexpr std::array<std::int32_t, 3> kStartingCapitals { 1600, 1700, 1800 };
inline constexpr std::int32_t kDefaultCapital = 1800;

// Names travel into the 20-byte name fields of saved games: at most 19 bytes.
inline constexpr std::size_t kMaxNameBytes = 19;

enum class NameProblem { None, Empty, LineBreak, ControlCharacter, TooLong, NotUtf8 };
NameProblem checkName(std::string_view name);

// The name cut to at most `maxBytes` bytes without splitting a character.
std::string fitName(std::string_view name, std::size_t maxBytes = kMaxNameBytes);

struct Player {
    std::string name;
    std::int32_t rating = 0;
};

struct RegistryRepair {
    enum Kind {
        MissingRating,  // "points.dat" is shorter: `line` gets the starting capital
        BadRating,      // `text` on `line` is not a rating: the starting capital instead
        SurplusRatings, // "points.dat" has lines from `line` on that belong to nobody
        MissingEngine,  // "joueurs.dat" was empty: line 0 is the engine again
        ConvertedName,  // a name in the old 8-bit encoding or with control characters, now `text`
    };
    Kind kind;
    int line = 0;
    std::string text;
};

class PlayerRegistry {
public:
    PlayerRegistry(); // the engine alone, at its starting rating

    int size() const { return static_cast<int>(lines_.size()); }
    bool contains(int index) const { return index >= 0 && index < size(); }
    const Player& operator[](int index) const
    {
        return lines_.at(static_cast<std::size_t>(index)).player;
    }
    std::vector<Player> players() const;

    // The first line from `from` on holding exactly this name, or -1.
    int indexOf(std::string_view name, int from = 1) const;

    // Appends a player with a starting capital, its rating line written "%4d".
    // Returns the new line, or -1 when the name is refused (checkName).
    int add(const std::string& name, std::int32_t capital);
    // Deletes line `index` from both lists; line 0 and lines outside the list are kept.
    bool remove(int index);
    // Sets a rating, written in plain decimal; false outside the list.
    bool setRating(int index, std::int32_t rating);

    std::vector<std::string> nameLines() const;
    std::vector<std::string> ratingLines() const;

private:
    friend struct RegistryReader;
    struct Line {
        Player player;
        std::string ratingText;
    };
    std::vector<Line> lines_;
};

// The registry shipped with the program: the engine, and "Inconnu" for a
// player who does not want to register.
PlayerRegistry defaultRegistry();

struct RegistryLoad {
    std::optional<PlayerRegistry> registry; // none when a file could not be read
    std::string failedFile;                 // the file that stopped the reading
    ListStatus status = ListStatus::Ok;     // and why
    std::vector<RegistryRepair> repairs;
    bool namesChanged = false; // "joueurs.dat" must be written back to keep the mends
};

RegistryLoad loadRegistry(const std::filesystem::path& dir);

// Writes both files together (see writeTextLists).
bool saveRegistry(const PlayerRegistry& registry, const std::filesystem::path& dir,
                  std::string& error);

// Writes the two files of the default registry where they are missing.
bool seedRegistry(const std::filesystem::path& dir, std::string& error);

} // namespace kv
