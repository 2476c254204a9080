#pragma once
// Truevision TGA pictures of the issue icons: true-colour, raw or run-length encoded,
// 24 or 32 bits. No Windows calls, so that the decoder also builds for the host and
// can be fuzzed.
#include <cstdint>
#include <string>
#include <vector>

struct TTgaImage {
    int Width = 0;
    int Height = 0;
    int BitsPerPixel = 0;         // 24 or 32
    std::vector<uint8_t> Pixels;  // rows top-down, each pixel B, G, R (, A)
};

// Raises Exception with the reason: "TGA graphics is not in True-Color",
// "Color-mapped TGA is not supported", "Invalid TGA Bit-depth!", "Mirrored TGA is
// not supported!", and for a file shorter than its header promises, "TGA file is
// truncated". It never reads past the end of the bytes.
TTgaImage DecodeTga(const std::string& bytes);
