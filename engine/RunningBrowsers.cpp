#include "engine/RunningBrowsers.h"

#include "primitives/Processes.h"

#include <algorithm>
#include <cstring>

namespace {

const TBrowser InternetExplorer = {"Internet Explorer", "iexplore.exe"};
const TBrowser Browsers[] = {
    {"Opera", "opera.exe"},
    {"Mozilla", "mozilla.exe"},
    {"Netscape", "netscape.exe"},
};

// The Internet Explorer issues by name; the others by the prefix of their family.
const char* const ExplorerIssues[] = {"TCookies", "TInternetCache", "THistory", "TIndexDat", "TAddressBarHistory",
                                      "TAutoCompleteForms", "TAutoCompletePWDs", "TUserData"};
const char* const FamilyPrefixes[] = {"TOpera", "TMozillaNavigator", "TNetscapeNavigator"};

bool StartsWith(const std::string& text, const char* prefix)
{
    return text.compare(0, strlen(prefix), prefix) == 0;
}

}  // namespace

const TBrowser* BrowserOfIssue(const std::string& className)
{
    for (const char* name : ExplorerIssues)
        if (className == name)
            return &InternetExplorer;
    for (size_t i = 0; i < sizeof FamilyPrefixes / sizeof FamilyPrefixes[0]; ++i)
        if (StartsWith(className, FamilyPrefixes[i]))
            return &Browsers[i];
    return nullptr;
}

std::vector<std::string> RunningBrowsersOf(const std::vector<TPrivacyIssue*>& issues)
{
    std::vector<const TBrowser*> wanted;
    for (const TPrivacyIssue* issue : issues) {
        const TBrowser* browser = BrowserOfIssue(issue->ClassName());
        if (browser && std::find(wanted.begin(), wanted.end(), browser) == wanted.end())
            wanted.push_back(browser);
    }
    std::vector<std::string> running;
    for (const TBrowser* browser : wanted)
        if (ProcessRunning(browser->ExeName))
            running.push_back(browser->Name);
    return running;
}
