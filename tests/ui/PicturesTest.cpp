#include "primitives/Errors.h"
#include "tests/support/TestFiles.h"
#include "tests/ui/JpegTestFiles.h"
#include "ui/Pictures.h"
#include "ui/SkinLayout.h"

#include <gtest/gtest.h>

namespace {

std::string ErrorOf(const std::string& path)
{
    try {
        LoadPicture(path);
    } catch (const Exception& error) {
        return error.what();
    }
    return "no error";
}

// The colour that Windows draws at x, y: what a window would show.
COLORREF Drawn(const TPicture& picture, int x, int y)
{
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, picture.Handle());
    const COLORREF colour = GetPixel(dc, x, y);
    SelectObject(dc, old);
    DeleteDC(dc);
    return colour;
}

bool Near(COLORREF a, COLORREF b)
{
    return std::abs(GetRValue(a) - GetRValue(b)) < 10 && std::abs(GetGValue(a) - GetGValue(b)) < 10 &&
           std::abs(GetBValue(a) - GetBValue(b)) < 10;
}

// A 3 x 2 TGA stored bottom-up: bottom row red, top row blue.
std::string SmallTga(int bits)
{
    std::string file(18, '\0');
    file[2] = 2;
    file[12] = 3;
    file[14] = 2;
    file[16] = static_cast<char>(bits);
    file[17] = bits == 32 ? 8 : 0;
    const std::string alpha = bits == 32 ? std::string(1, '\xFF') : std::string();
    for (int i = 0; i < 3; ++i)
        file += std::string("\x00\x00\xFF", 3) + alpha;
    for (int i = 0; i < 3; ++i)
        file += std::string("\xFF\x00\x00", 3) + alpha;
    return file;
}

class Pictures : public testing::Test {
protected:
    std::string Folder = MakeScratchFolder("pictures");
};

TEST_F(Pictures, TgaLoadsUprightInBothDepths)
{
    for (int bits : {24, 32}) {
        SCOPED_TRACE(bits);
        // Odd width: 24-bit DIB rows are padded to 4 bytes, the decoder's are not.
        WriteTextFile(Folder + "icon.tga", SmallTga(bits));
        TPicture picture = LoadPicture(Folder + "icon.tga");
        ASSERT_FALSE(picture.Empty());
        EXPECT_EQ(picture.Width(), 3);
        EXPECT_EQ(picture.Height(), 2);
        EXPECT_EQ(Drawn(picture, 2, 0), RGB(0, 0, 255));
        EXPECT_EQ(Drawn(picture, 2, 1), RGB(255, 0, 0));
    }
}

TEST_F(Pictures, JpegLoadsByEitherExtensionInAnyCase)
{
    for (const char* name : {"skin.jpg", "SKIN.JPEG", "skin.Jpg"}) {
        SCOPED_TRACE(name);
        WriteTextFile(Folder + name, TwoBlockJpeg(0, 200, 0, 200, 0, 0));
        TPicture picture = LoadPicture(Folder + name);
        EXPECT_EQ(picture.Width(), 16);
        EXPECT_EQ(picture.Height(), 8);
        EXPECT_TRUE(Near(Drawn(picture, 1, 1), RGB(0, 200, 0)));
        EXPECT_TRUE(Near(Drawn(picture, 14, 6), RGB(0, 0, 200)));
    }
}

TEST_F(Pictures, RefusalsRaise)
{
    EXPECT_NE(ErrorOf(Folder + "missing.jpg").find("Cannot open file"), std::string::npos);
    WriteTextFile(Folder + "skin.gif", "GIF89a");
    EXPECT_NE(ErrorOf(Folder + "skin.gif").find("unknown file extension"), std::string::npos);
    // A dot in a folder name is no extension.
    CreateDirectoryA((Folder + "res.jpg").c_str(), nullptr);
    WriteTextFile(Folder + "res.jpg\\main", TwoBlockJpeg(0, 0, 0, 0, 0, 0));
    EXPECT_NE(ErrorOf(Folder + "res.jpg\\main").find("unknown file extension"), std::string::npos);
    WriteTextFile(Folder + "broken.jpg", "\xFF\xD8\xFF\xE0 broken");
    EXPECT_NE(ErrorOf(Folder + "broken.jpg").find("Cannot read JPEG picture"), std::string::npos);
    WriteTextFile(Folder + "mirrored.tga", std::string("\0\0\x02\0\0\0\0\0\0\0\0\0\x01\0\x01\0\x18\x10", 18));
    EXPECT_EQ(ErrorOf(Folder + "mirrored.tga"), "Mirrored TGA is not supported!");
}

