#include "engine/CookiesToKeep.h"

#include <algorithm>
#include <mutex>

namespace {

// A host name is at most 253 characters, a label at most 63.
const size_t MaxNameLength = 253;
const size_t MaxLabelLength = 63;

char Lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool IsNameChar(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_';
}

bool IsWordChar(char c)
{
    return IsNameChar(Lower(c));
}

std::string Trimmed(const std::string& text)
{
    size_t first = 0, last = text.size();
    while (first < last && static_cast<unsigned char>(text[first]) <= ' ')
        ++first;
    while (last > first && static_cast<unsigned char>(text[last - 1]) <= ' ')
        --last;
    return text.substr(first, last - first);
}

// Lower case, without the leading "." of a domain cookie and the trailing "." of a
// fully qualified name; empty unless every label is a proper one.
std::string Normal(const std::string& raw, size_t minLabels)
{
    std::string name = Trimmed(raw);
    if (name.compare(0, 2, "*.") == 0)
        name.erase(0, 2);
    else if (!name.empty() && name[0] == '.')
        name.erase(0, 1);
    if (!name.empty() && name.back() == '.')
        name.pop_back();
    if (name.empty() || name.size() > MaxNameLength)
        return std::string();
    size_t labels = 1, labelLength = 0;
    for (char& c : name) {
        c = Lower(c);
        if (c == '.') {
            if (labelLength == 0)
                return std::string();
            ++labels;
            labelLength = 0;
        } else if (!IsNameChar(c) || ++labelLength > MaxLabelLength) {
            return std::string();
        }
    }
    if (labelLength == 0 || labels < minLabels)
        return std::string();
    return name;
}

// Whether the word occurs in the bytes with no name character right before or after.
bool HasWord(const std::string& bytes, const std::string& word)
{
    auto same = [](char a, char b) { return Lower(a) == b; };
    auto at = bytes.begin();
    for (;;) {
        at = std::search(at, bytes.end(), word.begin(), word.end(), same);
        if (at == bytes.end())
            return false;
        bool startsWord = at == bytes.begin() || !IsWordChar(*(at - 1));
        auto after = at + static_cast<std::ptrdiff_t>(word.size());
        if (startsWord && (after == bytes.end() || !IsWordChar(*after)))
            return true;
        ++at;
    }
}

std::mutex ListLock;
TKeepList CurrentList;

}  // namespace

std::string NormalSite(const std::string& entry)
{
    return Normal(entry, 2);
}

std::string NormalHost(const std::string& host)
{
    return Normal(host, 1);
}

TKeepList::TKeepList(const std::vector<std::string>& entries)
{
    for (const std::string& entry : entries) {
        std::string site = NormalSite(entry);
        if (!site.empty() && std::find(FSites.begin(), FSites.end(), site) == FSites.end())
            FSites.push_back(site);
    }
}

std::string TKeepList::SiteKeeping(const std::string& host) const
{
    std::string name = NormalHost(host);
    if (name.empty())
        return std::string();
    for (const std::string& site : FSites) {
        if (name == site)
            return site;
        if (name.size() > site.size() && name.compare(name.size() - site.size(), site.size(), site) == 0 &&
            name[name.size() - site.size() - 1] == '.')
            return site;
    }
    return std::string();
}

std::string TKeepList::SiteMentionedIn(const std::string& bytes) const
{
    for (const std::string& site : FSites) {
        bool all = true;
        for (size_t start = 0; all && start <= site.size();) {
            size_t dot = site.find('.', start);
            if (dot == std::string::npos)
                dot = site.size();
            all = HasWord(bytes, site.substr(start, dot - start));
            start = dot + 1;
        }
        if (all)
            return site;
    }
    return std::string();
}

TKeepList CookiesToKeep()
{
    std::lock_guard<std::mutex> lock(ListLock);
    return CurrentList;
}

void SetCookiesToKeep(const TKeepList& list)
{
    std::lock_guard<std::mutex> lock(ListLock);
    CurrentList = list;
}
