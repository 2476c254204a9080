#pragma once
// A picture control over a skinned window (pictures: Part of the skin). It shows the
// pressed picture while the left button is held on it, the hover picture while the
// mouse is over it, else its normal picture; an empty picture lets the window's
// background show through, where the idle button is already drawn. Its window text is
// its stable name, by which tests and accessibility tools find it.
#include "ui/Pictures.h"
#include "ui/SkinLayout.h"
#include "ui/Window.h"

#include <string>

class TImageButton : public TWindow {
public:
    static const char* const ClassName;

    // Background: the parent's picture, drawn at the button's place when no picture of
    // the button's own applies. A click sends WM_COMMAND (id, BN_CLICKED) to the parent.
    void Create(HWND parent, const char* name, const TSkinRect& rect, int id, const TPicture* background,
                bool handCursor = false);
    void SetPictures(TPicture normal, TPicture hover, TPicture pressed);

    // Shown as a tooltip and, through WM_HINT to the parent, on the parent's hint line
    // while the mouse is over the button.
    std::string HintText;
    // Sent to the parent when the mouse comes (wParam 1) or goes (wParam 0); lParam is
    // the button's TImageButton.
    static const UINT WM_HINT = WM_APP + 1;

    TPicture Normal, Hover, Pressed;

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Paint(HDC dc) const;
    void Click();
    void SetHovering(bool hovering);
    const TPicture* Background = nullptr;
    TSkinRect Rect{};
    bool Hovering = false;
    bool Holding = false;
    bool HandCursor = false;
};
