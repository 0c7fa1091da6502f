#include "binary_file.h"

#include <filesystem>
#include <fstream>
#include <system_error>

namespace kv {

namespace fs = std::filesystem;

std::string readRegularFile(const std::string& path, std::size_t minSize, std::size_t maxSize,
                            std::vector<unsigned char>& bytes)
{
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (ec || !fs::exists(status)) return "is missing";
    // Opening a FIFO for reading waits for a writer: look before opening.
    if (!fs::is_regular_file(status)) return "is not a regular file";
    const std::uintmax_t size = fs::file_size(path, ec);
    if (ec) return "could not be read";
    if (size < minSize || size > maxSize) {
        std::string expected = minSize == maxSize ? std::to_string(minSize)
            : size < minSize                      ? "at least " + std::to_string(minSize)
                                                  : "at most " + std::to_string(maxSize);
        return "has " + std::to_string(size) + " bytes instead of " + expected;
    }
    std::vector<unsigned char> read(static_cast<std::size_t>(size));
    std::ifstream in(path, std::ios::binary);
    in.read(reinterpret_cast<char*>(read.data()), static_cast<std::streamsize>(read.size()));
    // The file may have changed between the size check and the read.
    if (!in || in.gcount() != static_cast<std::streamsize>(read.size())
        || in.peek() != std::char_traits<char>::eof())
        return "could not be read";
    bytes = std::move(read);
    return {};
}

} // namespace kv
