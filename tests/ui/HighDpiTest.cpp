// The windows at 150% (144 dots per inch; HUSHMARK_DPI says which), in a sandbox of
// their own set to it: the program lays out and letters every window in pixels and says
// so in its manifest, so each window must keep its skin's size, every control inside its
// window and on its place of the skin, none over another, and no text running into a
// control's edge. Run at 96 too, where the same must hold.
#include "tests/ui/Driver.h"
#include "tools/seeder/Seeder.h"
#include "ui/SkinLayout.h"
#include "ui/Unit1.h"
#include "ui/Unit2.h"
#include "ui/Unit4.h"

#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

namespace {

int Dpi()
{
    const char* dpi = std::getenv("HUSHMARK_DPI");
    return dpi && *dpi ? std::atoi(dpi) : 144;
}

std::string Shot(const std::string& name) { return "dpi" + std::to_string(Dpi()) + "-" + name; }

// The driver reads the program's windows in pixels as they are: a driver unaware of the
// setting would be shown them scaled.
void BecomeDpiAware()
{
    using TSetProcessDPIAware = BOOL(WINAPI*)();
    auto aware = reinterpret_cast<TSetProcessDPIAware>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "SetProcessDPIAware")));
    if (aware)
        aware();
}

std::string Describe(HWND control)
{
    char name[64] = {};
    GetClassNameA(control, name, sizeof name);
    std::ostringstream text;
    text << name << " " << GetDlgCtrlID(control) << " \"" << Text(control) << "\"";
    return text.str();
}

// The control's rectangle in its parent's client area.
RECT PlaceOf(HWND control)
{
    RECT box;
    GetWindowRect(control, &box);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&box), 2);
    return box;
}

bool Inside(const RECT& inner, const RECT& outer)
{
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

std::vector<HWND> VisibleChildren(HWND window)
{
    std::vector<HWND> children;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (IsWindowVisible(child))
            children.push_back(child);
    return children;
}

// Every visible control lies inside its window's client area.
void ExpectControlsInside(HWND window)
{
    RECT client;
    GetClientRect(window, &client);
    for (HWND child : VisibleChildren(window)) {
        RECT box = PlaceOf(child);
        EXPECT_TRUE(Inside(box, client)) << Describe(child) << " at " << box.left << "," << box.top << "-"
                                         << box.right << "," << box.bottom << " outside " << client.right << " x "
                                         << client.bottom;
    }
}

// A text that the control cut shows up to its last column or row; a text that fits
// leaves the edges in the colour of the control's corner. For the standard controls: the
// skin's own lie on its pictures.
testing::AssertionResult EdgesBlank(HWND control)
{
    const RECT box = WindowBox(control);
    const int width = box.right - box.left, height = box.bottom - box.top;
    if (width < 4 || height < 4)
        return testing::AssertionFailure() << Describe(control) << " is " << width << " x " << height;
    const std::vector<char> pixels = Pixels(box, 32);
    // Rows bottom up: row 0 is the lowest.
    auto at = [&](int x, int y) {
        const char* p = &pixels[(static_cast<size_t>(height - 1 - y) * width + x) * 4];
        return RGB(p[2] & 0xFF, p[1] & 0xFF, p[0] & 0xFF);
    };
    const COLORREF background = at(width - 1, 0);
    for (int y = 0; y < height; ++y)
        if (at(width - 1, y) != background)
            return testing::AssertionFailure() << Describe(control) << ": the right edge is drawn on at row " << y;
    for (int x = 0; x < width; ++x)
        if (at(x, height - 1) != background)
            return testing::AssertionFailure() << Describe(control) << ": the bottom edge is drawn on at column "
                                               << x;
    return testing::AssertionSuccess();
}

class HighDpi : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        BecomeDpiAware();
        CreateDirectoryA("C:\\hushmark", nullptr);
        DeleteFileA((Tree + "options.ini").c_str());
        // More found issues than the results list shows at once.
        int planted = 0;
        for (const SeedPlan& plan : AllSeedPlans())
            if (plan.ClassName[0] == 'T' && planted++ < 40)
                Plant(plan);
        ASSERT_TRUE(StartProgram(Process));
        Main = WaitForMainWindow();
        ASSERT_NE(Main, nullptr) << "the main window did not appear";
        SetCursorPos(0, 0);
    }

    static void TearDownTestSuite() { StopProgram(Process, Main); }

    static HWND Options(const char* button)
    {
        Click(FindWindowExA(Main, nullptr, "HmImageButton", button));
        return WaitForWindow(Process.dwProcessId, "THushmarkOptions", "Options", 10000);
    }

    static PROCESS_INFORMATION Process;
    static HWND Main;
};

PROCESS_INFORMATION HighDpi::Process{};
HWND HighDpi::Main = nullptr;

TEST_F(HighDpi, TheSandboxRunsAtItsSetting)
{
    HDC screen = GetDC(nullptr);
    EXPECT_EQ(GetDeviceCaps(screen, LOGPIXELSY), Dpi());
    ReleaseDC(nullptr, screen);
}

