// Fuzz harness of the libjpeg wrapper: broken input must raise EJpegException, never end
// the process; whatever decodes has a consistent size.
#include "structure/JpegFile.h"

#include <cstdint>
#include <cstdlib>

using namespace zn::structure;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::span<const uint8_t> bytes(data, size);
    try {
        TPictureSize header = JpegSize(bytes);
        TRgbImage thumb = JpegThumbnail(bytes, 64, 48);
        if (thumb.Width > 64 || thumb.Height > 48 ||
            thumb.Pixels.size() != std::size_t(thumb.Width) * thumb.Height * 3)
            std::abort();
        // Full decodes only for sizes a thumbnail test would meet, so each run stays short.
        if (std::size_t(header.Width) * header.Height <= 1u << 20) {
            TRgbImage image = JpegDecode(bytes);
            if (image.Size() != header)
                std::abort();
        }
    } catch (const EJpegException&) {
    }
    return 0;
}
