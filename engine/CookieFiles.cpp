#include "engine/CookieFiles.h"

#include "primitives/Text.h"

#include <algorithm>

namespace {

// The host field of a cookies.txt line; later Firefox writes HttpOnly cookies as
// comments with this prefix.
std::string CookiesTxtHost(const std::string& line)
{
    static const std::string HttpOnly = "#HttpOnly_";
    std::string rest = StartsWith(line, HttpOnly) ? line.substr(HttpOnly.size()) : line;
    size_t tab = rest.find('\t');
    if (tab == std::string::npos || (!rest.empty() && rest[0] == '#'))
        return std::string();
    return rest.substr(0, tab);
}

void AddOnce(std::vector<std::string>& list, const std::string& item)
{
    if (std::find(list.begin(), list.end(), item) == list.end())
        list.push_back(item);
}

}  // namespace

bool FilterCookiesTxt(const std::string& text, const TKeepList& keep, std::string& result,
                      std::vector<std::string>& keptSites)
{
    std::string header;
    if (!LinesBeforeFirstEmpty(text, header))
        return false;
    std::string kept;
    if (!keep.Empty()) {
        std::vector<std::string> lines = SplitLines(text);
        size_t line = 0;
        while (!lines[line].empty())
            ++line;
        for (++line; line < lines.size(); ++line) {
            std::string site = keep.SiteKeeping(CookiesTxtHost(lines[line]));
            if (site.empty())
                continue;
            kept += lines[line] + "\r\n";
            AddOnce(keptSites, site);
        }
    }
    result = kept.empty() ? header : header + "\r\n" + kept;
    return true;
}

std::vector<std::string> CookiesTxtHosts(const std::string& text)
{
    std::vector<std::string> lines = SplitLines(text), hosts;
    size_t line = 0;
    while (line < lines.size() && !lines[line].empty())
        ++line;
    for (++line; line < lines.size(); ++line) {
        std::string host = CookiesTxtHost(lines[line]);
        if (!host.empty())
            hosts.push_back(host);
    }
    return hosts;
}

std::vector<std::string> IeCookieHosts(const std::string& text)
{
    std::vector<std::string> lines = SplitLines(text), hosts;
    for (size_t start = 0; start + 2 < lines.size();) {
        std::string field = Trim(lines[start + 2]);
        std::string host = NormalHost(field.substr(0, field.find('/')));
        // One record we cannot read makes the whole file unreadable: its hosts are unknown.
        if (host.empty() || field.find('/') == std::string::npos)
            return {};
        AddOnce(hosts, host);
        // The next record begins after the "*" that ends this one.
        size_t end = start + 3;
        while (end < lines.size() && Trim(lines[end]) != "*")
            ++end;
        start = end + 1;
    }
    return hosts;
}

std::string IeCookieFileSite(const std::string& text, const TKeepList& keep)
{
    std::vector<std::string> hosts = IeCookieHosts(text);
    if (hosts.empty())
        return keep.SiteMentionedIn(text);
    for (const std::string& host : hosts) {
        std::string site = keep.SiteKeeping(host);
        if (!site.empty())
            return site;
    }
    return std::string();
}
