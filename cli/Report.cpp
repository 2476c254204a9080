#include "cli/Report.h"

#include "cli/Json.h"

#include <cstdio>
#include <set>

namespace {

bool IsRegistryKind(EffectKind kind)
{
    switch (kind) {
    case EffectKind::DeleteKey:
    case EffectKind::DeleteValue:
    case EffectKind::ResetValue:
    case EffectKind::WriteValue:
    case EffectKind::ClearTree: return true;
    default: return false;
    }
}

std::string Grouped(uint64_t value)
{
    std::string digits = std::to_string(value);
    for (int i = static_cast<int>(digits.size()) - 3; i > 0; i -= 3)
        digits.insert(static_cast<size_t>(i), ",");
    return digits;
}

std::string Plural(uint64_t count, const char* one, const char* many)
{
    return Grouped(count) + " " + (count == 1 ? one : many);
}

std::string TotalsText(const EffectTotals& totals)
{
    return Plural(totals.Files, "file", "files") + " (" + Plural(totals.Bytes, "byte", "bytes") + "), " +
           Plural(totals.Folders, "folder", "folders") + ", " + Plural(totals.Keys, "key", "keys") + ", " +
           Plural(totals.Values, "value", "values") + ", " + Plural(totals.Processes, "process", "processes");
}

std::string EffectText(const Effect& effect)
{
    char kind[24];
    std::snprintf(kind, sizeof kind, "%-18s", EffectKindName(effect.Kind));
    std::string line = std::string("       ") + kind + effect.Path;
    switch (effect.Kind) {
    case EffectKind::DeleteValue:
    case EffectKind::ResetValue:
    case EffectKind::WriteValue: line += "  value \"" + effect.Name + "\""; break;
    case EffectKind::WriteIni: if (!effect.Name.empty()) line += "  [" + effect.Name + "]"; break;
    case EffectKind::EndProcess: line += effect.Name; break;
    default: break;
    }
    if (effect.Bytes)
        line += "  (" + Plural(effect.Bytes, "byte", "bytes") + ")";
    return line + "\n";
}

std::string IssueHead(const TIssueRow& row)
{
    char position[16];
    std::snprintf(position, sizeof position, "%4d  ", row.Position);
    return position + row.ClassName + "  " + row.Title + (row.Risky ? "  [risky]" : "");
}

std::string NamesLine(const char* head, const std::vector<std::string>& names)
{
    if (names.empty())
        return std::string();
    std::string line = head;
    for (const std::string& name : names)
        line += " " + name;
    return line + "\n";
}

// A rule's file, category and refused keys, under its head line.
std::string RuleText(const TIssueRow& row)
{
    if (!row.Rule)
        return std::string();
    std::string out = "      rule from " + row.Source + ", category " + row.Category + "\n";
    for (const auto& refused : row.Refused)
        out += "      refused " + refused.first + ": " + refused.second + "\n";
    return out;
}

std::string ListText(const TReport& report)
{
    std::string out;
    for (const TIssueRow& row : report.Issues) {
        char icon[24];
        std::snprintf(icon, sizeof icon, "  icon %d", row.Icon);
        out += IssueHead(row) + icon + (row.Scheduled ? "  scheduled" : "") + "\n" + RuleText(row);
    }
    return out;
}

std::string ScanText(const TReport& report)
{
    std::string out;
    for (const TIssueRow& row : report.Issues) {
        out += IssueHead(row) + "\n";
        if (!row.Info.empty())
            out += "      " + row.Info + "\n";
    }
    if (!report.Issues.empty())
        out += "\n";
    // The results window's status line, word for word.
    out += "Found " + std::to_string(report.Issues.size()) + " privacy leaks. " + std::to_string(report.Dangerous) +
           " of them can be dangerous to solve.\n";
    return out;
}

std::string PreviewText(const TReport& report)
{
    std::string out;
    for (const TIssueRow& row : report.Issues) {
        out += IssueHead(row) + "\n" + RuleText(row);
        for (const Effect& effect : row.Effects)
            out += EffectText(effect);
        if (row.Effects.empty())
            out += "       (nothing to remove)\n";
    }
    out += NamesLine("Not found:", report.NotFound);
    out += "\nSolving " + Plural(report.Issues.size(), "issue", "issues") + " would remove " +
           TotalsText(ReportTotals(report)) + ".\n";
    if (report.RestartRequired)
        out += "Solving them would require a restart of Windows.\n";
    out += "Nothing was changed.\n";
    return out;
}

std::string SolveText(const TReport& report)
{
    std::string out;
    for (const TIssueRow& row : report.Issues) {
        EffectTotals totals = TotalEffects(row.Effects);
        out += IssueHead(row) + ": " + Plural(row.Effects.size(), "item", "items") + ", " +
               Plural(totals.Bytes, "byte", "bytes") + " freed\n";
    }
    out += NamesLine("Not found:", report.NotFound);
    out += NamesLine("Left alone as risky (name them to solve them):", report.Skipped);
    size_t items = 0;
    for (const TIssueRow& row : report.Issues)
        items += row.Effects.size();
    out += "\nSolved " + Plural(report.Issues.size(), "issue", "issues") + ": " + Plural(items, "item", "items") +
           " removed or reset, " + TotalsText(ReportTotals(report)) + ".\n";
    if (report.RestartRequired)
        out += "Restart required\n";
    return out;
}

void JsonTotals(TJsonWriter& json, const EffectTotals& totals)
{
    json.Key("totals");
    json.BeginObject();
    json.Member("files", totals.Files);
    json.Member("bytes", totals.Bytes);
    json.Member("folders", totals.Folders);
    json.Member("keys", totals.Keys);
    json.Member("values", totals.Values);
    json.Member("processes", totals.Processes);
    json.EndObject();
}

void JsonEffect(TJsonWriter& json, const Effect& effect)
{
    json.BeginObject();
    json.Member("kind", std::string(EffectKindName(effect.Kind)));
    if (!effect.Path.empty())
        json.Member(IsRegistryKind(effect.Kind) ? "key" : "path", effect.Path);
    if (!effect.Name.empty())
        json.Member("name", effect.Name);
    json.Member("bytes", effect.Bytes);
    json.EndObject();
}

void JsonNames(TJsonWriter& json, const char* key, const std::vector<std::string>& names)
{
    json.Key(key);
    json.BeginArray();
    for (const std::string& name : names)
        json.Text(name);
    json.EndArray();
}

}  // namespace

