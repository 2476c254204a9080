#include "ui/TgaImage.h"

#include "primitives/Errors.h"

#include <algorithm>
#include <cstring>

namespace {

const size_t HeaderSize = 18;
// A 16384 x 16384 picture is far beyond any icon; larger sizes are a damaged header.
const uint64_t MaxPixels = 16384ull * 16384ull;

class Reader {
public:
    explicit Reader(const std::string& bytes) : Bytes(bytes) {}
    void Need(size_t count) const
    {
        if (Bytes.size() - Position < count)
            throw Exception("TGA file is truncated");
    }
    uint8_t Byte()
    {
        Need(1);
        return static_cast<uint8_t>(Bytes[Position++]);
    }
    void Copy(uint8_t* target, size_t count)
    {
        Need(count);
        if (count == 0)
            return;  // a picture with no pixels has no buffer to copy to
        std::memcpy(target, Bytes.data() + Position, count);
        Position += count;
    }
    void Skip(size_t count)
    {
        Need(count);
        Position += count;
    }

private:
    const std::string& Bytes;
    size_t Position = 0;
};

}  // namespace

TTgaImage DecodeTga(const std::string& bytes)
{
    if (bytes.size() < HeaderSize)
        throw Exception("TGA file is truncated");
    auto at = [&](size_t i) { return static_cast<uint8_t>(bytes[i]); };
    uint8_t idLength = at(0), colorMapType = at(1), imageType = at(2);
    int width = at(12) | at(13) << 8;
    int height = at(14) | at(15) << 8;
    uint8_t bits = at(16), descriptor = at(17);

    if (imageType != 2 && imageType != 10)
        throw Exception("TGA graphics is not in True-Color");
    if (colorMapType != 0)
        throw Exception("Color-mapped TGA is not supported");
    if (bits != 24 && bits != 32)
        throw Exception("Invalid TGA Bit-depth!");
    if (descriptor & 0x10)
        throw Exception("Mirrored TGA is not supported!");
    if (static_cast<uint64_t>(width) * static_cast<uint64_t>(height) > MaxPixels)
        throw Exception("TGA file is truncated");

    // The bytes must be able to hold the pixels before any memory is reserved for them:
    // a damaged 20-byte header would otherwise ask a 32-bit process for a gigabyte.
    const size_t pixelSize = bits / 8;
    const size_t pixelCount = static_cast<size_t>(width) * static_cast<size_t>(height);
    const size_t body = bytes.size() - std::min(bytes.size(), HeaderSize + idLength);
    // A run-length packet of 1 + pixelSize bytes gives at most 128 pixels.
    const size_t most = imageType == 2 ? body / pixelSize : body / (1 + pixelSize) * 128;
    if (pixelCount > most)
        throw Exception("TGA file is truncated");

    TTgaImage image;
    image.Width = width;
    image.Height = height;
    image.BitsPerPixel = bits;
    std::vector<uint8_t> stored(pixelCount * pixelSize);

    Reader in(bytes);
    in.Skip(HeaderSize + idLength);
    if (imageType == 2) {
        in.Copy(stored.data(), stored.size());
    } else {
        size_t filled = 0;
        while (filled < pixelCount) {
            uint8_t packet = in.Byte();
            size_t count = (packet & 0x7F) + 1;
            if (count > pixelCount - filled)
                count = pixelCount - filled;  // a run past the end is cut, not followed
            uint8_t* target = stored.data() + filled * pixelSize;
            if (packet & 0x80) {
                in.Copy(target, pixelSize);
                for (size_t i = 1; i < count; ++i)
                    std::memcpy(target + i * pixelSize, target, pixelSize);
            } else {
                in.Copy(target, count * pixelSize);
            }
            filled += count;
        }
    }

    // Stored bottom-up unless descriptor bit 5 says top-down; the result is top-down.
    const size_t rowSize = static_cast<size_t>(width) * pixelSize;
    if (descriptor & 0x20) {
        image.Pixels = std::move(stored);
    } else if (rowSize > 0) {
        image.Pixels.resize(stored.size());
        for (int row = 0; row < height; ++row)
            std::memcpy(image.Pixels.data() + row * rowSize, stored.data() + (height - 1 - row) * rowSize, rowSize);
    }
    return image;
}
