// A width byte, then any text: the lines give back the text, their number is the count,
// and no line but the last is empty or longer than the width while it holds a break.
#include "fuzz/FuzzInput.h"
#include "ui/Wrapping.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    // Signed, so that widths of zero and below (a list narrower than the font) come up.
    const int width = static_cast<int8_t>(data[0]);
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::vector<std::string> lines = WrapDescription(text, width);
    FUZZ_CHECK(static_cast<int>(lines.size()) == GetPartOfStrCount(text, width));
    std::string joined;
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        joined += line;
        if (i + 1 < lines.size()) {
            FUZZ_CHECK(!line.empty());
            const char last = line.back();
            // A cut line ends at a break within the width, or is a whole unbreakable rest.
            FUZZ_CHECK(((last == ' ' || last == '\\') && static_cast<int>(line.size()) <= width) ||
                       line.find_first_of(" \\") >= static_cast<size_t>(width));
        }
    }
    FUZZ_CHECK(joined == text);
    const int pos = FindBreakPos(text, width);
    FUZZ_CHECK(pos >= 0 && static_cast<size_t>(pos) <= text.size());
    return 0;
}
