// Fields of the GIF extension blocks, read from their fixed bytes.
#include "structure/GifExtension.h"

namespace zn::structure {

namespace {

// Fixed bytes of a graphic control block: [4] flags delay-low delay-high transparent [0].
int FixedByte(const TGifExtension& ext, std::size_t index) {
    return index < ext.Fixed.size() ? ext.Fixed[index] : 0;
}

} // namespace

std::string TGifExtension::ApplicationId() const {
    if (Kind != TGifExtensionKind::Application || Fixed.size() < 12)
        return {};
    return std::string(Fixed.begin() + 1, Fixed.begin() + 12);
}

bool TGifExtension::HasTransparency() const {
    return Kind == TGifExtensionKind::GraphicControl && (FixedByte(*this, 1) & 1) != 0;
}

int TGifExtension::TransparentIndex() const {
    return Kind == TGifExtensionKind::GraphicControl ? FixedByte(*this, 4) : 0;
}

} // namespace zn::structure
