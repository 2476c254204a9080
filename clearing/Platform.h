#pragma once

namespace Clearing {

// True on the NT family, where registry keys carry security; false on Windows 9x
// and when the version cannot be read at all.
bool IsNtPlatform();

} // namespace Clearing
