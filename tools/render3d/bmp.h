// Writes 24-bit uncompressed BMP files (rows bottom-up, padded to 4 bytes).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace render3d {

// `rgb` holds width x height pixels, top row first, three bytes each.
bool writeBmp(const std::string& path, int width, int height, const std::vector<std::uint8_t>& rgb);

} // namespace render3d
