#include "options.h"

#include "commands.h"
#include "engine/levels.h"

namespace kv::cli {

CLI::Option* addBoundedOption(CLI::App& app, const std::string& name, int& value, int low, int high,
                              const std::string& what)
{
    // The bounds are the option's type in the help; the range check's own
    // description would repeat them.
    return app.add_option(name, value, what)
        ->check(CLI::Range(low, high).description(""))
        ->type_name("INT in " + std::to_string(low) + ".." + std::to_string(high));
}

CLI::Option* addDepthOption(CLI::App& app, const std::string& name, int& depth,
                            const std::string& what)
{
    return addBoundedOption(app, name, depth, 1, kMaxSearchDepth, what);
}

CLI::Option* addSecondsOption(CLI::App& app, const std::string& name, int& milliseconds,
                              const std::string& what)
{
    // The text becomes milliseconds before the option stores it.
    const CLI::Validator seconds(
        [](std::string& text) {
            std::int64_t ms = 0;
            if (!secondsArgument(text, ms) || ms < 1 || ms > kMaxMoveTimeMs)
                return "Value " + text + " is not a number of seconds from 0.001 to 86400";
            text = std::to_string(ms);
            return std::string();
        },
        "");
    return app.add_option(name, milliseconds, what)
        ->transform(seconds)
        ->type_name("SECONDS in 0.001..86400");
}

CLI::Option* addLevelOption(CLI::App& app, const std::string& name, int& level,
                            const std::string& what)
{
    const CLI::Validator levels(
        [](std::string& text) {
            int n = 0;
            return intArgument(text, n) && levelByIndex(n)
                ? std::string()
                : "Value " + text + " is not a level 0..8 or 11..17";
        },
        "");
    return app.add_option(name, level, what)->check(levels)->type_name("LEVEL in 0..8, 11..17");
}

} // namespace kv::cli
