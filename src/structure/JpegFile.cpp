// libjpeg wrapper. libjpeg reports fatal errors by calling error_exit, which by default ends
// the process; ours jumps back to the function that started the work (setjmp/longjmp), which
// turns it into an EJpegException. Between setjmp and the libjpeg calls only trivially
// destructible locals exist, so the jump never skips a destructor; everything that owns
// memory lives in a state object created before setjmp.
#include "structure/JpegFile.h"

#include "base/FileIO.h"
#include "structure/ImageScale.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <jerror.h>
#include <jpeglib.h>

namespace zn::structure {

namespace {

/// Progressive files with absurd numbers of scans are refused: each scan re-reads the
/// whole coefficient buffer, so such a file could keep the program busy for minutes.
constexpr int MaxScans = 500;
/// Memory libjpeg may ask for (coefficient buffers of progressive pictures).
constexpr long MaxLibjpegMemory = 512L << 20;

struct TJpegError {
    jpeg_error_mgr Manager;
    jpeg_progress_mgr Progress;
    std::jmp_buf Jump;
    bool StrictEnd = false; ///< the end of the file is fatal (all scans are being read)
    char Message[JMSG_LENGTH_MAX] = "";
};

extern "C" void ErrorExit(j_common_ptr cinfo) {
    auto* error = reinterpret_cast<TJpegError*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, error->Message);
    std::longjmp(error->Jump, 1);
}

extern "C" void EmitMessage(j_common_ptr cinfo, int level) {
    auto* error = reinterpret_cast<TJpegError*>(cinfo->err);
    // Pixel data cut short is an error, not a grey lower part. HIT_MARKER means the entropy
    // decoder needed bits that are not there; a file that only lacks its end marker runs out
    // without it. While start_decompress reads every scan of a progressive picture, running
    // out of the file at all means scans are missing.
    int code = cinfo->err->msg_code;
    if (level < 0 && (code == JWRN_HIT_MARKER || (code == JWRN_JPEG_EOF && error->StrictEnd)))
        ErrorExit(cinfo);
    if (level < 0)
        ++cinfo->err->num_warnings; // other damage is tolerated, as every viewer does
}

extern "C" void OutputMessage(j_common_ptr) {}

extern "C" void CountScans(j_common_ptr cinfo) {
    if (!cinfo->is_decompressor)
        return;
    auto* dinfo = reinterpret_cast<j_decompress_ptr>(cinfo);
    if (dinfo->input_scan_number > MaxScans) {
        auto* error = reinterpret_cast<TJpegError*>(cinfo->err);
        std::snprintf(error->Message, sizeof error->Message, "more than %d scans", MaxScans);
        std::longjmp(error->Jump, 1);
    }
}

jpeg_error_mgr* InstallErrors(TJpegError& error) {
    jpeg_error_mgr* manager = jpeg_std_error(&error.Manager);
    manager->error_exit = ErrorExit;
    manager->emit_message = EmitMessage;
    manager->output_message = OutputMessage;
    error.Progress.progress_monitor = CountScans;
    return manager;
}

[[noreturn]] void Fail(const char* detail) {
    throw EJpegException(std::string("Obrázek JPEG je poškozený nebo neúplný (") + detail + ").");
}

/// What to decode: only the header, or the pixels at scale Scale/8.
struct TDecodeRequest {
    bool HeaderOnly = false;
    int Scale = 8;
    int MaxWidth = 0; ///< when set, the smallest scale covering this size is chosen
    int MaxHeight = 0;
    bool Fast = false;
};

/// Everything a decode owns; it outlives the jump so its destructor frees the memory.
struct TDecodeState {
    TPictureSize HeaderSize;
    TRgbImage Image;
    std::vector<JSAMPLE> Row;
    char TooLarge[96] = "";
};

void StoreRow(TDecodeState& state, const jpeg_decompress_struct& cinfo, int y) {
    uint8_t* out = state.Image.Pixels.data() + std::size_t(y) * cinfo.output_width * 3;
    const JSAMPLE* in = state.Row.data();
    if (cinfo.out_color_space == JCS_RGB) {
        std::memcpy(out, in, std::size_t(cinfo.output_width) * 3);
        return;
    }
    // CMYK as Adobe writes it (inverted): each channel times K.
    bool inverted = cinfo.saw_Adobe_marker;
    for (JDIMENSION x = 0; x < cinfo.output_width; ++x, in += 4, out += 3) {
        int k = inverted ? in[3] : 255 - in[3];
        for (int c = 0; c < 3; ++c) {
            int v = inverted ? in[c] : 255 - in[c];
            out[c] = uint8_t((v * k + 127) / 255);
        }
    }
}

/// Grows the picture by one row; rows are added as they are decoded so that a header
/// claiming a huge picture costs only what the data really holds.
void AddRow(TDecodeState& state, const jpeg_decompress_struct& cinfo, int y) {
    state.Image.Pixels.resize((std::size_t(y) + 1) * cinfo.output_width * 3);
    StoreRow(state, cinfo, y);
}

/// Runs libjpeg; returns false with the message in `error` when libjpeg gave up.
bool RunDecode(std::span<const uint8_t> data, const TDecodeRequest& request, TDecodeState& state,
               TJpegError& error) {
    jpeg_decompress_struct cinfo{};
    cinfo.err = InstallErrors(error);
    if (setjmp(error.Jump)) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    cinfo.mem->max_memory_to_use = MaxLibjpegMemory;
    cinfo.progress = &error.Progress;
    jpeg_mem_src(&cinfo, data.data(), static_cast<unsigned long>(data.size()));
    if (jpeg_read_header(&cinfo, TRUE) != JPEG_HEADER_OK)
        ERREXIT(&cinfo, JERR_NO_IMAGE);
    state.HeaderSize = {int(cinfo.image_width), int(cinfo.image_height)};
    if (request.HeaderOnly) {
        jpeg_destroy_decompress(&cinfo);
        return true;
    }
    cinfo.scale_num = request.Scale;
    if (request.MaxWidth > 0)
        cinfo.scale_num = JpegDctScale(
            state.HeaderSize, ThumbnailSize(state.HeaderSize, request.MaxWidth, request.MaxHeight));
    cinfo.scale_denom = 8;
    bool cmyk = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
    cinfo.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
    if (request.Fast) {
        cinfo.dct_method = JDCT_IFAST;
        cinfo.do_fancy_upsampling = FALSE;
        cinfo.do_block_smoothing = FALSE;
    }
    jpeg_calc_output_dimensions(&cinfo);
    if (std::size_t(cinfo.output_width) * cinfo.output_height > MaxJpegPixels) {
        std::snprintf(state.TooLarge, sizeof state.TooLarge, "%u x %u",
                      unsigned(cinfo.output_width), unsigned(cinfo.output_height));
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    error.StrictEnd = true;
    jpeg_start_decompress(&cinfo);
    error.StrictEnd = false;
    state.Image.Width = int(cinfo.output_width);
    state.Image.Height = int(cinfo.output_height);
    state.Image.Pixels.clear();
    state.Row.resize(std::size_t(cinfo.output_width) * cinfo.output_components);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = state.Row.data();
        int y = int(cinfo.output_scanline);
        if (jpeg_read_scanlines(&cinfo, &row, 1) != 1)
            ERREXIT(&cinfo, JERR_INPUT_EOF);
        AddRow(state, cinfo, y);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return true;
}

TDecodeState Decode(std::span<const uint8_t> data, const TDecodeRequest& request) {
    if (data.empty())
        Fail("prázdná data");
    TDecodeState state;
    TJpegError error;
    if (!RunDecode(data, request, state, error)) {
        if (state.TooLarge[0] != '\0')
            throw EJpegException(std::string("Obrázek JPEG ") + state.TooLarge +
                                 " je příliš velký.");
        Fail(error.Message);
    }
    return state;
}

std::vector<uint8_t> ReadJpegFile(const std::string& fileName) {
    try {
        return base::ReadBinaryFile(fileName);
    } catch (const base::EFileError& e) {
        throw EJpegException(e.what());
    }
}

} // namespace

int JpegDctScale(TPictureSize picture, TPictureSize wanted) {
    for (int n = 1; n < 8; ++n) {
        // libjpeg rounds scaled sizes up.
        long w = (long(picture.Width) * n + 7) / 8;
        long h = (long(picture.Height) * n + 7) / 8;
        if (w >= wanted.Width && h >= wanted.Height)
            return n;
    }
    return 8;
}

TPictureSize JpegSize(std::span<const uint8_t> data) {
    TDecodeRequest request;
    request.HeaderOnly = true;
    return Decode(data, request).HeaderSize;
}

TPictureSize JpegFileSize(const std::string& fileName) {
    return JpegSize(ReadJpegFile(fileName));
}

TRgbImage JpegDecode(std::span<const uint8_t> data) {
    return std::move(Decode(data, TDecodeRequest{}).Image);
}

TRgbImage JpegLoadFile(const std::string& fileName) {
    return JpegDecode(ReadJpegFile(fileName));
}

TRgbImage JpegThumbnail(std::span<const uint8_t> data, int maxWidth, int maxHeight) {
    TDecodeRequest request;
    request.MaxWidth = std::max(1, maxWidth);
    request.MaxHeight = std::max(1, maxHeight);
    request.Fast = true;
    TDecodeState state = Decode(data, request);
    TPictureSize size = ThumbnailSize(state.HeaderSize, request.MaxWidth, request.MaxHeight);
    return ScaleRgbImage(state.Image, size.Width, size.Height);
}

TRgbImage JpegThumbnailFile(const std::string& fileName, int maxWidth, int maxHeight) {
    return JpegThumbnail(ReadJpegFile(fileName), maxWidth, maxHeight);
}

namespace {

/// Owns the buffer libjpeg's memory destination allocates.
struct TEncodeState {
    unsigned char* Buffer = nullptr;
    unsigned long Size = 0;
    ~TEncodeState() { std::free(Buffer); }
};

bool RunEncode(const TRgbImage& image, int quality, TEncodeState& state, TJpegError& error) {
    jpeg_compress_struct cinfo{};
    cinfo.err = InstallErrors(error);
    if (setjmp(error.Jump)) {
        jpeg_destroy_compress(&cinfo);
        return false;
    }
    jpeg_create_compress(&cinfo);
    jpeg_mem_dest(&cinfo, &state.Buffer, &state.Size);
    cinfo.image_width = JDIMENSION(image.Width);
    cinfo.image_height = JDIMENSION(image.Height);
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<JSAMPLE*>(image.Pixel(0, int(cinfo.next_scanline)));
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return true;
}

} // namespace

std::vector<uint8_t> JpegEncode(const TRgbImage& image, int quality) {
    if (image.Empty() || image.Width > JPEG_MAX_DIMENSION || image.Height > JPEG_MAX_DIMENSION ||
        image.Pixels.size() != std::size_t(image.Width) * image.Height * 3)
        throw EJpegException("Obrázek " + std::to_string(image.Width) + " × " +
                             std::to_string(image.Height) + " nelze uložit jako JPEG.");
    TEncodeState state;
    TJpegError error;
    if (!RunEncode(image, std::clamp(quality, 1, 100), state, error))
        throw EJpegException(std::string("Obrázek JPEG nelze zapsat (") + error.Message + ").");
    return std::vector<uint8_t>(state.Buffer, state.Buffer + state.Size);
}

void JpegSaveFile(const TRgbImage& image, const std::string& fileName, int quality) {
    base::WriteBinaryFile(fileName, JpegEncode(image, quality));
}

} // namespace zn::structure
