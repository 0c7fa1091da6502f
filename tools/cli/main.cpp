#include "commands.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <filesystem>

namespace kv::cli {

namespace {
std::vector<Command>& table()
{
    static std::vector<Command> t;
    return t;
}
} // namespace

CommandRegistration::CommandRegistration(Command c)
{
    auto& t = table();
    t.insert(std::upper_bound(t.begin(), t.end(), c, [](const Command& a, const Command& b) { return a.name < b.name; }),
             std::move(c));
}

const std::vector<Command>& commands() { return table(); }

int error(const std::string& text)
{
    std::fprintf(stderr, "korvelan-cli: %s\n", text.c_str());
    return kUsageError;
}

std::optional<Position> fenArgument(const std::string& text)
{
    std::string why;
    auto p = parseFen(text, &why);
    if (!p) error("bad FEN: " + why);
    return p;
}

std::string programDir()
{
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string(".") : exe.parent_path().string();
}

bool intArgument(const std::string& text, int& out)
{
    auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
    return ec == std::errc() && ptr == text.data() + text.size() && out >= 0;
}

namespace {
void usage(std::FILE* out)
{
    std::fprintf(out, "usage: korvelan-cli COMMAND ...\n"
                      "positions are PDN FEN in user numbers (W:W9,10,K28:B20,22,K5) or 'start'\n");
    for (const Command& c : commands()) std::fprintf(out, "  %s %s\n", c.name.c_str(), c.usage.c_str());
}
} // namespace

} // namespace kv::cli

int main(int argc, char** argv)
{
    using namespace kv::cli;
    if (argc < 2 || !std::strcmp(argv[1], "help") || !std::strcmp(argv[1], "--help")) {
        usage(argc < 2 ? stderr : stdout);
        return argc < 2 ? kUsageError : 0;
    }
    for (const Command& c : commands())
        if (c.name == argv[1]) return c.run(Args(argv + 2, argv + argc));
    usage(stderr);
    return error(std::string("unknown command '") + argv[1] + "'");
}