TEST_F(HighDpi, MainWindowKeepsItsSkinAndEveryControlOnIt)
{
    EXPECT_TRUE(IsSkinned(Main, MainSkin::Width, MainSkin::Height));
    const struct {
        const char* Name;
        TSkinRect Rect;
    } buttons[] = {{"About", MainSkin::About},         {"minim", MainSkin::minim},
                   {"exit1", MainSkin::exit1},         {"privacy_meter", MainSkin::privacy_meter},
                   {"scan", MainSkin::scan},           {"panic", MainSkin::panic},
                   {"options", MainSkin::options},     {"scheduler", MainSkin::scheduler},
                   {"help", MainSkin::help}};
    for (const auto& button : buttons) {
        SCOPED_TRACE(button.Name);
        HWND control = FindWindowExA(Main, nullptr, "HmImageButton", button.Name);
        ASSERT_NE(control, nullptr);
        const RECT box = PlaceOf(control);
        EXPECT_EQ(box.left, button.Rect.Left);
        EXPECT_EQ(box.top, button.Rect.Top);
        EXPECT_EQ(box.right - box.left, button.Rect.Width);
        EXPECT_EQ(box.bottom - box.top, button.Rect.Height);
    }
    ExpectControlsInside(Main);
    SaveScreenshot(Main, Shot("main"));
}

TEST_F(HighDpi, ResultsWindowFullKeepsItsSkinAndItsRowsInTheList)
{
    HWND status = GetDlgItem(Main, IDC_MAIN_STATUS);
    const std::string initial = Text(status);
    PostMessageA(FindWindowExA(Main, nullptr, "HmImageButton", "scan"), BM_CLICK, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return Text(status) != initial; }, 300000)) << "the scan did not end";
    HWND results = FindWindowA("THushmarkResults", nullptr);
    ASSERT_NE(results, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(results) != FALSE; }));
    Pump(500);
    EXPECT_TRUE(IsSkinned(results, ResultsSkin::Width, ResultsSkin::Height));
    ExpectControlsInside(results);

    HWND output = FindWindowExA(results, nullptr, "ListBox", "Output");
    ASSERT_NE(output, nullptr);
    const RECT place = PlaceOf(output);
    EXPECT_EQ(place.left, ResultsSkin::Output.Left);
    EXPECT_EQ(place.top, ResultsSkin::Output.Top);
    EXPECT_EQ(place.right - place.left, ResultsSkin::Output.Width);
    EXPECT_EQ(place.bottom - place.top, ResultsSkin::Output.Height);
    RECT list;
    GetClientRect(output, &list);
    const LRESULT rows = Send(output, LB_GETCOUNT), top = Send(output, LB_GETTOPINDEX);
    ASSERT_GT(rows, 0);
    int shown = 0;
    for (LRESULT row = top; row < rows; ++row) {
        RECT item{};
        Send(output, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
        if (item.top >= list.bottom)
            break;
        ++shown;
        EXPECT_LE(item.right, list.right) << "row " << row;
        EXPECT_GE(item.left, 0) << "row " << row;
    }
    EXPECT_LT(shown, rows) << "the list is not full: more rows must be planted";
    SaveScreenshot(results, Shot("results"));
    PostMessageA(FindWindowExA(results, nullptr, "HmImageButton", "exit1"), BM_CLICK, 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(results); }));
}

TEST_F(HighDpi, OptionsWindowKeepsEveryControlWholeAndApart)
{
    const struct {
        const char* Button;
        int Page;
        const char* Shot;
    } pages[] = {{"options", PageGeneral, "options-general"},
                 {"scheduler", PageScheduler, "options-scheduler"},
                 {"options", PageCookies, "options-cookies"},
                 {"About", PageAbout, "options-about"}};
    for (const auto& page : pages) {
        SCOPED_TRACE(page.Shot);
        HWND form = Options(page.Button);
        ASSERT_NE(form, nullptr);
        HWND tabs = GetDlgItem(form, IDC_OPT_PAGES);
        if (Send(tabs, TCM_GETCURSEL) != page.Page) {
            // As a click on the tab: the control tells the form, which shows the page.
            Send(tabs, TCM_SETCURFOCUS, static_cast<WPARAM>(page.Page));
            EXPECT_TRUE(WaitUntil([&] { return Send(tabs, TCM_GETCURSEL) == page.Page; }, 5000));
        }
        Pump(300);
        RECT client;
        GetClientRect(form, &client);
        EXPECT_EQ(client.right, TOptionsForm::ClientWidth);
        EXPECT_EQ(client.bottom, TOptionsForm::ClientHeight);
        ExpectControlsInside(form);

        // Frames hold other controls by design; every other pair stays apart.
        std::vector<HWND> controls;
        for (HWND child : VisibleChildren(form)) {
            const int id = GetDlgCtrlID(child);
            const LONG style = GetWindowLongA(child, GWL_STYLE);
            char name[32] = {};
            GetClassNameA(child, name, sizeof name);
            const bool frame = id == IDC_OPT_PAGES || (lstrcmpiA(name, "Button") == 0 && (style & 0xF) == BS_GROUPBOX);
            if (!frame)
                controls.push_back(child);
        }
        for (size_t i = 0; i < controls.size(); ++i)
            for (size_t j = i + 1; j < controls.size(); ++j) {
                RECT a = PlaceOf(controls[i]), b = PlaceOf(controls[j]), both;
                EXPECT_FALSE(IntersectRect(&both, &a, &b))
                    << Describe(controls[i]) << " overlaps " << Describe(controls[j]);
            }
        for (HWND child : controls) {
            char name[32] = {};
            GetClassNameA(child, name, sizeof name);
            const LONG style = GetWindowLongA(child, GWL_STYLE);
            const bool checkBox = lstrcmpiA(name, "Button") == 0 && (style & 0xF) == BS_AUTOCHECKBOX;
            const bool label = lstrcmpiA(name, "Static") == 0 && (style & SS_TYPEMASK) == SS_LEFT;
            if (checkBox || label) {
                EXPECT_TRUE(EdgesBlank(child));
            }
        }
        SaveScreenshot(ClientBox(form), Shot(page.Shot));
        PostMessageA(GetDlgItem(form, IDCANCEL), BM_CLICK, 0, 0);
        ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(form); }));
    }
}

}  // namespace