TEST(Picture, MovingHandsTheBitmapOver)
{
    const uint8_t pixels[3] = {1, 2, 3};
    TPicture first = MakePicture(1, 1, 24, pixels);
    HBITMAP handle = first.Handle();
    TPicture second = std::move(first);
    EXPECT_TRUE(first.Empty());
    EXPECT_EQ(second.Handle(), handle);
    second.Reset();
    EXPECT_TRUE(second.Empty());
}

}  // namespace

namespace {

const std::string Tree = "C:\\Program Files\\Hushmark\\";

void ExpectSize(const std::string& file, int width, int height)
{
    SCOPED_TRACE(file);
    try {
        TPicture picture = LoadPicture(Tree + file);
        EXPECT_EQ(picture.Width(), width);
        EXPECT_EQ(picture.Height(), height);
    } catch (const Exception& error) {
        ADD_FAILURE() << error.what();
    }
}

void ExpectSize(const std::string& file, const TSkinRect& rect)
{
    ExpectSize(file, rect.Width, rect.Height);
}

// Every picture the windows load, at the size of the place it is drawn on: a hover
// picture one pixel off shows a seam against the background.
TEST(InstalledPictures, SkinsFitTheirControls)
{
    ExpectSize("res\\main.jpg", MainSkin::Width, MainSkin::Height);
    ExpectSize("res\\results.jpg", ResultsSkin::Width, ResultsSkin::Height);
    const std::pair<const char*, TSkinRect> buttons[] = {
        {"exit", MainSkin::exit1},          {"minim", MainSkin::minim},
        {"options", MainSkin::options},     {"scheduler", MainSkin::scheduler},
        {"help", MainSkin::help},           {"panic", MainSkin::panic},
        {"results_exit", ResultsSkin::exit1}, {"solve_all", ResultsSkin::solve_all},
        {"solve", ResultsSkin::solve},      {"export", ResultsSkin::export1}};
    for (const auto& [stem, rect] : buttons) {
        ExpectSize(std::string("res\\") + stem + "_down.jpg", rect);
        ExpectSize(std::string("res\\") + stem + "_over.jpg", rect);
    }
    for (const char* file : {"res\\scan_over.jpg", "res\\stop.jpg", "res\\stop_over.jpg"})
        ExpectSize(file, MainSkin::scan);
    for (const char* file : {"res\\meter_green.jpg", "res\\meter_yellow.jpg", "res\\meter_red.jpg"})
        ExpectSize(file, MainSkin::privacy_meter);
}

TEST(InstalledPictures, IconsLoadWithAClearCorner)
{
    const char* const icons[] = {"acro_reader", "aol",        "avant",        "firefox",    "icq",        "ie",
                                 "mirc",        "msn",        "netscape",     "office",     "opera",      "other",
                                 "quick_time",  "registry",   "trash",        "windows",    "wmp",        "shareaza",
                                 "donkey",      "photoshop6", "photoshop7",   "photoshopCS", "photoshopCS2",
                                 "mozilla",     "thunderbird", "acdsee",      "cuteftp",    "divx",       "winamp",
                                 "winrar",      "zonealarm",  "netcaptor",    "outlook"};
    for (const char* name : icons) {
        SCOPED_TRACE(name);
        TPicture icon = LoadPicture(Tree + "icons\\" + name + ".tga");
        EXPECT_EQ(icon.Width(), 32);
        EXPECT_EQ(icon.Height(), 32);
        // The list leaves out the bottom-left pixel's colour; the symbol must not use it.
        const COLORREF key = Drawn(icon, 0, 31);
        EXPECT_NE(Drawn(icon, 16, 16), key);
        EXPECT_NE(Drawn(icon, 16, 28), key);
    }
    ExpectSize("icons\\checked.tga", 16, 16);
    ExpectSize("icons\\unchecked.tga", 16, 16);
}

}  // namespace
