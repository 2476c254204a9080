#pragma once
// Browsers whose issues clean their files without ending them first: while one runs,
// the files it holds cannot go, and the results window asks before solving.
#include "engine/PrivacyIssues.h"

#include <string>
#include <vector>

struct TBrowser {
    const char* Name;     // as the user knows it
    const char* ExeName;  // its process
};

// The browser whose files the issue cleans; nullptr when there is none, or when the
// issue's Solve ends the browser itself.
const TBrowser* BrowserOfIssue(const std::string& className);

// The browser a rule with this title cleans: the first one the title names, as a whole
// word ("Google Chrome Cache", "Firefox Session"); nullptr when it names none.
const TBrowser* BrowserOfRuleTitle(const std::string& title);

// The names of the browsers of those issues (built-in or rules) that run now, each once, in the order of the issues.
std::vector<std::string> RunningBrowsersOf(const std::vector<TPrivacyIssue*>& issues);
