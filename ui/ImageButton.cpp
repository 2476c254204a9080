#include "ui/ImageButton.h"

#include <windowsx.h>

const char* const TImageButton::ClassName = "HmImageButton";

namespace {

void DrawPicture(HDC dc, const TPicture& picture, int x, int y, int width, int height, int sourceX, int sourceY)
{
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(memory, picture.Handle());
    BitBlt(dc, x, y, width, height, memory, sourceX, sourceY, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
}

}  // namespace

void TImageButton::Create(HWND parent, const char* name, const TSkinRect& rect, int id, const TPicture* background,
                          bool handCursor)
{
    RegisterWindowClass(ClassName, LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW)));
    Background = background;
    Rect = rect;
    HandCursor = handCursor;
    CreateHandle(ClassName, name, WS_CHILD | WS_VISIBLE, 0, rect.Left, rect.Top, rect.Width, rect.Height, parent, id);
}

void TImageButton::SetPictures(TPicture normal, TPicture hover, TPicture pressed)
{
    Normal = std::move(normal);
    Hover = std::move(hover);
    Pressed = std::move(pressed);
    Invalidate();
}

void TImageButton::Paint(HDC dc) const
{
    const TPicture* shown = &Normal;
    if (Holding && Hovering && !Pressed.Empty())
        shown = &Pressed;
    else if (Hovering && !Hover.Empty())
        shown = &Hover;
    if (!shown->Empty())
        DrawPicture(dc, *shown, 0, 0, Rect.Width, Rect.Height, 0, 0);
    else if (Background && !Background->Empty())
        DrawPicture(dc, *Background, 0, 0, Rect.Width, Rect.Height, Rect.Left, Rect.Top);
    else {
        RECT all = {0, 0, Rect.Width, Rect.Height};
        FillRect(dc, &all, GetSysColorBrush(COLOR_BTNFACE));
    }
}

void TImageButton::Click()
{
    HWND parent = GetParent(Handle());
    SendMessageA(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(Handle()), BN_CLICKED),
                 reinterpret_cast<LPARAM>(Handle()));
}

void TImageButton::SetHovering(bool hovering)
{
    if (hovering == Hovering)
        return;
    Hovering = hovering;
    Invalidate();
    if (!HintText.empty())
        SendMessageA(GetParent(Handle()), WM_HINT, hovering ? 1 : 0, reinterpret_cast<LPARAM>(this));
}

LRESULT TImageButton::WndProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(Handle(), &paint);
        Paint(dc);
        EndPaint(Handle(), &paint);
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;
    case WM_SETCURSOR:
        if (HandCursor) {
            SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_HAND)));
            return TRUE;
        }
        break;
    case WM_MOUSEMOVE: {
        POINT point = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        RECT all = {0, 0, Rect.Width, Rect.Height};
        const bool inside = PtInRect(&all, point) != FALSE;
        SetHovering(inside);
        if (inside && !Holding) {
            // A leave message ends the hover look when the mouse goes elsewhere.
            TRACKMOUSEEVENT track = {sizeof track, TME_LEAVE, Handle(), 0};
            TrackMouseEvent(&track);
        }
        return 0;
    }
    case WM_MOUSELEAVE:
        if (!Holding)
            SetHovering(false);
        return 0;
    case WM_LBUTTONDOWN:
        Holding = true;
        SetHovering(true);
        SetCapture(Handle());
        Invalidate();
        return 0;
    case WM_LBUTTONUP: {
        if (!Holding)
            return 0;
        const bool clicked = Hovering;
        Holding = false;
        ReleaseCapture();
        Invalidate();
        UpdateWindow(Handle());
        // After a click the button looks idle again, as the skin says, until the mouse moves.
        SetHovering(false);
        if (clicked)
            Click();
        return 0;
    }
    case WM_CAPTURECHANGED:
        if (Holding) {
            Holding = false;
            Invalidate();
        }
        return 0;
    case BM_CLICK:
        Click();
        return 0;
    }
    return TWindow::WndProc(message, wParam, lParam);
}
