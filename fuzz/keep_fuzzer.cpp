// The keep list against hostile entries and cookie files: a kept host always ends in
// its site at a dot, a filtered cookies.txt keeps the header and only whole lines of
// kept hosts, and an Internet Explorer file's hosts are names a host can have.
#include "engine/CookieFiles.h"
#include "fuzz/FuzzInput.h"
#include "primitives/Text.h"

#include <set>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::vector<std::string> parts = SplitInput(data, size, 4);
    parts.resize(4);
    TKeepList keep({parts[0], parts[1]});
    for (const std::string& site : keep.Sites())
        FUZZ_CHECK(NormalSite(site) == site && site.find('.') != std::string::npos && site.size() <= 253);

    std::string host = NormalHost(parts[2]);
    std::string site = keep.SiteKeeping(parts[2]);
    if (!site.empty())
        FUZZ_CHECK(host == site || (host.size() > site.size() && EndsWith(host, "." + site)));

    std::string result = "untouched";
    std::vector<std::string> sites;
    std::string header;
    bool cut = FilterCookiesTxt(parts[3], keep, result, sites);
    FUZZ_CHECK(cut == LinesBeforeFirstEmpty(parts[3], header));
    if (cut) {
        FUZZ_CHECK(StartsWith(result, header));
        std::vector<std::string> input = SplitLines(parts[3]);
        std::set<std::string> lines(input.begin(), input.end());
        std::vector<std::string> kept = SplitLines(result.substr(header.size()));
        for (size_t i = 1; i < kept.size(); ++i)
            FUZZ_CHECK(lines.count(kept[i]) == 1);
        FUZZ_CHECK(kept.empty() || kept[0].empty());
        FUZZ_CHECK(sites.empty() == kept.empty());
    } else {
        FUZZ_CHECK(result == "untouched");
    }

    for (const std::string& ieHost : IeCookieHosts(parts[3]))
        FUZZ_CHECK(!ieHost.empty() && NormalHost(ieHost) == ieHost);
    return 0;
}
