#pragma once
// Carries the user's marks from the info.ini of an older install into the one a newer
// setup brings: solved marks, scheduled ticks and any flag a later version adds. The
// texts (title, description, icon) always come from the new file.
#include "engine/IniFiles32.h"

// Copies every value of the old file except the texts into the new one, creating
// sections the new file lacks (rule sections made at run time). Only what the program
// itself would read is carried: the first section of a name, the first key of a name in
// it. Returns the number of values carried. Saves the new file once.
int MergeIssueFlags(const TIniFile32& old, TIniFile32& fresh);
