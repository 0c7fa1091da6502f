#include "players/registry.h"

#include "io/text_encoding.h"
#include "players/history.h"
#include "players/rating.h"

#include <algorithm>

namespace kv {

namespace fs = std::filesystem;

NameProblem checkName(std::string_view name)
{
    bool visible = false;
    for (char ch : name) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == '\n' || c == '\r') return NameProblem::LineBreak;
        if (c < 0x20 || c == 0x7F) return NameProblem::ControlCharacter;
        if (c != ' ') visible = true;
    }
    if (!visible) return NameProblem::Empty;
    if (!isUtf8(name)) return NameProblem::NotUtf8;
    if (name.size() > kMaxNameBytes) return NameProblem::TooLong;
    return NameProblem::None;
}

std::string fitName(std::string_view name, std::size_t maxBytes)
{
    return utf8Prefix(name, maxBytes);
}

PlayerRegistry::PlayerRegistry()
{
    Line engine;
    engine.player.name = kEngineName;
    engine.player.rating = kEngineRating;
    engine.ratingText = ratingLine(kEngineRating);
    lines_.push_back(std::move(engine));
}

std::vector<Player> PlayerRegistry::players() const
{
    std::vector<Player> out;
    for (const Line& l : lines_) out.push_back(l.player);
    return out;
}

int PlayerRegistry::indexOf(std::string_view name, int from) const
{
    for (int i = std::max(from, 0); i < size(); ++i)
        if (lines_[static_cast<std::size_t>(i)].player.name == name) return i;
    return -1;
}

int PlayerRegistry::add(const std::string& name, std::int32_t capital)
{
    if (checkName(name) != NameProblem::None) return -1;
    const std::int32_t r = boundedRating(capital);
    lines_.push_back({ { name, r }, paddedRatingLine(r) });
    return size() - 1;
}

bool PlayerRegistry::remove(int index)
{
    if (index < 1 || index >= size()) return false;
    lines_.erase(lines_.begin() + index);
    return true;
}

bool PlayerRegistry::setRating(int index, std::int32_t rating)
{
    if (!contains(index)) return false;
    Line& l = lines_[static_cast<std::size_t>(index)];
    l.player.rating = rating;
    l.ratingText = ratingLine(rating);
    return true;
}

std::vector<std::string> PlayerRegistry::nameLines() const
{
    std::vector<std::string> out;
    for (const Line& l : lines_) out.push_back(l.player.name);
    return out;
}

std::vector<std::string> PlayerRegistry::ratingLines() const
{
    std::vector<std::string> out;
    for (const Line& l : lines_) out.push_back(l.ratingText);
    return out;
}

PlayerRegistry defaultRegistry()
{
    PlayerRegistry r;
    r.add(kUnknownPlayer, kUnknownRating);
    return r;
}

// Builds a registry from the two lists, mending what does not pair up.
struct RegistryReader {
    static PlayerRegistry read(std::vector<std::string> names,
                               const std::vector<std::string>& ratings, RegistryLoad& out)
    {
        PlayerRegistry reg;
        reg.lines_.clear();
        if (names.empty()) {
            names.push_back(kEngineName);
            out.repairs.push_back({ RegistryRepair::MissingEngine, 0, kEngineName });
            out.namesChanged = true;
        }
        for (std::size_t i = 0; i < names.size(); ++i) {
            const int line = static_cast<int>(i);
            // Old 8-bit names become UTF-8; control characters never get in.
            const std::string name = cleanName(names[i], std::string::npos);
            if (name != names[i]) {
                out.repairs.push_back({ RegistryRepair::ConvertedName, line, name });
                out.namesChanged = true;
            }
            const std::int32_t fallback = i == 0 ? kEngineRating : kDefaultCapital;
            PlayerRegistry::Line l { { name, fallback }, paddedRatingLine(fallback) };
            if (i >= ratings.size()) {
                out.repairs.push_back({ RegistryRepair::MissingRating, line, name });
            } else if (const auto r = parseRating(ratings[i])) {
                l.player.rating = *r;
                l.ratingText = ratings[i];
            } else {
                out.repairs.push_back({ RegistryRepair::BadRating, line, ratings[i] });
            }
            reg.lines_.push_back(std::move(l));
        }
        if (ratings.size() > names.size())
            out.repairs.push_back(
                { RegistryRepair::SurplusRatings, static_cast<int>(names.size()), {} });
        return reg;
    }
};

RegistryLoad loadRegistry(const fs::path& dir)
{
    RegistryLoad out;
    recoverTextLists({ dir / kPlayersFile, dir / kRatingsFile, dir / kHistoryFile });
    TextList names = readTextList(dir / kPlayersFile);
    if (names.status != ListStatus::Ok) {
        out.failedFile = kPlayersFile;
        out.status = names.status;
        return out;
    }
    // A missing "points.dat" is one with no lines: every player gets the capital.
    TextList ratings = readTextList(dir / kRatingsFile);
    if (ratings.status != ListStatus::Ok && ratings.status != ListStatus::Missing) {
        out.failedFile = kRatingsFile;
        out.status = ratings.status;
        return out;
    }
    out.registry = RegistryReader::read(std::move(names.lines), ratings.lines, out);
    return out;
}

bool saveRegistry(const PlayerRegistry& registry, const fs::path& dir, std::string& error)
{
    return writeTextLists({ { dir / kPlayersFile, registry.nameLines() },
                            { dir / kRatingsFile, registry.ratingLines() } },
                          error);
}

bool seedRegistry(const fs::path& dir, std::string& error)
{
    std::error_code ec;
    const bool present = fs::exists(dir / kPlayersFile, ec);
    if (ec) {
        error = ec.message();
        return false;
    }
    if (present) return true;
    fs::create_directories(dir, ec);
    if (ec) {
        error = "cannot create " + dir.string() + ": " + ec.message();
        return false;
    }
    return saveRegistry(defaultRegistry(), dir, error);
}

} // namespace kv
