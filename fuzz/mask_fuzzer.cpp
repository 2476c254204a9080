// Name NUL mask. An invalid mask may raise Exception; nothing else may escape.
#include "fuzz/FuzzInput.h"
#include "primitives/Errors.h"
#include "primitives/MatchesMask.h"

#include <cctype>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::vector<std::string> parts = SplitInput(data, size, 2);
    const std::string& name = parts[0];
    std::string mask = parts.size() > 1 ? parts[1] : std::string();
    try {
        MatchesMask(name, mask);
    } catch (const Exception&) {
    }

    // Properties on the name alone (it holds no NUL, as a Windows name never does).
    FUZZ_CHECK(MatchesMask(name, "*"));
    if (name.find_first_of("*?[") == std::string::npos) {
        FUZZ_CHECK(MatchesMask(name, name));
        std::string upper = name;
        for (char& c : upper)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        FUZZ_CHECK(MatchesMask(upper, name));
        FUZZ_CHECK(MatchesMask(name, "*" + name));
        FUZZ_CHECK(!MatchesMask(name + "x", name));
    }
    return 0;
}
