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

// Today's browsers, which rules clean, by a word of the rule's title; the rules of
// Hushmark and of winapp2.ini files name the browser in the title.
const TBrowser RuleBrowsers[] = {
    {"Google Chrome", "chrome.exe"},   {"Chromium", "chrome.exe"},   {"Microsoft Edge", "msedge.exe"},
    {"Firefox", "firefox.exe"},        {"Brave", "brave.exe"},       {"Vivaldi", "vivaldi.exe"},
    {"Opera", "opera.exe"},            {"Waterfox", "waterfox.exe"}, {"Pale Moon", "palemoon.exe"},
    {"SeaMonkey", "seamonkey.exe"},    {"Internet Explorer", "iexplore.exe"},
};
// Words that name a browser alone, without its maker.
const struct {
    const char* Word;
    const TBrowser* Browser;
} BrowserWords[] = {{"Chrome", &RuleBrowsers[0]}, {"Edge", &RuleBrowsers[2]}};

char Lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// The words appear in the title as whole words, letter case ignored.
bool HasWords(const std::string& title, const std::string& words)
{
    for (size_t at = 0; at + words.size() <= title.size(); ++at) {
        if (at > 0 && title[at - 1] != ' ')
            continue;
        size_t end = at + words.size();
        if (end < title.size() && title[end] != ' ')
            continue;
        bool same = true;
        for (size_t i = 0; i < words.size() && same; ++i)
            same = Lower(title[at + i]) == Lower(words[i]);
        if (same)
            return true;
    }
    return false;
}

const TBrowser* BrowserOf(const TPrivacyIssue& issue)
{
    TIssueText text;
    if (!issue.Unwrapped().OwnText(text))
        return BrowserOfIssue(issue.ClassName());
    return BrowserOfRuleTitle(text.Title);
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

const TBrowser* BrowserOfRuleTitle(const std::string& title)
{
    for (const TBrowser& browser : RuleBrowsers)
        if (HasWords(title, browser.Name))
            return &browser;
    for (const auto& word : BrowserWords)
        if (HasWords(title, word.Word))
            return word.Browser;
    return nullptr;
}

std::vector<std::string> RunningBrowsersOf(const std::vector<TPrivacyIssue*>& issues)
{
    std::vector<const TBrowser*> wanted;
    for (const TPrivacyIssue* issue : issues) {
        const TBrowser* browser = BrowserOf(*issue);
        if (browser && std::find(wanted.begin(), wanted.end(), browser) == wanted.end())
            wanted.push_back(browser);
    }
    std::vector<std::string> running;
    for (const TBrowser* browser : wanted)
        if (ProcessRunning(browser->ExeName))
            running.push_back(browser->Name);
    return running;
}
