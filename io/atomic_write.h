// The one way files are written: never in place. The bytes go to a uniquely
// named temporary file beside the target, reach the disc (fsync), and only then
// replace the target by a rename, so a reader sees the old file or the new one,
// never half of either, and two writers at once never share a temporary file.
//
// A symbolic link is written through: the file it points at is replaced and
// the link stays. A target that is not a regular file (a device, a FIFO, a
// folder) is refused and left alone.
//
// Files that belong together (a list of names and the list of their ratings)
// are written with writeFilesTogether: once all temporary files are complete,
// a small switch record naming them is put in the first file's folder, then
// every temporary file is renamed over its target and the record removed. A
// program killed in the middle leaves the record; recoverFilesTogether, run
// before the files are read, finishes the switch, so the files are always read
// from one generation. A lock on the folder lets one switch happen there at a
// time.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kv {

enum class WriteErrorKind {
    None,
    NotRegularFile, // the path (or the end of its links) is a device, a FIFO, a folder...
    CannotCreate,   // no temporary file could be made in the target's folder
    CannotWrite,    // the bytes did not all reach the disc (a full disc)
    CannotReplace,  // the temporary file could not take the target's place
};

struct WriteResult {
    WriteErrorKind kind = WriteErrorKind::None;
    std::string path;   // the file that failed, after following links
    std::string detail; // the system's reason, when there is one
    bool ok() const { return kind == WriteErrorKind::None; }
};

// Words that follow a file's name: "is not a regular file",
// "cannot be written (No space left on device)"...; empty on success.
std::string describe(const WriteResult& result);

WriteResult writeFileAtomically(const std::string& path, std::string_view bytes);
inline WriteResult writeFileAtomically(const std::string& path, const void* data, std::size_t size)
{
    return writeFileAtomically(path, std::string_view(static_cast<const char*>(data), size));
}

struct FileContents {
    std::string path;
    std::string bytes;
};

// Writes all files or none: on failure before the switch, no target changes.
WriteResult writeFilesTogether(const std::vector<FileContents>& files);

// Before reading files written together: in the first path's folder, finishes
// a switch a killed writer left half done, waits for one another process is
// making, and removes what dead writers left behind.
void recoverFilesTogether(const std::vector<std::string>& paths);

// Removes the temporary files of writers that are no longer running from a
// folder, and the fixed-name leftovers (".tmp", ".part", ".new", ".old") of
// older versions beside `paths`.
void removeLeftoverTemporaries(const std::string& folder,
                               const std::vector<std::string>& paths = {});

} // namespace kv
