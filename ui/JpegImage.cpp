#include "ui/JpegImage.h"

#include "primitives/Errors.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace {

// Far beyond any skin; a larger size is a damaged or hostile header, refused before
// libjpeg allocates for it.
const uint64_t MaxPixels = 8192ull * 8192ull;

// libjpeg's default error manager prints to stderr and calls exit(). Ours jumps back to
// DecodeJpeg, which raises; only libjpeg's C frames are jumped over, so no C++
// destructor is skipped.
struct TErrorManager {
    jpeg_error_mgr Base;
    jmp_buf Return;
    char Message[JMSG_LENGTH_MAX];
};

void ErrorExit(j_common_ptr info)
{
    TErrorManager* manager = reinterpret_cast<TErrorManager*>(info->err);
    manager->Base.format_message(info, manager->Message);
    longjmp(manager->Return, 1);
}

void EmitMessage(j_common_ptr info, int level)
{
    // Level -1 is a warning about damaged data (a truncated file among them), which
    // libjpeg would otherwise paper over with grey.
    if (level < 0)
        ErrorExit(info);
}

void OutputMessage(j_common_ptr) {}

class TDecompressor {
public:
    // Creation raises only when the headers and the library disagree on a version,
    // which one build rules out; so no jump target is needed yet.
    explicit TDecompressor(jpeg_error_mgr* errors)
    {
        Info.err = errors;
        jpeg_create_decompress(&Info);
    }
    ~TDecompressor() { jpeg_destroy_decompress(&Info); }
    TDecompressor(const TDecompressor&) = delete;
    TDecompressor& operator=(const TDecompressor&) = delete;
    jpeg_decompress_struct Info{};
};

}  // namespace

TJpegImage DecodeJpeg(const std::string& bytes)
{
    TErrorManager errors{};
    jpeg_std_error(&errors.Base);
    errors.Base.error_exit = ErrorExit;
    errors.Base.emit_message = EmitMessage;
    errors.Base.output_message = OutputMessage;
    TJpegImage image;
    TDecompressor decompressor(&errors.Base);
    jpeg_decompress_struct& info = decompressor.Info;
    if (setjmp(errors.Return))
        throw Exception(Format("Cannot read JPEG picture: %s", errors.Message));

    if (bytes.empty())
        throw Exception("Cannot read JPEG picture: the file is empty");
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    if (static_cast<uint64_t>(info.image_width) * info.image_height > MaxPixels)
        throw Exception(Format("Cannot read JPEG picture: %u x %u pixels is too large", info.image_width,
                               info.image_height));
    info.out_color_space = JCS_EXT_BGR;
    jpeg_start_decompress(&info);

    image.Width = static_cast<int>(info.output_width);
    image.Height = static_cast<int>(info.output_height);
    const size_t stride = static_cast<size_t>(image.Width) * 3;
    image.Pixels.resize(stride * image.Height);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image.Pixels.data() + stride * info.output_scanline;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    return image;
}
