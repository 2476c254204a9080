#pragma once
// How the windows show and treat an issue that comes from a rule file beside the
// catalogue's: its category's icon and name before its title, a description of what it
// deletes, the tick the user gave it (remembered in info.ini), its own warning, and
// panic mode leaving out what is risky or unticked.
#include <string>

class TPrivacyIssue;
class TScanner;

int RowIcon(const TScanner& scanner, const TPrivacyIssue& issue);
// A rule's category ("Google Chrome", "Windows", "Games"); empty for a catalogue issue.
std::string RowCategory(const TPrivacyIssue& issue);
std::string RowTitle(const TScanner& scanner, const TPrivacyIssue& issue);
std::string RowInfo(const TScanner& scanner, const TPrivacyIssue& issue);
// A row's title in two parts: the rule's category, drawn in its own colour, and the
// rest. A title that starts with its category shows it there ("Google Chrome" + " Cache");
// another gets it before ("Internet:" + " Discord Cache"). A catalogue issue's title is
// all rest.
void RowTitleParts(const TScanner& scanner, const TPrivacyIssue& issue, std::string& category, std::string& rest);
// Both parts as one text (the list's own strings, exports).
std::string RowFullTitle(const TScanner& scanner, const TPrivacyIssue& issue);

// The tick of a found issue: a catalogue issue's unless it is risky, a rule's as the
// user left it, else as its file says (Default=True).
bool FirstTick(const TScanner& scanner, const TPrivacyIssue& issue);
// Keeps the user's tick of a rule for later scans and runs; nothing for the catalogue.
// Raises when info.ini cannot be saved.
void RememberTick(TScanner& scanner, const TPrivacyIssue& issue);
// Panic mode solves every catalogue issue, and of the rules those ticked without a warning.
bool TakesPartInPanic(const TScanner& scanner, const TPrivacyIssue& issue);
// The question asked before a risky issue is solved: a rule asks with its own warning.
std::string SolveQuestion(const TScanner& scanner, const TPrivacyIssue& issue);
