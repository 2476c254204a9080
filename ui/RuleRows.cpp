#include "ui/RuleRows.h"

#include "engine/Scanner.h"
#include "rules/RuleIssue.h"
#include "ui/Icons.h"
#include "ui/RuleDescription.h"

#include <cstring>

int RowIcon(const TScanner& scanner, const TPrivacyIssue& issue)
{
    const TRuleIssue* rule = AsRule(issue);
    if (!rule)
        return scanner.GetIcon(issue.ClassName());
    switch (rule->CategoryIcon()) {
    case TRuleCategoryIcon::Browsers: return RuleBrowsersIcon;
    case TRuleCategoryIcon::Windows: return WindowsIcon;
    case TRuleCategoryIcon::Applications: return RuleApplicationsIcon;
    case TRuleCategoryIcon::Multimedia: return RuleMultimediaIcon;
    case TRuleCategoryIcon::Utilities: return RuleUtilitiesIcon;
    case TRuleCategoryIcon::Games: return RuleGamesIcon;
    case TRuleCategoryIcon::Internet: return RuleInternetIcon;
    case TRuleCategoryIcon::Other: break;
    }
    return OtherIcon;
}

std::string RowCategory(const TPrivacyIssue& issue)
{
    const TRuleIssue* rule = AsRule(issue);
    return rule ? rule->Category() : std::string();
}

std::string RowTitle(const TScanner& scanner, const TPrivacyIssue& issue)
{
    return scanner.GetTitle(issue.ClassName());
}

std::string RowInfo(const TScanner& scanner, const TPrivacyIssue& issue)
{
    const TRuleIssue* rule = AsRule(issue);
    if (!rule)
        return scanner.GetInfo(issue.ClassName());
    return DescribeRule(rule->DeletionKeys(), rule->Warning());
}

void RowTitleParts(const TScanner& scanner, const TPrivacyIssue& issue, std::string& category, std::string& rest)
{
    category = RowCategory(issue);
    rest = RowTitle(scanner, issue);
    if (category.empty())
        return;
    const size_t length = category.size();
    if (rest.size() > length && rest[length] == ' ' && _strnicmp(rest.c_str(), category.c_str(), length) == 0) {
        category = rest.substr(0, length);
        rest = rest.substr(length);
    } else {
        category += ":";
        rest = " " + rest;
    }
}

std::string RowFullTitle(const TScanner& scanner, const TPrivacyIssue& issue)
{
    std::string category, rest;
    RowTitleParts(scanner, issue, category, rest);
    return category + rest;
}

bool FirstTick(const TScanner& scanner, const TPrivacyIssue& issue)
{
    const TRuleIssue* rule = AsRule(issue);
    return rule ? RuleTicked(scanner, *rule) : !issue.DefaultUnchecked;
}

void RememberTick(TScanner& scanner, const TPrivacyIssue& issue)
{
    if (const TRuleIssue* rule = AsRule(issue))
        SetRuleTicked(scanner, *rule, issue.Ticked);
}

bool TakesPartInPanic(const TScanner& scanner, const TPrivacyIssue& issue)
{
    const TRuleIssue* rule = AsRule(issue);
    return !rule || (rule->Warning().empty() && RuleTicked(scanner, *rule));
}

std::string SolveQuestion(const TScanner& scanner, const TPrivacyIssue& issue)
{
    const std::string title = scanner.GetTitle(issue.ClassName());
    const TRuleIssue* rule = AsRule(issue);
    if (rule && !rule->Warning().empty())
        return "Are you sure to clean up " + title + "? " + rule->Warning();
    return "Are you sure to clean up privacy leaks in " + title +
           "? It can contain some important information you may need.";
}
