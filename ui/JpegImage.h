#pragma once
// JPEG pictures of the window skins, decoded by libjpeg. No Windows calls.
#include <cstdint>
#include <string>
#include <vector>

struct TJpegImage {
    int Width = 0;
    int Height = 0;
    std::vector<uint8_t> Pixels;  // rows top-down, 3 * Width bytes each, pixels B, G, R
};

// Raises Exception "Cannot read JPEG picture: <reason>" for a file that is not a JPEG,
// is damaged or truncated, or claims a size far beyond any skin. libjpeg's own
// recoverable warnings count as errors too: a half-drawn skin is worse than none.
TJpegImage DecodeJpeg(const std::string& bytes);
