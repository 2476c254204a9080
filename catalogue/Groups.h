#pragma once
// The catalogue groups: each returns how to make every class it defines.
#include "engine/ScannerInit.h"

#include <vector>

std::vector<TIssueRegistration> CatalogueGroupA();  // news, file sharing, image tools, help workshops
std::vector<TIssueRegistration> CatalogueGroupB();  // FTP and web authoring, toolbars, media
std::vector<TIssueRegistration> CatalogueGroupC();  // archivers, players and recent-file lists
std::vector<TIssueRegistration> CatalogueGroupD();  // editors, newsreaders, office programs
std::vector<TIssueRegistration> CatalogueGroupE();  // utilities, downloaders, Windows logs
std::vector<TIssueRegistration> CatalogueGroupF();  // the browser families and mail
std::vector<TIssueRegistration> CatalogueGroupG();  // Windows, Internet Explorer, chat and sharing
