// Marker NUL file text (the text may hold further NULs). The value is the rest of the
// first line holding the marker: found exactly when a line holds it, never crossing a
// line's end.
#include "fuzz/FuzzInput.h"
#include "primitives/Text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::vector<std::string> parts = SplitInput(data, size, 2);
    const std::string& marker = parts[0];
    std::string text = parts.size() > 1 ? parts[1] : std::string();

    std::string value = "untouched";
    bool found = ValueAfterMarker(text, marker, value);
    bool plainMarker = marker.find_first_of("\r\n") == std::string::npos;
    if (marker.empty() || !plainMarker) {
        FUZZ_CHECK(!found);
    } else {
        FUZZ_CHECK(found == (text.find(marker) != std::string::npos));
    }
    if (!found) {
        FUZZ_CHECK(value == "untouched");
        return 0;
    }
    FUZZ_CHECK(value.find_first_of("\r\n") == std::string::npos);
    // Marker and value stand together in the text, up to a line's end.
    size_t at = text.find(marker + value);
    FUZZ_CHECK(at != std::string::npos);
    size_t end = at + marker.size() + value.size();
    FUZZ_CHECK(end == text.size() || text[end] == '\r' || text[end] == '\n');
    // The first such line: no earlier line holds the marker.
    size_t lineStart = text.find_last_of("\r\n", at);
    lineStart = lineStart == std::string::npos ? 0 : lineStart + 1;
    FUZZ_CHECK(text.substr(0, lineStart).find(marker) == std::string::npos);
    return 0;
}
