#include "cli/Keep.h"

#include "cli/Commands.h"
#include "cli/Json.h"
#include "engine/Options.h"

#include <cstdio>

namespace {

void PrintList(const TCommandLine& line, const TOptions& options)
{
    std::string out;
    if (line.Json) {
        TJsonWriter json;
        json.BeginObject();
        json.Member("command", std::string("keep"));
        json.Key("sites");
        json.BeginArray();
        for (const std::string& site : options.CookieSites)
            json.Text(site);
        json.EndArray();
        json.EndObject();
        out = json.Result() + "\n";
    } else if (options.CookieSites.empty()) {
        out = "No cookies are kept: the cleaning removes every cookie.\n";
    } else {
        for (const std::string& site : options.CookieSites)
            out += site + "\n";
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    std::fflush(stdout);
}

}  // namespace

int RunKeep(const TCommandLine& line, TOptions& options)
{
    options.LoadCookiesToKeep();
    if (line.KeepAction != "list") {
        bool changed = line.KeepAction == "add" ? options.AddCookieSite(line.KeepSite)
                                                : options.RemoveCookieSite(line.KeepSite);
        if (!changed) {
            std::fprintf(stderr, "hushmark-cli: %s\n",
                         (line.KeepAction == "add" ? "not a site name: \"" + line.KeepSite + "\""
                                                   : "not in the list: \"" + line.KeepSite + "\"")
                             .c_str());
            return ExitUsage;
        }
        options.SaveCookiesToKeep();
    }
    PrintList(line, options);
    return ExitDone;
}
