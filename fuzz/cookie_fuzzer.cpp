// A cookie file's text, cut after its header as the browser cleaners do. The header
// is the lines before the first empty one, every line kept whole and ended by CR LF.
#include "fuzz/FuzzInput.h"
#include "primitives/Text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string text(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> lines = SplitLines(text);
    bool hasEmpty = false;
    size_t blank = 0;
    while (blank < lines.size() && !(hasEmpty = lines[blank].empty()))
        ++blank;

    std::string header = "untouched";
    bool cut = LinesBeforeFirstEmpty(text, header);
    FUZZ_CHECK(cut == hasEmpty);
    if (!cut) {
        FUZZ_CHECK(header == "untouched");
        return 0;
    }
    // The lines before the empty one, unchanged and in order, and nothing else.
    std::vector<std::string> kept = SplitLines(header);
    FUZZ_CHECK(kept.size() == blank);
    for (size_t i = 0; i < blank; ++i)
        FUZZ_CHECK(kept[i] == lines[i]);
    FUZZ_CHECK(header.empty() || (header.size() >= 2 && header.compare(header.size() - 2, 2, "\r\n") == 0));
    FUZZ_CHECK(header.size() <= 2 * text.size());
    // The header has no empty line, so a second cut finds none and the walk stops.
    std::string again = "untouched";
    FUZZ_CHECK(!LinesBeforeFirstEmpty(header, again) || header.empty());
    return 0;
}
