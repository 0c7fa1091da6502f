// The commands of the tool as a section of its manual page: every command,
// nested ones included, with its arguments and options, their bounds and
// what they do, in roff for help2man's include files.
#pragma once

#include <string>

namespace CLI {
class App;
}

namespace kv::cli {

std::string manualCommands(const CLI::App& app);

} // namespace kv::cli
