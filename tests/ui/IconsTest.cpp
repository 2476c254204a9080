#include "primitives/Errors.h"
#include "tests/support/TestFiles.h"
#include "ui/Icons.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const COLORREF Key = RGB(255, 0, 255);
const COLORREF Page = RGB(0, 128, 0);

// A 4 x 4 24-bit TGA, bottom-up: the bottom-left and top-right pixels in the key colour,
// the rest in the given colour.
std::string Tga(COLORREF colour)
{
    std::string file(18, '\0');
    file[2] = 2;
    file[12] = 4;
    file[14] = 4;
    file[16] = 24;
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 4; ++column) {
            const bool key = (row == 0 && column == 0) || (row == 3 && column == 3);
            const COLORREF pixel = key ? Key : colour;
            file += static_cast<char>(GetBValue(pixel));
            file += static_cast<char>(GetGValue(pixel));
            file += static_cast<char>(GetRValue(pixel));
        }
    return file;
}

COLORREF IconColour(int number)
{
    return RGB(10 + number * 7, 100, 200 - number);
}

const char* const Files[] = {"acro_reader", "aol", "avant", "firefox", "icq", "ie", "mirc", "msn", "netscape",
                             "office", "opera", "other", "quick_time", "registry", "trash", "windows", "wmp",
                             "shareaza", "donkey", "photoshop6", "photoshop7", "photoshopCS", "photoshopCS2",
                             "mozilla", "thunderbird", "acdsee", "cuteftp", "divx", "winamp", "winrar", "zonealarm",
                             "netcaptor", "outlook", "rule_browsers", "rule_internet", "rule_multimedia",
                             "rule_utilities", "rule_applications", "rule_games"};
const int FileCount = sizeof Files / sizeof Files[0];

// A page of 8 x 8 pixels in the page colour, and what is drawn on it.
class Canvas {
public:
    Canvas()
    {
        Dc = CreateCompatibleDC(nullptr);
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = 8;
        info.bmiHeader.biHeight = -8;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        Bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        Old = SelectObject(Dc, Bitmap);
        HBRUSH brush = CreateSolidBrush(Page);
        RECT all = {0, 0, 8, 8};
        FillRect(Dc, &all, brush);
        DeleteObject(brush);
    }
    ~Canvas()
    {
        SelectObject(Dc, Old);
        DeleteObject(Bitmap);
        DeleteDC(Dc);
    }
    COLORREF At(int x, int y) const { return GetPixel(Dc, x, y); }
    HDC Dc;

private:
    HBITMAP Bitmap;
    HGDIOBJ Old;
};

class Icons : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        Folder = MakeScratchFolder("icons");
        CreateDirectoryA((Folder + "icons").c_str(), nullptr);
        for (int i = 0; i < FileCount; ++i)
            WriteTextFile(Folder + "icons\\" + Files[i] + ".tga", Tga(IconColour(i)));
        WriteTextFile(Folder + "icons\\checked.tga", Tga(RGB(0, 0, 0)));
        WriteTextFile(Folder + "icons\\unchecked.tga", Tga(RGB(255, 255, 255)));
        // Files beyond the table: slots without an image.
        for (const char* extra : {"spare1.tga", "spare2.tga", "readme.txt"})
            WriteTextFile(Folder + "icons\\" + extra, "x");
        IconsLoad(Folder);
    }
    static std::string Folder;
};

std::string Icons::Folder;

TEST_F(Icons, OneSlotPerFileTheTableLoaded)
{
    ASSERT_EQ(IconTable.size(), FileCount + 5u);
    for (int i = 0; i < FileCount; ++i)
        EXPECT_FALSE(IconTable[i].Image.Empty()) << Files[i];
    for (size_t i = FileCount; i < IconTable.size(); ++i)
        EXPECT_TRUE(IconTable[i].Image.Empty());
    EXPECT_FALSE(CheckedImage.Empty());
    EXPECT_FALSE(UncheckedImage.Empty());
}

TEST_F(Icons, TheBottomLeftColourIsLeftOut)
{
    Canvas canvas;
    DrawIssueIcon(canvas.Dc, 3, 2, 2);
    EXPECT_EQ(canvas.At(2, 5), Page);  // the bottom-left pixel
    EXPECT_EQ(canvas.At(5, 2), Page);  // the same colour elsewhere
    EXPECT_EQ(canvas.At(3, 3), IconColour(3));
    EXPECT_EQ(canvas.At(0, 0), Page);
    // The tick images are drawn whole.
    Canvas tick;
    DrawOpaque(tick.Dc, CheckedImage, 2, 2);
    EXPECT_EQ(tick.At(2, 5), Key);
    EXPECT_EQ(tick.At(3, 3), RGB(0, 0, 0));
}

TEST_F(Icons, ANumberWithoutAnImageDrawsOther)
{
    for (int number : {FileCount, FileCount + 4, FileCount + 5, 500, -1}) {
        SCOPED_TRACE(number);
        Canvas canvas;
        DrawIssueIcon(canvas.Dc, number, 2, 2);
        EXPECT_EQ(canvas.At(3, 3), IconColour(OtherIcon));
        EXPECT_EQ(canvas.At(2, 5), Page);
    }
}

TEST_F(Icons, NothingWhenOtherIsMissingToo)
{
    TIcon other = std::move(IconTable[OtherIcon]);
    Canvas canvas;
    DrawIssueIcon(canvas.Dc, 99, 2, 2);
    DrawIssueIcon(canvas.Dc, OtherIcon, 2, 2);
    EXPECT_EQ(canvas.At(3, 3), Page);
    IconTable[OtherIcon] = std::move(other);
}

}  // namespace
