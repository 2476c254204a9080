// A junction or symbolic link in every folder that an issue cleans, pointing at a folder
// of sentinels: no issue's Solve may take a sentinel. Wine 8 makes no such links, so a
// plain folder stands for one, marked as a link through the effects layer's attribute
// filter; its content plays the part of the link's target. The sentinels
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

const char SentinelText[] = "sentinel";

std::string Upper(std::string text)
{
    if (!text.empty())
        CharUpperA(&text[0]);
    return text;
}

std::set<std::string> LinkPaths;  // upper-cased, without a trailing backslash

DWORD MarkLinks(const std::string& path, DWORD attributes)
{
    return LinkPaths.count(Upper(path)) ? attributes | FILE_ATTRIBUTE_REPARSE_POINT : attributes;
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

// Two links in the folder of every file trace and in every folder trace: "hm-link", and
// one named like the folder it lies in (what a search of folders by that name finds).
// Each holds a sentinel of each trace name found beside it, a plain one, and a folder
// named like the one it lies in with the same sentinels.
LinkedPlan LayLinks(const SeedPlan& plan)
{
    // Upper-cased folder -> the folder, with its trailing backslash, and the trace names in it.
    std::map<std::string, std::pair<std::string, std::set<std::string>>> folders;
    auto note = [&](const std::string& folder) -> std::set<std::string>& {
        folders[Upper(folder)].first = folder;
        return folders[Upper(folder)].second;
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
        std::string own = NameOf(folder.substr(0, folder.size() - 1));
        std::set<std::string> names = entry.second;
        names.insert("sentinel.txt");
        for (const std::string& link : {folder + "hm-link", folder + own}) {
            if (FolderThere(link + "\\") || FileThere(link))
                continue;  // a trace of that name
            std::string inner = link + "\\" + own;
            CreateDirectoryA(link.c_str(), nullptr);
            CreateDirectoryA(inner.c_str(), nullptr);
            linked.Links.push_back(link);
            LinkPaths.insert(Upper(link));
            for (const std::string& name : names) {
                for (const std::string& where : {link, inner}) {
                    WriteSentinel(where + "\\" + name);
                    linked.Sentinels.push_back(where + "\\" + name);
                }
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
            LinkPaths.clear();
            Unplant(*plan);
        }
        std::printf("links issues=%d links=%d sentinels=%d sentinels_lost=%d\n", issues, links, sentinels, lost);
    }

    TIssueList Issues;
};

// HM_LINK_ISSUES="TOne,TTwo" runs only those, to look at a finding again.
TEST_F(LinksTest, EveryIssueKeepsEverySentinelBehindALink) { Run(); }

}  // namespace
