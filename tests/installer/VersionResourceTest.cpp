// The version number of the VERSION file is in every binary of the install tree, as
// Explorer's properties, the uninstall list and support questions read it.
#include <Version.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>
#include <windows.h>

namespace {

const char* const Tree = "C:\\Program Files\\Hushmark\\";

struct TFileVersion {
    bool Found = false;
    std::string Fixed, Text, Product, OriginalName;
};

std::string QueryText(std::vector<char>& data, const char* name)
{
    char* value = nullptr;
    UINT size = 0;
    const std::string path = std::string("\\StringFileInfo\\040904E4\\") + name;
    if (!VerQueryValueA(data.data(), path.c_str(), reinterpret_cast<void**>(&value), &size) || !value)
        return "<none>";
    return std::string(value);
}

TFileVersion ReadVersion(const std::string& file)
{
    TFileVersion version;
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeA(file.c_str(), &handle);
    if (size == 0)
        return version;
    std::vector<char> data(size);
    if (!GetFileVersionInfoA(file.c_str(), 0, size, data.data()))
        return version;
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT fixedSize = 0;
    if (!VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&fixed), &fixedSize) || !fixed)
        return version;
    version.Found = true;
    version.Fixed = std::to_string(HIWORD(fixed->dwFileVersionMS)) + "." + std::to_string(LOWORD(fixed->dwFileVersionMS)) +
                    "." + std::to_string(HIWORD(fixed->dwFileVersionLS));
    version.Text = QueryText(data, "FileVersion");
    version.Product = QueryText(data, "ProductVersion");
    version.OriginalName = QueryText(data, "OriginalFilename");
    return version;
}

TEST(VersionResourceTest, EveryBinaryOfTheTreeCarriesTheOneVersion)
{
    for (const char* name : {"Hushmark.exe", "hushmark-cli.exe", "clearing.dll"}) {
        SCOPED_TRACE(name);
        const TFileVersion version = ReadVersion(std::string(Tree) + name);
        ASSERT_TRUE(version.Found);
        EXPECT_EQ(version.Fixed, HUSHMARK_VERSION);
        EXPECT_EQ(version.Text, HUSHMARK_VERSION);
        EXPECT_EQ(version.Product, HUSHMARK_VERSION);
        EXPECT_EQ(version.OriginalName, name);
    }
}

}  // namespace
