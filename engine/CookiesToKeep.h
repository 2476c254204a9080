#pragma once
// The sites whose cookies the cleaning keeps. "example.com" keeps the cookies of
// example.com and of every name ending in ".example.com", never of "badexample.com".
// Portable: no Windows calls, so that the matching is checked natively.
#include <string>
#include <vector>

// The entry as a site name: lower case, without blanks around it, a leading "." or
// "*." and a trailing "."; empty when it is no usable name (blank, a bare dot, longer
// than a host name can be, a character a host name cannot hold, a single label such
// as "com" that would keep a whole top-level domain).
std::string NormalSite(const std::string& entry);

// A cookie's host as stored ("example.com", ".example.com", "EXAMPLE.com."), in the
// form NormalSite gives; empty when it cannot be a host.
std::string NormalHost(const std::string& host);

class TKeepList {
public:
    TKeepList() = default;
    // Unusable entries are dropped, repeated ones kept once.
    explicit TKeepList(const std::vector<std::string>& entries);

    bool Empty() const { return FSites.empty(); }
    const std::vector<std::string>& Sites() const { return FSites; }

    // The listed site that keeps the cookies of this host, or empty.
    std::string SiteKeeping(const std::string& host) const;
    // For stores we cannot read record by record: a listed site whose every label
    // ("example", "com") stands as a word of its own somewhere in the bytes. It may
    // answer yes for a store without the site, never no for one with it.
    std::string SiteMentionedIn(const std::string& bytes) const;

private:
    std::vector<std::string> FSites;
};

// The list the Solves consult: the one options.ini held when it was last loaded or
// saved in this process. Empty until then.
TKeepList CookiesToKeep();
void SetCookiesToKeep(const TKeepList& list);
