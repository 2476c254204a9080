#pragma once
// What the skinned windows (main and results) do alike: the skin painted behind the
// window and its owner-drawn texts, the drag by the background, the rounded corners,
// centring, their fonts and the buttons' hints.
#include "ui/Pictures.h"

#include <windows.h>

class TImageButton;

const COLORREF SkinInk = RGB(0x1b, 0x2a, 0x3a);
// What shows where a skin picture is missing.
const COLORREF SkinPage = RGB(0xf2, 0xf5, 0xf9);

// The part of the skin at (sourceX, sourceY) into the box; the page colour without a skin.
void DrawSkin(HDC dc, const TPicture& back, const RECT& box, int sourceX, int sourceY);
// Answers WM_PAINT of a form that is its skin.
void PaintSkin(HWND form, const TPicture& back, int width, int height);
// The part of the form's skin behind an owner-drawn control.
void DrawSkinBehind(HWND form, const TPicture& back, const DRAWITEMSTRUCT& item);
// Owner-drawn text goes straight onto the skin; answers the font it replaced.
HGDIOBJ PrepareSkinText(HDC dc, HFONT font);

// Turns a client hit of WM_NCHITTEST on the bare background into a caption hit, so that
// only the background drags the window and the controls keep their clicks.
LRESULT DragByBackground(HWND form, LRESULT hit, LPARAM lParam);
// The region belongs to the window from then on; Windows deletes it.
void SetRoundCorners(HWND form, int width, int height, int ellipse);
// The top-left corner that centres a window of this size on the area.
POINT CentredIn(const RECT& area, int width, int height);
HFONT MakeFont(int height, int weight, const char* face);

HWND CreateHintTips(HWND owner);
void AddHint(HWND tips, HWND owner, TImageButton& button, const char* hint);
