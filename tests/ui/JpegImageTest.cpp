#include "primitives/Errors.h"
#include "tests/ui/JpegTestFiles.h"
#include "ui/JpegImage.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

std::string ErrorOf(const std::string& bytes)
{
    try {
        DecodeJpeg(bytes);
    } catch (const Exception& error) {
        return error.what();
    }
    return "no error";
}

// Compression moves colours a little; a wrong channel order or row moves them by 255.
void ExpectPixel(const TJpegImage& image, int x, int y, int b, int g, int r)
{
    SCOPED_TRACE(testing::Message() << "pixel " << x << ", " << y);
    const uint8_t* p = image.Pixels.data() + (static_cast<size_t>(y) * image.Width + x) * 3;
    EXPECT_NEAR(p[0], b, 8);
    EXPECT_NEAR(p[1], g, 8);
    EXPECT_NEAR(p[2], r, 8);
}

TEST(Jpeg, DecodesSizeAndColoursInBgrOrder)
{
    TJpegImage image = DecodeJpeg(TwoBlockJpeg(0, 0, 255, 255, 0, 0));
    ASSERT_EQ(image.Width, 16);
    ASSERT_EQ(image.Height, 8);
    ASSERT_EQ(image.Pixels.size(), 16u * 8u * 3u);
    ExpectPixel(image, 2, 3, 0, 0, 255);
    ExpectPixel(image, 13, 6, 255, 0, 0);
}

TEST(Jpeg, RowsComeTopDown)
{
    // Top half white, bottom half black, 8 rows each.
    std::vector<uint8_t> bgr(8 * 16 * 3, 255);
    bgr.resize(8 * 32 * 3, 0);
    TJpegImage image = DecodeJpeg(CompressJpeg(8, 32, bgr));
    ExpectPixel(image, 4, 2, 255, 255, 255);
    ExpectPixel(image, 4, 29, 0, 0, 0);
}

TEST(Jpeg, GreyFilesComeOutAsBgr)
{
    std::vector<uint8_t> bgr(8 * 8 * 3, 100);
    TJpegImage image = DecodeJpeg(CompressJpeg(8, 8, bgr, 1));
    ASSERT_EQ(image.Pixels.size(), 8u * 8u * 3u);
    ExpectPixel(image, 5, 5, 100, 100, 100);
}

TEST(Jpeg, DamagedFilesRaiseInsteadOfEndingTheProgram)
{
    const std::string good = TwoBlockJpeg(0, 255, 0, 0, 0, 255);
    EXPECT_EQ(ErrorOf(""), "Cannot read JPEG picture: the file is empty");
    EXPECT_NE(ErrorOf("GIF89a not a JPEG at all").find("Cannot read JPEG picture: "), std::string::npos);
    // Cut inside the header, and cut inside the compressed data: libjpeg only warns about
    // the second and would draw grey for the rest.
    EXPECT_NE(ErrorOf(good.substr(0, 40)), "no error");
    EXPECT_NE(ErrorOf(good.substr(0, good.size() - 40)), "no error");
    // Scan data overwritten with markers.
    std::string garbled = good;
    for (size_t i = good.size() / 2; i < good.size() - 2; ++i)
        garbled[i] = static_cast<char>(i % 2 ? 0xFF : 0xD9 - (i % 5));
    EXPECT_NE(ErrorOf(garbled), "no error");
}

TEST(Jpeg, HugeClaimedSizeIsRefusedBeforeAllocating)
{
    std::string file = TwoBlockJpeg(0, 0, 0, 0, 0, 0);
    // The baseline frame header: FF C0, length, precision, height, width.
    const size_t frame = file.find("\xFF\xC0");
    ASSERT_NE(frame, std::string::npos);
    // 60000 x 60000: within libjpeg's own limit, 10 GB of pixels.
    file[frame + 5] = file[frame + 7] = '\xEA';
    file[frame + 6] = file[frame + 8] = '\x60';
    EXPECT_NE(ErrorOf(file).find("is too large"), std::string::npos) << ErrorOf(file);
}

}  // namespace
