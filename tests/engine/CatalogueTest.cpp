// The whole catalogue as the program ships it: the issue objects CreateAllIssues makes
// and the info.ini installed beside the program, both against the catalogue order.
#include "engine/IniFiles32.h"
#include "engine/ScannerInit.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <set>
#include <windows.h>

namespace {

// Where tools/wine-run puts the install tree.
const std::string InstalledInfo = "C:\\Program Files\\Hushmark\\info.ini";

TEST(CreateAllIssues, MakesTheWholeCatalogueOnceInItsOrder)
{
    TIssueList all;
    CreateAllIssues(all);
    const auto& order = CatalogueOrder();
    ASSERT_EQ(all.size(), 382u);
    ASSERT_EQ(order.size(), 382u);
    std::set<std::string> seen;
    for (size_t i = 0; i < all.size(); ++i) {
        std::string name = all[i]->ClassName();
        EXPECT_TRUE(seen.insert(name).second) << name << " made twice";
        EXPECT_EQ(name, order[i]) << "at position " << i + 1;
    }
    EXPECT_STREQ(all.front()->ClassName(), "TTempFolder");
    EXPECT_STREQ(all.back()->ClassName(), "TPaintShopPro80");
    // Positions counted from 1, as the catalogue numbers them.
    EXPECT_STREQ(all[114 - 1]->ClassName(), "TDiskExplorerProfessional3");
    EXPECT_STREQ(all[337 - 1]->ClassName(), "TMozillaFirefoxHistory");
    EXPECT_STREQ(all[343 - 1]->ClassName(), "TMozillaThunderbirdNews");
}

struct TSection {
    int Count = 0;
    std::map<std::string, std::string> Values;
};

// Sections by upper-cased name, as the reader finds headers without regard to case.
std::map<std::string, TSection> SectionsOf(const TIniFile32& ini, std::map<std::string, std::string>& spelled)
{
    std::map<std::string, TSection> sections;
    TSection* current = nullptr;
    for (const std::string& line : ini.Lines()) {
        if (TIniFile32::IsSectionLine(line)) {
            size_t open = line.find('['), close = line.find(']');
            std::string name = line.substr(open + 1, close - open - 1);
            std::string key = name;
            CharUpperA(&key[0]);
            spelled[key] = name;
            current = &sections[key];
            ++current->Count;
        } else if (current && line.find('=') != std::string::npos) {
            current->Values[TIniFile32::KeyOf(line)] = TIniFile32::ValueOf(line);
        }
    }
    return sections;
}

TEST(InstalledInfoIni, HoldsOneCompleteSectionForEveryClassAndNoOther)
{
    ASSERT_NE(GetFileAttributesA(InstalledInfo.c_str()), INVALID_FILE_ATTRIBUTES) << "no " << InstalledInfo;
    TIniFile32 ini(InstalledInfo);
    std::map<std::string, std::string> spelled;
    std::map<std::string, TSection> sections = SectionsOf(ini, spelled);

    std::set<std::string> classes;
    for (const std::string& name : CatalogueOrder()) {
        std::string key = name;
        CharUpperA(&key[0]);
        classes.insert(key);
        auto found = sections.find(key);
        if (found == sections.end()) {
            ADD_FAILURE() << "no section for " << name;
            continue;
        }
        const TSection& section = found->second;
        EXPECT_EQ(spelled[key], name) << "section spelled differently from the class";
        EXPECT_EQ(section.Count, 1) << name << " has more than one section";
        for (const char* field : {"Title", "Info", "Icon"}) {
            auto value = section.Values.find(field);
            EXPECT_TRUE(value != section.Values.end() && !value->second.empty()) << name << " lacks " << field;
        }
        auto icon = section.Values.find("Icon");
        if (icon != section.Values.end() && !icon->second.empty()) {
            char* end = nullptr;
            long number = std::strtol(icon->second.c_str(), &end, 10);
            EXPECT_TRUE(*end == '\0' && number >= 0) << name << ": Icon=" << icon->second;
        }
        // Through the program's own reader too: what the windows show.
        EXPECT_NE(ini.ReadString(name, "Title", ""), "") << name;
    }
    for (const auto& section : sections)
        EXPECT_TRUE(classes.count(section.first)) << "section for no class: [" << spelled[section.first] << "]";
    EXPECT_EQ(sections.size(), 382u);
}

}  // namespace
