#include "primitives/Errors.h"
#include "ui/TgaImage.h"

#include <gtest/gtest.h>

namespace {

std::string Header(uint8_t type, uint8_t bits, uint8_t descriptor, int width, int height, uint8_t mapType = 0,
                   uint8_t idLength = 0)
{
    std::string h(18, '\0');
    h[0] = static_cast<char>(idLength);
    h[1] = static_cast<char>(mapType);
    h[2] = static_cast<char>(type);
    h[12] = static_cast<char>(width & 0xFF);
    h[13] = static_cast<char>(width >> 8);
    h[14] = static_cast<char>(height & 0xFF);
    h[15] = static_cast<char>(height >> 8);
    h[16] = static_cast<char>(bits);
    h[17] = static_cast<char>(descriptor);
    return h + std::string(idLength, 'i');
}

std::string Pixel(uint8_t b, uint8_t g, uint8_t r, uint8_t a)
{
    return std::string{static_cast<char>(b), static_cast<char>(g), static_cast<char>(r), static_cast<char>(a)};
}

std::string ErrorOf(const std::string& bytes)
{
    try {
        DecodeTga(bytes);
    } catch (const Exception& error) {
        return error.what();
    }
    return "no error";
}

// A 2 x 2 picture: bottom row red, red; top row green, blue (stored bottom-up).
const std::string Red = Pixel(0, 0, 255, 255), Green = Pixel(0, 255, 0, 255), Blue = Pixel(255, 0, 0, 128);

TEST(Tga, RawBottomUpIsTurnedTopDown)
{
    TTgaImage image = DecodeTga(Header(2, 32, 8, 2, 2, 0, 3) + Red + Red + Green + Blue);
    EXPECT_EQ(image.Width, 2);
    EXPECT_EQ(image.Height, 2);
    std::string pixels(image.Pixels.begin(), image.Pixels.end());
    EXPECT_EQ(pixels, Green + Blue + Red + Red);
}

TEST(Tga, TopDownFlagKeepsTheOrder)
{
    TTgaImage image = DecodeTga(Header(2, 32, 0x28, 2, 2) + Green + Blue + Red + Red);
    EXPECT_EQ(std::string(image.Pixels.begin(), image.Pixels.end()), Green + Blue + Red + Red);
}

TEST(Tga, RunLengthLoadsLikeItsRawTwin)
{
    std::string raw = Header(2, 32, 8, 2, 2) + Red + Red + Green + Blue;
    std::string packed = Header(10, 32, 8, 2, 2) + '\x81' + Red + '\x01' + Green + Blue;
    EXPECT_EQ(DecodeTga(packed).Pixels, DecodeTga(raw).Pixels);
    std::string raw24 = Header(2, 24, 0, 3, 1) + "abcabcabc";
    std::string packed24 = Header(10, 24, 0, 3, 1) + '\x82' + "abc";
    EXPECT_EQ(DecodeTga(packed24).Pixels, DecodeTga(raw24).Pixels);
}

TEST(Tga, RefusalsInTheirOrder)
{
    EXPECT_EQ(ErrorOf(Header(1, 8, 0, 1, 1, 1)), "TGA graphics is not in True-Color");
    EXPECT_EQ(ErrorOf(Header(2, 16, 0, 1, 1, 1)), "Color-mapped TGA is not supported");
    EXPECT_EQ(ErrorOf(Header(2, 16, 0x10, 1, 1)), "Invalid TGA Bit-depth!");
    EXPECT_EQ(ErrorOf(Header(10, 32, 0x10, 1, 1)), "Mirrored TGA is not supported!");
}

TEST(Tga, ShortOrLyingFilesAreRefusedWithoutReadingPastTheEnd)
{
    EXPECT_EQ(ErrorOf("short"), "TGA file is truncated");
    EXPECT_EQ(ErrorOf(Header(2, 32, 0, 2, 2) + Red), "TGA file is truncated");
    EXPECT_EQ(ErrorOf(Header(2, 32, 0, 1, 1, 0, 200).substr(0, 30)), "TGA file is truncated");
    EXPECT_EQ(ErrorOf(Header(10, 32, 0, 4, 4) + '\x85'), "TGA file is truncated");
    EXPECT_EQ(ErrorOf(Header(2, 24, 0, 0xFFFF, 0xFFFF)), "TGA file is truncated");
    // A run that claims more pixels than the picture has is cut at the picture's end.
    EXPECT_EQ(DecodeTga(Header(10, 24, 0, 2, 1) + '\xFF' + "abc").Pixels.size(), 6u);
}

// Found by fuzzing: the header alone once decided how much memory to reserve, so a
// few bytes asked a 32-bit process for a gigabyte; and a picture without pixels
// copied from a null buffer.
TEST(Tga, HeadersPromisingMoreThanTheFileHoldsAndEmptyPictures)
{
    EXPECT_EQ(ErrorOf(Header(10, 32, 0, 16384, 16384) + '\x85' + Red), "TGA file is truncated");
    EXPECT_EQ(ErrorOf(Header(2, 32, 0, 16384, 16384) + Red + Red), "TGA file is truncated");
    for (uint8_t descriptor : {0, 0x20}) {
        TTgaImage image = DecodeTga(Header(2, 24, descriptor, 0, 5));
        EXPECT_EQ(image.Height, 5);
        EXPECT_TRUE(image.Pixels.empty());
    }
}

}  // namespace
