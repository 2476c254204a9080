#include "tests/ui/JpegTestFiles.h"

#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

std::string CompressJpeg(int width, int height, const std::vector<uint8_t>& bgr, int components)
{
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = components;
    info.in_color_space = components == 1 ? JCS_GRAYSCALE : JCS_EXT_BGR;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 100, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<uint8_t> row(static_cast<size_t>(width) * components);
    while (info.next_scanline < info.image_height) {
        const uint8_t* source = bgr.data() + static_cast<size_t>(info.next_scanline) * width * 3;
        for (int x = 0; x < width; ++x)
            for (int c = 0; c < components; ++c)
                row[static_cast<size_t>(x) * components + c] = source[x * 3 + c];
        JSAMPROW rows = row.data();
        jpeg_write_scanlines(&info, &rows, 1);
    }
    jpeg_finish_compress(&info);
    std::string file(reinterpret_cast<char*>(buffer), size);
    jpeg_destroy_compress(&info);
    free(buffer);
    return file;
}

std::string TwoBlockJpeg(uint8_t leftB, uint8_t leftG, uint8_t leftR, uint8_t rightB, uint8_t rightG,
                         uint8_t rightR)
{
    const int width = 16, height = 8;
    std::vector<uint8_t> bgr;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const bool left = x < 8;
            bgr.push_back(left ? leftB : rightB);
            bgr.push_back(left ? leftG : rightG);
            bgr.push_back(left ? leftR : rightR);
        }
    return CompressJpeg(width, height, bgr);
}
