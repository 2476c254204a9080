// The options window's "Cookies to keep" page: the keep list with Add and Remove, and
// the sites whose cookies are on this computer, to pick from.
#include "ui/Unit2.h"

#include "catalogue/KeptCookies.h"
#include "engine/CookiesToKeep.h"
#include "engine/Options.h"
#include "ui/Application.h"

#include <commctrl.h>

#include <algorithm>

namespace {

std::string ListText(HWND list, int row)
{
    const LRESULT length = SendMessageA(list, LB_GETTEXTLEN, static_cast<WPARAM>(row), 0);
    if (length <= 0)
        return std::string();
    std::string text(static_cast<size_t>(length) + 1, '\0');
    SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&text[0]));
    text.resize(static_cast<size_t>(length));
    return text;
}

std::vector<std::string> ListRows(HWND list)
{
    std::vector<std::string> rows;
    const int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
    for (int row = 0; row < count; ++row)
        rows.push_back(ListText(list, row));
    return rows;
}

void FillList(HWND list, const std::vector<std::string>& rows)
{
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    for (const std::string& row : rows)
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row.c_str()));
}

}  // namespace

void TOptionsForm::CreateCookiesPage()
{
    const DWORD tab = WS_TABSTOP;
    const DWORD list = LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_BORDER | tab;
    AddControl(PageCookies, "STATIC", "&Keep the cookies of these sites:", SS_LEFT, 16, 34, 240, 16,
               IDC_OPT_KEEP_LABEL);
    AddControl(PageCookies, "LISTBOX", "", list, 16, 52, 240, 146, IDC_OPT_KEEPLIST,
               "Hushmark keeps the cookies of these sites and of their subdomains");
    AddControl(PageCookies, "EDIT", "", ES_AUTOHSCROLL | WS_BORDER | tab, 16, 204, 160, 22, IDC_OPT_KEEPSITE,
               "Type a site name such as example.com");
    AddControl(PageCookies, "BUTTON", "A&dd", BS_PUSHBUTTON | tab, 182, 204, 74, 23, IDC_OPT_KEEPADD,
               "Keep the cookies of the site typed beside");
    AddControl(PageCookies, "BUTTON", "&Remove", BS_PUSHBUTTON | tab, 182, 232, 74, 23, IDC_OPT_KEEPREMOVE,
               "Clean the cookies of the selected site again");
    AddControl(PageCookies, "STATIC", "Sites with cookies on this computer:", SS_LEFT, 270, 34, 256, 16,
               IDC_OPT_FOUND_LABEL);
    AddControl(PageCookies, "LISTBOX", "", list | LBS_SORT, 270, 52, 256, 174, IDC_OPT_FOUNDSITES,
               "The sites whose cookies the scan finds; pick one to keep");
    AddControl(PageCookies, "BUTTON", "K&eep", BS_PUSHBUTTON | tab, 270, 232, 74, 23, IDC_OPT_KEEPFOUND,
               "Keep the cookies of the site selected above");
}

void TOptionsForm::KeepSitesToGUI()
{
    FillList(Item(IDC_OPT_KEEPLIST), App.Options().CookieSites);
    FillList(Item(IDC_OPT_FOUNDSITES), CookieSitesFound());
    SetWindowTextA(Item(IDC_OPT_KEEPSITE), "");
}

void TOptionsForm::KeepSitesFromGUI()
{
    App.Options().CookieSites = TKeepList(ListRows(Item(IDC_OPT_KEEPLIST))).Sites();
}

void TOptionsForm::AddKeptSite(const std::string& entry)
{
    const std::string site = NormalSite(entry);
    if (site.empty()) {
        SetStatusHint("\"" + entry + "\" is not a site name: type one such as example.com");
        return;
    }
    HWND list = Item(IDC_OPT_KEEPLIST);
    std::vector<std::string> rows = ListRows(list);
    if (std::find(rows.begin(), rows.end(), site) == rows.end())
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(site.c_str()));
    SetStatusHint("The cookies of " + site + " are kept once you click OK");
}

bool TOptionsForm::CookiesPageCommand(int id, int code)
{
    switch (id) {
    case IDC_OPT_KEEPADD:
        if (code == BN_CLICKED) {
            char text[512] = {};
            GetWindowTextA(Item(IDC_OPT_KEEPSITE), text, sizeof text);
            AddKeptSite(text);
            SetWindowTextA(Item(IDC_OPT_KEEPSITE), "");
        }
        return true;
    case IDC_OPT_KEEPREMOVE:
        if (code == BN_CLICKED) {
            HWND list = Item(IDC_OPT_KEEPLIST);
            const LRESULT row = SendMessageA(list, LB_GETCURSEL, 0, 0);
            if (row >= 0)
                SendMessageA(list, LB_DELETESTRING, static_cast<WPARAM>(row), 0);
        }
        return true;
    case IDC_OPT_KEEPFOUND:
    case IDC_OPT_FOUNDSITES: {
        HWND found = Item(IDC_OPT_FOUNDSITES);
        const bool pick = (id == IDC_OPT_KEEPFOUND && code == BN_CLICKED) || (id == IDC_OPT_FOUNDSITES && code == LBN_DBLCLK);
        const LRESULT row = SendMessageA(found, LB_GETCURSEL, 0, 0);
        if (pick && row >= 0)
            AddKeptSite(ListText(found, static_cast<int>(row)));
        return true;
    }
    }
    return false;
}