EffectTotals ReportTotals(const TReport& report)
{
    // Issues overlap (a browser shell cleans the browser's cache too): each preview
    // sees the traces still there, so an effect counts once however many would do it.
    std::set<std::string> seen;
    std::vector<Effect> distinct;
    for (const TIssueRow& row : report.Issues)
        for (const Effect& effect : row.Effects)
            if (seen.insert(std::string(EffectKindName(effect.Kind)) + '|' + effect.Path + '|' + effect.Name).second)
                distinct.push_back(effect);
    return TotalEffects(distinct);
}

std::string RenderText(const TReport& report)
{
    if (report.Command == "list")
        return ListText(report);
    if (report.Command == "scan")
        return ScanText(report);
    if (report.Command == "preview")
        return PreviewText(report);
    return SolveText(report);
}

std::string RenderJson(const TReport& report)
{
    bool list = report.Command == "list";
    bool scan = report.Command == "scan";
    TJsonWriter json;
    json.BeginObject();
    json.Member("command", report.Command);
    json.Key("issues");
    json.BeginArray();
    for (const TIssueRow& row : report.Issues) {
        json.BeginObject();
        json.Member("position", row.Position);
        json.Member("class", row.ClassName);
        json.Member("title", row.Title);
        if (!list)
            json.Member("info", row.Info);
        json.Member("icon", row.Icon);
        if (row.Rule) {
            json.Member("source", row.Source);
            json.Member("category", row.Category);
        }
        if (row.Rule && (list || report.Command == "preview")) {
            json.Key("refused");
            json.BeginArray();
            for (const auto& refused : row.Refused) {
                json.BeginObject();
                json.Member("key", refused.first);
                json.Member("reason", refused.second);
                json.EndObject();
            }
            json.EndArray();
        }
        if (list)
            json.MemberBool("scheduled", row.Scheduled);
        else
            json.MemberBool("risky", row.Risky);
        if (!list && !scan) {
            json.Key("effects");
            json.BeginArray();
            for (const Effect& effect : row.Effects)
                JsonEffect(json, effect);
            json.EndArray();
            JsonTotals(json, TotalEffects(row.Effects));
        }
        json.EndObject();
    }
    json.EndArray();
    if (scan) {
        json.Member("found", static_cast<int>(report.Issues.size()));
        json.Member("dangerous", report.Dangerous);
    } else if (!list) {
        JsonNames(json, "not_found", report.NotFound);
        if (report.Command == "solve")
            JsonNames(json, "skipped", report.Skipped);
        JsonTotals(json, ReportTotals(report));
        json.MemberBool("restart_required", report.RestartRequired);
    }
    json.EndObject();
    return json.Result();
}
