#include "ui/Pictures.h"

#include "primitives/Errors.h"
#include "primitives/WholeFiles.h"
#include "ui/JpegImage.h"
#include "ui/TgaImage.h"

#include <cstring>
#include <utility>

namespace {

std::string LowerExtension(const std::string& path)
{
    const size_t dot = path.find_last_of('.');
    const size_t slash = path.find_last_of("\\/");
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return std::string();
    std::string extension = path.substr(dot);
    for (char& c : extension)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return extension;
}

TPicture LoadBmp(const std::string& path)
{
    HBITMAP bitmap = static_cast<HBITMAP>(
        LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
    if (!bitmap)
        throw Exception(Format("Cannot load picture \"%s\"", path.c_str()));
    BITMAP info{};
    GetObjectA(bitmap, sizeof info, &info);
    return TPicture(bitmap, info.bmWidth, info.bmHeight);
}

}  // namespace

TPicture& TPicture::operator=(TPicture&& other) noexcept
{
    if (this != &other) {
        Reset();
        Bitmap = std::exchange(other.Bitmap, nullptr);
        PixelWidth = std::exchange(other.PixelWidth, 0);
        PixelHeight = std::exchange(other.PixelHeight, 0);
    }
    return *this;
}

void TPicture::Reset()
{
    if (Bitmap)
        DeleteObject(Bitmap);
    Bitmap = nullptr;
    PixelWidth = PixelHeight = 0;
}

TPicture MakePicture(int width, int height, int bitsPerPixel, const uint8_t* pixels)
{
    if (width <= 0 || height <= 0 || (bitsPerPixel != 24 && bitsPerPixel != 32))
        throw Exception(Format("Cannot make a %d-bit picture of %d x %d pixels", bitsPerPixel, width, height));
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // negative: rows top-down, as the decoders give them
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = static_cast<WORD>(bitsPerPixel);
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap || !bits)
        throw Exception(Format("Cannot make a %d-bit picture of %d x %d pixels", bitsPerPixel, width, height));
    // DIB rows are padded to whole 32-bit words.
    const size_t rowBytes = static_cast<size_t>(width) * (bitsPerPixel / 8);
    const size_t stride = (rowBytes + 3) & ~static_cast<size_t>(3);
    for (int y = 0; y < height; ++y)
        std::memcpy(static_cast<uint8_t*>(bits) + stride * y, pixels + rowBytes * y, rowBytes);
    GdiFlush();
    return TPicture(bitmap, width, height);
}

TPicture LoadPicture(const std::string& path)
{
    const std::string extension = LowerExtension(path);
    if (extension == ".tga") {
        const TTgaImage image = DecodeTga(LoadFileText(path));
        return MakePicture(image.Width, image.Height, image.BitsPerPixel, image.Pixels.data());
    }
    if (extension == ".jpg" || extension == ".jpeg") {
        const TJpegImage image = DecodeJpeg(LoadFileText(path));
        return MakePicture(image.Width, image.Height, 24, image.Pixels.data());
    }
    if (extension == ".bmp")
        return LoadBmp(path);
    throw Exception(Format("Cannot load picture \"%s\": unknown file extension", path.c_str()));
}
