#include "game_file.h"

#include "engine/levels.h"
#include "engine/transposition.h"
#include "io/atomic_write.h"
#include "io/binary_file.h"
#include "rules/game_state.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace kv {

namespace {

// Offsets inside one 88-byte entry.
constexpr std::size_t kSquaresAt = 1, kCapturedAt = 33, kFromAt = 34, kToAt = 35;
constexpr std::size_t kWhiteClockAt = 36, kBlackClockAt = 40, kWhiteNameAt = 44, kBlackNameAt = 64;
constexpr std::size_t kEngineBlackAt = 84, kUnusedAt = 85;
constexpr int kMaxCaptured = 12;

void put32(std::uint8_t* p, std::int32_t v)
{
    const auto u = static_cast<std::uint32_t>(v);
    for (int i = 0; i < 4; ++i) p[i] = static_cast<std::uint8_t>(u >> (8 * i));
}

std::int32_t get32(const std::uint8_t* p)
{
    std::uint32_t u = 0;
    for (int i = 0; i < 4; ++i) u |= std::uint32_t(p[i]) << (8 * i);
    return static_cast<std::int32_t>(u);
}

void encodeEntry(const RecordEntry& e, std::uint8_t* p)
{
    p[0] = e.sentinel;
    std::copy(e.squares.begin(), e.squares.end(), p + kSquaresAt);
    p[kCapturedAt] = e.captured;
    p[kFromAt] = e.from;
    p[kToAt] = e.to;
    put32(p + kWhiteClockAt, e.whiteClock);
    put32(p + kBlackClockAt, e.blackClock);
    std::memcpy(p + kWhiteNameAt, e.whiteName.data(), e.whiteName.size());
    std::memcpy(p + kBlackNameAt, e.blackName.data(), e.blackName.size());
    p[kEngineBlackAt] = e.enginePlaysBlack;
    std::copy(e.unused.begin(), e.unused.end(), p + kUnusedAt);
}

RecordEntry decodeEntry(const std::uint8_t* p)
{
    RecordEntry e;
    e.sentinel = p[0];
    std::copy(p + kSquaresAt, p + kSquaresAt + 32, e.squares.begin());
    e.captured = p[kCapturedAt];
    e.from = p[kFromAt];
    e.to = p[kToAt];
    e.whiteClock = get32(p + kWhiteClockAt);
    e.blackClock = get32(p + kBlackClockAt);
    std::memcpy(e.whiteName.data(), p + kWhiteNameAt, e.whiteName.size());
    std::memcpy(e.blackName.data(), p + kBlackNameAt, e.blackName.size());
    e.enginePlaysBlack = p[kEngineBlackAt];
    std::copy(p + kUnusedAt, p + kUnusedAt + 3, e.unused.begin());
    return e;
}

std::string entryProblem(const RecordEntry& e)
{
    for (int s = 1; s <= kSquares; ++s)
        if (e.squares[s - 1] > BlackKing)
            return "piece code " + std::to_string(e.squares[s - 1]) + " on square "
                + std::to_string(s);
    if (e.captured > kMaxCaptured) return std::to_string(e.captured) + " pieces taken";
    if (e.from > kSquares) return "origin square " + std::to_string(e.from);
    if (e.to > kSquares) return "destination square " + std::to_string(e.to);
    if (!std::memchr(e.whiteName.data(), 0, e.whiteName.size())) return "white name not terminated";
    if (!std::memchr(e.blackName.data(), 0, e.blackName.size())) return "black name not terminated";
    if (e.enginePlaysBlack > 1) return "computer colour " + std::to_string(e.enginePlaysBlack);
    return {};
}

bool knownSizeFactor(int f)
{
    if (f == 0) return true;
    return std::any_of(kTableSizes.begin(), kTableSizes.end(),
                       [f](const TableSize& t) { return t.sizeFactor == f; });
}

bool knownLevel(int index) { return index == 18 || levelByIndex(index).has_value(); }

bool fail(GameFileError& error, GameFileProblem p, std::string detail)
{
    error.problem = p;
    error.detail = std::move(detail);
    return false;
}

} // namespace

void applyDefaultsRule(StoredSettings& s)
{
    if (s.levelTime != 0 && s.levelCap != 0) return;
    s.levelTime = 160;
    s.levelCap = 178;
    s.customMinutes = 3;
    s.levelIndex = 5;
    s.language = 1;
}

GameFileImage gameFileImage(const GameFile& g)
{
    GameFileImage image {};
    for (int k = 0; k < kRecordEntries; ++k)
        encodeEntry(g.record[k], image.data() + k * kRecordEntryBytes);
    image[0] = static_cast<std::uint8_t>(g.recordedPlies);
    const StoredSettings& s = g.settings;
    put32(image.data() + kCustomMinutesOffset, s.customMinutes);
    put32(image.data() + kSizeFactorOffset, s.sizeFactor); // sign-extended
    image[kLanguageOffset] = s.language;
    image[kLevelIndexOffset] = s.levelIndex;
    put32(image.data() + kLevelTimeOffset, s.levelTime);
    put32(image.data() + kLevelCapOffset, s.levelCap);
    image[kGamePlyOffset] = g.gamePly;
    image[kSideOffset] = g.side;
    return image;
}

