// A junction or symbolic link in every folder that an issue cleans, pointing at a folder
// of sentinels: no issue's Solve may take a sentinel. Wine 8 makes no such links, so a
// folder named "hm-link" stands for one, marked as a link through the effects layer's
// attribute filter; its content plays the part of the link's target. The sentinels
// carry the names of the traces beside them, so that a search by mask would match them.
#include "catalogue/CatalogueHelpers.h"
#include "engine/ScannerInit.h"
#include "engine/Scanner.h"
#include "primitives/EffectsTesting.h"
#include "tests/primitives/Helpers.h"
#include "tools/seeder/Seeder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <set>

namespace {

const char LinkName[] = "hm-link";
const char SentinelText[] = "sentinel";

DWORD MarkLinks(const std::string& path, DWORD attributes)
{
    return _stricmp(NameOf(path).c_str(), LinkName) == 0 ? attributes | FILE_ATTRIBUTE_REPARSE_POINT : attributes;
}

bool HoldsSentinel(const std::string& path)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    char buffer[sizeof SentinelText] = {};
    DWORD got = 0;
    ReadFile(file, buffer, sizeof buffer - 1, &got, nullptr);
    CloseHandle(file);
    return std::strcmp(buffer, SentinelText) == 0;
}

void WriteSentinel(const std::string& path)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << path;
    DWORD written = 0;
    WriteFile(file, SentinelText, sizeof SentinelText - 1, &written, nullptr);
    CloseHandle(file);
}

struct LinkedPlan {
    std::vector<std::string> Links;      // the folders standing for links
    std::vector<std::string> Sentinels;  // every file behind them
};

// A link in the folder of every file trace and in every folder trace, holding a
// sentinel of each trace name found there, a plain one and a folder of the same name
// as the one it lies in (for searches of folders by name).
LinkedPlan LayLinks(const SeedPlan& plan)
{
    // Upper-cased folder -> the folder, with its trailing backslash, and the trace names in it.
    std::map<std::string, std::pair<std::string, std::set<std::string>>> folders;
    auto note = [&](const std::string& folder) -> std::set<std::string>& {
        std::string key = folder;
        CharUpperA(&key[0]);
        folders[key].first = folder;
        return folders[key].second;
    };
    for (const TraceItem& item : plan.Items) {
        std::string path = ExpandPath(item.Where);
        if (item.What == TraceItem::File)
            note(FolderOf(path)).insert(NameOf(path));
        else if (item.What == TraceItem::Folder)
            note(path.back() == '\\' ? path : path + "\\");
    }
    LinkedPlan linked;
    for (auto& [key, entry] : folders) {
        const std::string& folder = entry.first;
        // A drive root or a folder the plan did not make is no folder the issue cleans.
        if (folder.size() <= 3 || !FolderThere(folder))
            continue;
        std::string link = folder + LinkName;
        std::string inner = link + "\\" + NameOf(folder.substr(0, folder.size() - 1));
        CreateDirectoryA(link.c_str(), nullptr);
        CreateDirectoryA(inner.c_str(), nullptr);
        linked.Links.push_back(link);
        std::set<std::string> names = entry.second;
        names.insert("sentinel.txt");
        for (const std::string& name : names) {
            for (const std::string& where : {link, inner}) {
                WriteSentinel(where + "\\" + name);
                linked.Sentinels.push_back(where + "\\" + name);
            }
        }
    }
    return linked;
}

class LinksTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        RequireSandbox();
        CreateAllIssues(Issues);
        SetTreeAttributeFilter(MarkLinks);
    }
    void TearDown() override { SetTreeAttributeFilter(nullptr); }

    void Run()
    {
        int issues = 0, links = 0, sentinels = 0, lost = 0;
        const char* only = std::getenv("HM_LINK_ISSUES");
        for (size_t i = 0; i < Issues.size(); ++i) {
            TPrivacyIssue& issue = *Issues[i];
            std::string name = issue.ClassName();
            if (only && ("," + std::string(only) + ",").find("," + name + ",") == std::string::npos)
                continue;
            const SeedPlan* plan = FindSeedPlan(name);
            if (!plan)
                continue;
            Unplant(*plan);
            Plant(*plan);
            LinkedPlan linked = LayLinks(*plan);
            RestartRequired = false;
            GuardedCheck(issue);
            GuardedSolve(issue);
            ++issues;
            links += static_cast<int>(linked.Links.size());
            sentinels += static_cast<int>(linked.Sentinels.size());
            for (const std::string& sentinel : linked.Sentinels) {
                bool kept = HoldsSentinel(sentinel);
                lost += !kept;
                EXPECT_TRUE(kept) << name << " took " << sentinel << " through a link";
            }
            for (const std::string& link : linked.Links)
                RemoveTree(link);
            Unplant(*plan);
        }
        std::printf("links issues=%d links=%d sentinels=%d sentinels_lost=%d\n", issues, links, sentinels, lost);
    }

    TIssueList Issues;
};

// HM_LINK_ISSUES="TOne,TTwo" runs only those, to look at a finding again.
TEST_F(LinksTest, EveryIssueKeepsEverySentinelBehindALink) { Run(); }

}  // namespace
