#pragma once
// The base of every catalogue issue: Check tells whether traces of its kind exist,
// Solve removes them. Issues hold no state beyond the two flags.
#include <memory>
#include <string>
#include <vector>

// What the windows and the console show of an issue.
struct TIssueText {
    std::string Title;
    std::string Info;
    int Icon = 11;
};

class TPrivacyIssue {
public:
    TPrivacyIssue() = default;
    TPrivacyIssue(const TPrivacyIssue&) = delete;
    TPrivacyIssue& operator=(const TPrivacyIssue&) = delete;
    virtual ~TPrivacyIssue() = default;

    virtual bool Check() = 0;
    virtual void Solve() = 0;
    // The fixed class name: the issue's identity and its section in info.ini.
    virtual const char* ClassName() const = 0;
    // The catalogue's texts and flags are in info.ini under the class name; issues
    // made from rule files describe themselves and keep their flags apart.
    virtual bool OwnText(TIssueText&) const { return false; }
    virtual std::string FlagSection() const { return ClassName(); }
    // The issue itself; a wrapper that forwards to another issue answers that one.
    virtual const TPrivacyIssue& Unwrapped() const { return *this; }

    bool DefaultUnchecked = false;  // found unticked; solving it asks first
    bool Ticked = false;
};

using TIssueList = std::vector<std::unique_ptr<TPrivacyIssue>>;

// Set by a Solve whose cleaning completes only at the next start of Windows; cleared
// by the front end before each solving run.
extern bool RestartRequired;

// Gives a catalogue class its name: HM_ISSUE_NAME(TTempFolder) inside the class body.
#define HM_ISSUE_NAME(Name) \
public:                     \
    const char* ClassName() const override { return #Name; }
