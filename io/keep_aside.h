// A file the program cannot read is never thrown away: it is moved aside
// under a new name beside it, so the user (or a later version) can still
// look at it, and the program starts afresh without writing over it.
#pragma once

#include <optional>
#include <string>

namespace kv {

// Renames "DIR/NAME.EXT" to "DIR/NAME.unreadable-YYYYMMDD-HHMMSS.EXT" (with
// "-2", "-3"... when that name is taken; never over another file). Returns
// the new path, or nothing when the file could not be moved.
std::optional<std::string> keepAside(const std::string& path);

} // namespace kv
