#pragma once
// JPEG files made by the tests themselves through libjpeg's compressor.
#include <cstdint>
#include <string>
#include <vector>

// Pixels B, G, R, rows top-down; components 1 gives a grey file from the B channel.
std::string CompressJpeg(int width, int height, const std::vector<uint8_t>& bgr, int components = 3);

// Two colour blocks side by side, each 8 pixels wide so that a block never shares
// an 8 x 8 cell with the other and survives compression almost unchanged.
std::string TwoBlockJpeg(uint8_t leftB, uint8_t leftG, uint8_t leftR, uint8_t rightB, uint8_t rightG,
                         uint8_t rightR);
