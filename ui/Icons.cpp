#include "ui/Icons.h"

#include "primitives/Files.h"
#include "ui/Window.h"

#include <algorithm>
#include <exception>

std::vector<TIcon> IconTable;
TPicture CheckedImage, UncheckedImage;

namespace {

const char* const IconFiles[] = {
    "acro_reader", "aol",      "avant",       "firefox",      "icq",         "ie",          "mirc",
    "msn",         "netscape", "office",      "opera",        "other",       "quick_time",  "registry",
    "trash",       "windows",  "wmp",         "shareaza",     "donkey",      "photoshop6",  "photoshop7",
    "photoshopCS", "photoshopCS2", "mozilla", "thunderbird",  "acdsee",      "cuteftp",     "divx",
    "winamp",      "winrar",   "zonealarm",   "netcaptor",    "outlook",
    // The categories of rules (FirstRuleIcon on).
    "rule_browsers", "rule_internet", "rule_multimedia", "rule_utilities", "rule_applications", "rule_games"};
const int TableSize = sizeof IconFiles / sizeof IconFiles[0];

// Blacks out the see-through pixels of the image and returns the mask that keeps them:
// drawing is then an AND with the mask and an OR with the image, which every Windows
// version can do (TransparentBlt is missing on the oldest).
TPicture MakeMask(const TPicture& image)
{
    const int width = image.Width(), height = image.Height();
    HBITMAP mask = CreateBitmap(width, height, 1, 1, nullptr);
    HDC imageDc = CreateCompatibleDC(nullptr);
    HDC maskDc = CreateCompatibleDC(nullptr);
    HGDIOBJ oldImage = SelectObject(imageDc, image.Handle());
    HGDIOBJ oldMask = SelectObject(maskDc, mask);
    // Colour to monochrome: pixels of the background colour become white.
    SetBkColor(imageDc, GetPixel(imageDc, 0, height - 1));
    BitBlt(maskDc, 0, 0, width, height, imageDc, 0, 0, SRCCOPY);
    // Monochrome to colour: white becomes the background colour, black the text colour.
    SetBkColor(imageDc, RGB(255, 255, 255));
    SetTextColor(imageDc, RGB(0, 0, 0));
    BitBlt(imageDc, 0, 0, width, height, maskDc, 0, 0, 0x00220326);  // image AND NOT mask
    SelectObject(maskDc, oldMask);
    SelectObject(imageDc, oldImage);
    DeleteDC(maskDc);
    DeleteDC(imageDc);
    return TPicture(mask, width, height);
}

void Blit(HDC dc, const TPicture& picture, int x, int y, DWORD operation)
{
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(memory, picture.Handle());
    BitBlt(dc, x, y, picture.Width(), picture.Height(), memory, 0, 0, operation);
    SelectObject(memory, old);
    DeleteDC(memory);
}

const TIcon* Usable(int number)
{
    if (number < 0 || static_cast<size_t>(number) >= IconTable.size() || IconTable[number].Image.Empty() ||
        IconTable[number].Mask.Empty())
        return nullptr;
    return &IconTable[number];
}

}  // namespace

void IconsLoad(const std::string& programFolder)
{
    const std::string folder = programFolder + "icons\\";
    IconTable.clear();
    IconTable.resize(static_cast<size_t>(std::max(CountFiles(folder), TableSize)));
    try {
        for (int i = 0; i < TableSize; ++i) {
            IconTable[i].Image = LoadPicture(folder + IconFiles[i] + ".tga");
            IconTable[i].Mask = MakeMask(IconTable[i].Image);
        }
        CheckedImage = LoadPicture(folder + "checked.tga");
        UncheckedImage = LoadPicture(folder + "unchecked.tga");
    } catch (const std::exception& error) {
        ShowError(nullptr, error.what());
    }
}

void DrawIssueIcon(HDC dc, int number, int x, int y)
{
    const TIcon* icon = Usable(number);
    if (!icon)
        icon = Usable(OtherIcon);
    if (!icon)
        return;
    const COLORREF background = SetBkColor(dc, RGB(255, 255, 255));
    const COLORREF text = SetTextColor(dc, RGB(0, 0, 0));
    Blit(dc, icon->Mask, x, y, SRCAND);
    Blit(dc, icon->Image, x, y, SRCPAINT);
    SetBkColor(dc, background);
    SetTextColor(dc, text);
}

void DrawOpaque(HDC dc, const TPicture& picture, int x, int y)
{
    if (!picture.Empty())
        Blit(dc, picture, x, y, SRCCOPY);
}
