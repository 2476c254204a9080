// Any bytes: either a picture of the size the header gives, or Exception.
#include "fuzz/FuzzInput.h"
#include "primitives/Errors.h"
#include "ui/TgaImage.h"

#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string bytes(reinterpret_cast<const char*>(data), size);
    try {
        TTgaImage image = DecodeTga(bytes);
        FUZZ_CHECK(image.BitsPerPixel == 24 || image.BitsPerPixel == 32);
        FUZZ_CHECK(image.Pixels.size() ==
                   static_cast<size_t>(image.Width) * image.Height * (image.BitsPerPixel / 8));
    } catch (const Exception&) {
    }
    return 0;
}
