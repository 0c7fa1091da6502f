#include "exchange.h"

#include "pdn_reader.h"
#include "text_import.h"

#include <cctype>
#include <filesystem>
#include <fstream>

namespace kv {

namespace {
constexpr std::size_t kPdnLimit = 16u << 20;

bool endsWithPdn(std::string_view name)
{
    if (name.size() < 4) return false;
    std::string ext(name.substr(name.size() - 4));
    for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return ext == ".pdn";
}
} // namespace

ExchangeFormat detectFormat(std::string_view contents, std::string_view fileName)
{
    if (endsWithPdn(fileName)) return ExchangeFormat::Pdn;
    // A UTF-8 byte order mark, then blanks, then the first tag.
    if (contents.substr(0, 3) == "\xEF\xBB\xBF") contents.remove_prefix(3);
    for (char c : contents) {
        if (c == '[') return ExchangeFormat::Pdn;
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n') break;
    }
    return ExchangeFormat::Text;
}

std::optional<ExchangeFile> readExchangeFile(const std::string& path, std::string& error)
{
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        error = path + " is a folder";
        return std::nullopt;
    }
    // A FIFO or a device would block the read or never end: only files.
    if (std::filesystem::exists(path, ec) && !std::filesystem::is_regular_file(path, ec)) {
        error = path + " is not a regular file";
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot open " + path;
        return std::nullopt;
    }
    ExchangeFile f;
    // Enough of the head to tell the format, then the rest up to its limit.
    std::string data(kPdnLimit + 1, '\0');
    in.read(data.data(), static_cast<std::streamsize>(data.size()));
    if (in.bad()) {
        error = "cannot read " + path;
        return std::nullopt;
    }
    data.resize(static_cast<std::size_t>(in.gcount()));
    f.format = detectFormat(data, path);
    const std::size_t limit = f.format == ExchangeFormat::Pdn ? kPdnLimit : kTextLimit;
    if (data.size() > limit) {
        // A text file may end in blanks beyond the limit without losing anything.
        const bool onlyBlanks = data.find_first_not_of(" \t\r\n", limit) == std::string::npos;
        f.cut = !onlyBlanks;
        data.resize(limit);
    }
    f.contents = std::move(data);
    return f;
}

GameIndex listGames(const ExchangeFile& file)
{
    GameIndex index;
    if (file.format == ExchangeFormat::Pdn) {
        index.starts = indexPdnGames(file.contents);
        return index;
    }
    index.names = listTextGames(file.contents);
    for (std::size_t i = 0; i < index.names.size(); ++i)
        index.starts.push_back(static_cast<std::uint32_t>(i));
    return index;
}

GameSummary gameSummary(const ExchangeFile& file, const GameIndex& index, int game)
{
    if (game < 0 || game >= static_cast<int>(index.size())) return {};
    if (file.format == ExchangeFormat::Pdn)
        return pdnGameSummary(file.contents, index.starts[static_cast<std::size_t>(game)]);
    return index.names[static_cast<std::size_t>(game)];
}

std::optional<ParsedGame> readGame(const ExchangeFile& file, const GameIndex& index, int game,
                                   ExchangeProblem* problem)
{
    if (game < 0 || game >= static_cast<int>(index.size())) {
        if (problem)
            *problem = { ExchangeProblemKind::NoSuchGame, game + 1, 0,
                         "no game " + std::to_string(game + 1) + " in the file (it holds "
                             + std::to_string(index.size()) + ")" };
        return std::nullopt;
    }
    if (file.format == ExchangeFormat::Pdn)
        return readPdnGameAt(file.contents, index.starts[static_cast<std::size_t>(game)], game + 1,
                             problem);
    auto g = readTextGame(file.contents, game);
    if (g) g->number = game + 1;
    return g;
}

} // namespace kv
