#pragma once
// The Solves that delete cookies, with the keep list (CookiesToKeep): what belongs to a
// listed site stays and is noted as kept; with an empty list each helper does exactly
// what the plain helper of CatalogueHelpers.h does.
#include <string>
#include <vector>

// An Internet Explorer cookie folder (base + tail), emptied like EmptyFolder. With a
// keep list, the files of listed sites stay and so does the folder's index.dat, which
// would otherwise forget them; subfolders without a kept file go whole.
void EmptyCookieFolder(const std::string& base, const std::string& tail);
// Whether the index of the cookie folder must stay for the kept cookie files; noted as
// kept when so.
bool KeepCookieIndex(const std::string& cookiesFolder);

// Stores we cannot filter record by record: when a listed site is named in the file,
// it stays whole and the preview says so.
bool KeepWholeStore(const std::string& file);
// DeleteIn, EmptyFolder(..., keepSubfolders) and TruncateEachFound for such stores.
void DeleteCookieStoreIn(const std::string& base, const std::string& tail);
void EmptyCookieStores(const std::string& base, const std::string& tail, const std::string& mask);
void TruncateCookieStores(const std::string& folder, const char* mask);

// The sites of the cookies on this machine, for the user to pick from: the hosts of the
// Internet Explorer cookie files and of the Mozilla family's cookie files and databases,
// without "www.", sorted, each once. Reads only.
std::vector<std::string> CookieSitesFound();