std::optional<GameFile> parseGameFile(const std::uint8_t* data, std::size_t size,
                                      GameFileError& error)
{
    error = {};
    if (size != kGameFileSize) {
        fail(error, GameFileProblem::WrongSize,
             std::to_string(size) + " bytes instead of " + std::to_string(kGameFileSize));
        return std::nullopt;
    }
    GameFile g;
    for (int k = 0; k < kRecordEntries; ++k)
        g.record[k] = decodeEntry(data + k * kRecordEntryBytes);

    StoredSettings& s = g.settings;
    s.customMinutes = get32(data + kCustomMinutesOffset);
    const std::int32_t factor = get32(data + kSizeFactorOffset);
    s.language = data[kLanguageOffset];
    s.levelIndex = data[kLevelIndexOffset];
    s.levelTime = get32(data + kLevelTimeOffset);
    s.levelCap = get32(data + kLevelCapOffset);
    applyDefaultsRule(s);

    const int recorded = data[0];
    const int gamePly = data[kGamePlyOffset];
    const int side = data[kSideOffset];
    const auto bad = [&error](std::string what) {
        fail(error, GameFileProblem::BadContent, std::move(what));
        return std::nullopt;
    };
    if (recorded > kLastPlyEntry) return bad("plies held " + std::to_string(recorded));
    if (gamePly > kLastPlyEntry) return bad("current ply " + std::to_string(gamePly));
    if (side > 1) return bad("side to move " + std::to_string(side));
    // Entries 253 and 254 carry the settings, not positions.
    for (int k = 0; k <= kLastPlyEntry; ++k)
        if (std::string why = entryProblem(g.record[k]); !why.empty())
            return bad("entry " + std::to_string(k) + ": " + why);
    // Every ply the user can step to was a move: it has an origin and a
    // destination, the same square only for a king's capture that comes round.
    for (int k = 1; k <= std::max(recorded, gamePly); ++k) {
        const RecordEntry& e = g.record[k];
        if (e.from == 0 || e.to == 0 || (e.from == e.to && e.captured == 0))
            return bad("entry " + std::to_string(k) + " holds no move");
    }
    if (!knownSizeFactor(factor)) return bad("table size factor " + std::to_string(factor));
    if (s.language >= kLanguages) return bad("language " + std::to_string(s.language));
    if (!knownLevel(s.levelIndex)) return bad("level " + std::to_string(s.levelIndex));
    if (s.levelTime < 0 || s.levelCap < 0)
        return bad("time control " + std::to_string(s.levelTime) + "/"
                   + std::to_string(s.levelCap));
    if (s.customMinutes < 0 || s.customMinutes > 50000)
        return bad("custom minutes " + std::to_string(s.customMinutes));

    s.sizeFactor = static_cast<std::int16_t>(factor);
    g.record[0].sentinel = OffBoard;
    g.gamePly = static_cast<std::uint8_t>(gamePly);
    g.side = static_cast<SideToMove>(side);
    g.recordedPlies = std::max(recorded, gamePly);
    return g;
}

bool WriteGameFile(const std::string& path, const GameFile& g, GameFileError& error)
{
    error = {};
    const GameFileImage image = gameFileImage(g);
    if (const WriteResult written = writeFileAtomically(path, image.data(), image.size());
        !written.ok())
        return fail(error, GameFileProblem::CannotOpen, path + " " + describe(written));
    return true;
}

std::optional<GameFile> ReadGameFile(const std::string& path, GameFileError& error)
{
    error = {};
    std::vector<unsigned char> bytes;
    if (std::string why = readExactFile(path, kGameFileSize, bytes); !why.empty()) {
        // Only a size problem says anything about the contents.
        fail(error,
             why.rfind("has ", 0) == 0 ? GameFileProblem::WrongSize : GameFileProblem::CannotOpen,
             path + " " + why);
        return std::nullopt;
    }
    return parseGameFile(bytes.data(), bytes.size(), error);
}

GameFile gameFileOf(const GameState& game, const StoredSettings& settings)
{
    GameFile f;
    f.record = game.record;
    f.gamePly = game.gamePly;
    f.side = game.side;
    f.recordedPlies = std::clamp(game.recordedPlies, 0, kLastPlyEntry);
    f.settings = settings;
    return f;
}

void loadGameFile(const GameFile& file, GameState& game)
{
    game.record = file.record;
    game.record[0].sentinel = OffBoard;
    game.gamePly = file.gamePly;
    game.recordedPlies = std::max<std::int32_t>(file.recordedPlies, file.gamePly);
    game.restoreRecordEntry();
    game.side = file.side;
    // Sides alternate from the start of the record, so the side that started
    // it follows from the side to move now and the parity of the ply.
    game.startSide = static_cast<SideToMove>(file.side ^ (file.gamePly & 1));
    game.displayed = game.board;
    game.rebuildMoveList();
}

} // namespace kv
