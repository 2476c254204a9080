#include "ui/SkinnedForm.h"

#include "ui/ImageButton.h"

#include <commctrl.h>
#include <windowsx.h>

void DrawSkin(HDC dc, const TPicture& back, const RECT& box, int sourceX, int sourceY)
{
    if (back.Empty()) {
        HBRUSH page = CreateSolidBrush(SkinPage);
        FillRect(dc, &box, page);
        DeleteObject(page);
        return;
    }
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(memory, back.Handle());
    BitBlt(dc, box.left, box.top, box.right - box.left, box.bottom - box.top, memory, sourceX, sourceY, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
}

void PaintSkin(HWND form, const TPicture& back, int width, int height)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(form, &paint);
    const RECT all = {0, 0, width, height};
    DrawSkin(dc, back, all, 0, 0);
    EndPaint(form, &paint);
}

void DrawSkinBehind(HWND form, const TPicture& back, const DRAWITEMSTRUCT& item)
{
    POINT origin = {0, 0};
    MapWindowPoints(item.hwndItem, form, &origin, 1);
    DrawSkin(item.hDC, back, item.rcItem, origin.x, origin.y);
}

HGDIOBJ PrepareSkinText(HDC dc, HFONT font)
{
    HGDIOBJ old = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, SkinInk);
    return old;
}

LRESULT DragByBackground(HWND form, LRESULT hit, LPARAM lParam)
{
    if (hit != HTCLIENT)
        return hit;
    POINT point = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    ScreenToClient(form, &point);
    HWND child = ChildWindowFromPointEx(form, point, CWP_SKIPINVISIBLE);
    return !child || child == form ? HTCAPTION : HTCLIENT;
}

void SetRoundCorners(HWND form, int width, int height, int ellipse)
{
    SetWindowRgn(form, CreateRoundRectRgn(0, 0, width + 1, height + 1, ellipse, ellipse), FALSE);
}

POINT CentredIn(const RECT& area, int width, int height)
{
    return {area.left + (area.right - area.left - width) / 2, area.top + (area.bottom - area.top - height) / 2};
}

HFONT MakeFont(int height, int weight, const char* face)
{
    return CreateFontA(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, face);
}

HWND CreateHintTips(HWND owner)
{
    return CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                           CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr, GetModuleHandleA(nullptr),
                           nullptr);
}

void AddHint(HWND tips, HWND owner, TImageButton& button, const char* hint)
{
    button.HintText = hint;
    if (!tips)
        return;
    // The old size of TOOLINFO, which every version of the common controls accepts.
    TOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V1_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = owner;
    tool.uId = reinterpret_cast<UINT_PTR>(button.Handle());
    tool.lpszText = const_cast<char*>(button.HintText.c_str());
    SendMessageA(tips, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}
