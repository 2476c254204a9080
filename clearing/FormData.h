#pragma once
// The browser's saved form entries, kept in Protected Storage's registry area: one
// copy under the user's SID in HKEY_CURRENT_USER, one under the user name in
// HKEY_LOCAL_MACHINE.

namespace Clearing {

void ClearUserFormData();
void ClearMachineFormData();

} // namespace Clearing
