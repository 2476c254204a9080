#pragma once
// The cookie files whose records we can read, filtered by the keep list. Portable.
#include "engine/CookiesToKeep.h"

#include <string>
#include <vector>

// A "cookies.txt" of Netscape and the Mozilla family: the header (the lines before the
// first empty one, each ended by CR LF), then, when any line's host is kept, an empty
// line and those lines unchanged. False (result untouched) when no line is empty, as
// the cut without a keep list.
bool FilterCookiesTxt(const std::string& text, const TKeepList& keep, std::string& result,
                      std::vector<std::string>& keptSites);

// The host of each cookie line after the header, as written.
std::vector<std::string> CookiesTxtHosts(const std::string& text);

// The hosts of an Internet Explorer cookie file: records of nine lines (name, value,
// "host/path", flags, four times, "*"). Empty when any record cannot be read.
std::vector<std::string> IeCookieHosts(const std::string& text);

// The listed site an Internet Explorer cookie file belongs to, or empty. A file whose
// records cannot be read counts as the site's when the site is named in it.
std::string IeCookieFileSite(const std::string& text, const TKeepList& keep);
