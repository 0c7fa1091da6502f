// Whole-file reads and writes for the binary data files (tables, keys,
// parameters, saved games). A reader first makes sure that the path names a
// regular file of an acceptable size, so a folder, a FIFO or a device is
// refused at once instead of blocking or being read as data; a writer writes a
// temporary file beside the target and renames it over the target, so an
// interrupted write never leaves half a file behind.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace kv {

// Reads the whole file into `bytes` when it is a regular file of minSize..maxSize
// bytes. Returns an empty string on success, otherwise why not, in words that
// follow the file's name: "is missing", "is not a regular file", "has 12 bytes
// instead of 1162"... `bytes` is left untouched on failure.
std::string readRegularFile(const std::string& path, std::size_t minSize, std::size_t maxSize,
                            std::vector<unsigned char>& bytes);

inline std::string readExactFile(const std::string& path, std::size_t size, std::vector<unsigned char>& bytes)
{
    return readRegularFile(path, size, size, bytes);
}

// Writes `size` bytes to `path` through a temporary file in the same folder and
// a rename. Returns an empty string on success, otherwise why not; the previous
// file, if any, is then unchanged.
std::string writeFileAtomically(const std::string& path, const void* data, std::size_t size);

} // namespace kv
