// Whole-file reads for the binary data files (tables, keys, parameters, saved
// games). A reader first makes sure that the path names a regular file of an
// acceptable size, so a folder, a FIFO or a device is refused at once instead
// of blocking or being read as data. Writes go through io/atomic_write.h.
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

inline std::string readExactFile(const std::string& path, std::size_t size,
                                 std::vector<unsigned char>& bytes)
{
    return readRegularFile(path, size, size, bytes);
}

} // namespace kv
