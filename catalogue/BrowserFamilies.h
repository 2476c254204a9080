#pragma once
#include "catalogue/CatalogueHelpers.h"
// The parts that the Thunderbird, Netscape, Mozilla-suite and Opera families share.
#include <initializer_list>
#include <string>
#include <vector>

// Cookie files keep their header, the lines before the first empty one, and the lines
// of kept sites after it. False when the file has no empty line: the caller's walk over
// cookie files then stops.
bool CutAfterHeader(const std::string& file);
// Cuts each file in turn until one has no header.
void CutEachAfterHeader(const std::vector<std::string>& files);

// Thunderbird: installed when its App Paths entry names a program.
bool ThunderbirdCheck();
// The profiles folder of Thunderbird (empty without application data), after ending a
// running Thunderbird.
std::string ThunderbirdPreamble();
// The mail folders to search for a mailbox: the profiles' "Mail\" folder and the
// "Mail\" folder of every profile, where the mailboxes really lie.
std::vector<std::string> ThunderbirdMailFolders(const std::string& profiles);

// Netscape 4.x keeps its users below "Netscape" in the program files.
bool NetscapeCheck();
std::string NetscapeFolder();
// The current user's folder, without a trailing backslash, below the users folder that
// holds the first item found; empty when nothing was found or no user is named.
std::string NetscapeUserFolder(const std::string& firstFound);

// The Mozilla suite's folder below the application data, with a trailing backslash.
std::string MozillaFolder();
// True at the first item whose path does not contain "Firefox".
bool AnyOutsideFirefox(const std::vector<std::string>& items);
bool InFirefox(const std::string& path);

// Opera up to 7: the program file named by its App Paths entry, and its folder.
std::string OperaProgram();
std::string OperaFolder();
// Opera 8: the program path of its last command line, and its folder (empty when none).
std::string Opera8Program();
std::string Opera8Folder();
// Cuts a command line to its program path the way Opera's own value needs it.
std::string CutToProgramPath(const std::string& commandLine);

