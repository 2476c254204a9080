#include "catalogue/Families.h"

#include "catalogue/CatalogueHelpers.h"

bool FirefoxCheck()
{
    std::string appData = GetAppDataFolder();
    return IsDirectoryAt(appData, "\\Phoenix") || IsDirectoryAt(appData, "\\Mozilla\\Firefox");
}

std::string FirefoxPreamble()
{
    std::string appData = GetAppDataFolder();
    if (appData.empty())
        return std::string();
    std::string folder = appData + "\\Phoenix\\";
    if (!IsDirectory(folder))
        folder = appData + "\\Mozilla\\Firefox\\";
    KillProcess("firefox.exe");
    return folder;
}
