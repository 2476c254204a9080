#pragma once
// Small text helpers shared by the engine, the primitives and the front ends.
#include <cstdint>
#include <string>
#include <vector>

// Removes leading and trailing characters with codes 0 to 32.
std::string Trim(const std::string& text);

// Letter case ignored by the system's locale rules (ASCII rules off Windows).
bool SameText(const std::string& a, const std::string& b);

// An optionally signed decimal number, or hexadecimal after "$" or "0x"; anything
// else (the empty text included, or a number out of 32-bit range) gives the default.
int32_t StrToIntDef(const std::string& text, int32_t fallback);

// Splits text into lines ended by CR LF, a lone LF or a lone CR. A final line
// without an ending counts; an ending at the very end adds no empty line.
std::vector<std::string> SplitLines(const std::string& text);

// The lines before the first empty one, each ended by CR LF; false (header untouched)
// when no line is empty.
bool LinesBeforeFirstEmpty(const std::string& text, std::string& header);

// The rest of the first line holding the marker; false (value untouched) when no line
// does or the marker is empty.
bool ValueAfterMarker(const std::string& text, const std::string& marker, std::string& value);

bool StartsWith(const std::string& text, const std::string& prefix);
bool EndsWith(const std::string& text, const std::string& suffix);
