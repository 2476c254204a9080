#pragma once
// The issue icons and the two tick-box images of the results list.
#include "ui/Pictures.h"

#include <string>
#include <vector>

// An issue icon, drawn without the colour of its bottom-left pixel.
struct TIcon {
    TPicture Image;
    TPicture Mask;  // monochrome: white where the image is see-through
};

// Indexed by an issue's "Icon" number; one slot per file in the icons folder, and never
// fewer than the table's 39, so that every number of the table has its slot.
extern std::vector<TIcon> IconTable;
extern TPicture CheckedImage, UncheckedImage;

// Number of the icon drawn for a number without an image of its own ("other").
const int OtherIcon = 11;
const int WindowsIcon = 15;
// The catalogue's icons are 0 to 32; the rules' categories follow, in this order.
enum { FirstRuleIcon = 33, RuleBrowsersIcon = FirstRuleIcon, RuleInternetIcon, RuleMultimediaIcon, RuleUtilitiesIcon,
       RuleApplicationsIcon, RuleGamesIcon };

// Fills IconTable, CheckedImage and UncheckedImage from icons\ beside the program. A
// missing or refused file is reported in the standard error box and ends the loading;
// whatever was loaded before it stays.
void IconsLoad(const std::string& programFolder);

// The icon of the number with its top-left corner at (x, y); a number outside the table
// or without an image draws "other", or nothing when that one is missing too.
void DrawIssueIcon(HDC dc, int number, int x, int y);
// A picture as it is, every pixel drawn.
void DrawOpaque(HDC dc, const TPicture& picture, int x, int y);
