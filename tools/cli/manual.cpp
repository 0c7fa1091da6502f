#include "manual.h"

#include <CLI/CLI.hpp>

namespace kv::cli {

namespace {

// Text as roff reads it: hyphens are minus signs, and no line starts a request.
std::string roff(const std::string& text)
{
    std::string out = "\\&";
    for (char c : text) {
        if (c == '-' || c == '\\') out += '\\';
        out += c;
    }
    return out;
}

void describe(const CLI::App& command, const std::string& path, std::string& out)
{
    std::string usage = path;
    for (const CLI::Option* o : command.get_options())
        if (o->get_positional())
            usage += " " + (o->get_required() ? o->get_name() : "[" + o->get_name() + "]");
    out += ".SS \"" + roff(usage) + "\"\n" + roff(command.get_description()) + "\n";
    for (const CLI::Option* o : command.get_options()) {
        if (o == command.get_help_ptr()) continue;
        const std::string type = o->get_type_name();
        out += ".TP\n.B \"" + roff(o->get_name(false, true))
            + (type.empty() ? "" : " " + roff(type)) + "\"\n";
        std::string alone;
        for (const CLI::Option* other : o->get_excludes())
            alone += (alone.empty() ? " Not with " : ", ") + other->get_name();
        out += roff(o->get_description() + (alone.empty() ? "" : "." + alone + ".")) + "\n";
    }
    for (const CLI::App* sub : command.get_subcommands([](const CLI::App*) { return true; }))
        describe(*sub, path + " " + sub->get_name(), out);
}

} // namespace

std::string manualCommands(const CLI::App& app)
{
    std::string out = "[commands]\n";
    for (const CLI::App* sub : app.get_subcommands([](const CLI::App*) { return true; }))
        describe(*sub, sub->get_name(), out);
    return out;
}

} // namespace kv::cli
