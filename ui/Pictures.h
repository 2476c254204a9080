#pragma once
// Skin pictures and issue icons, loaded from the files beside the program into DIB
// sections that the windows draw with BitBlt.
#include <windows.h>

#include <cstdint>
#include <string>
#include <utility>

// Owns one bitmap; empty when default-constructed. Moves, never copies.
class TPicture {
public:
    TPicture() = default;
    TPicture(HBITMAP bitmap, int width, int height) : Bitmap(bitmap), PixelWidth(width), PixelHeight(height) {}
    ~TPicture() { Reset(); }
    TPicture(TPicture&& other) noexcept { *this = std::move(other); }
    TPicture& operator=(TPicture&& other) noexcept;
    TPicture(const TPicture&) = delete;
    TPicture& operator=(const TPicture&) = delete;

    HBITMAP Handle() const { return Bitmap; }
    int Width() const { return PixelWidth; }
    int Height() const { return PixelHeight; }
    bool Empty() const { return Bitmap == nullptr; }
    void Reset();

private:
    HBITMAP Bitmap = nullptr;
    int PixelWidth = 0;
    int PixelHeight = 0;
};

// Pixels of 24 (B, G, R) or 32 (B, G, R, A) bits, rows top-down without padding.
TPicture MakePicture(int width, int height, int bitsPerPixel, const uint8_t* pixels);

// Chooses the decoder by the extension, without regard to case: ".tga" (DecodeTga),
// ".jpg" and ".jpeg" (DecodeJpeg), ".bmp" (the system's loader). Raises Exception for
// a missing file, another extension, or the decoder's refusal.
TPicture LoadPicture(const std::string& path);
