// The extension blocks a GIF file may hold before its image: their kind, bytes and fields.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zn::structure {

/// The extension labels a GIF reader accepts (the byte after "!").
enum class TGifExtensionKind : uint8_t {
    PlainText = 0x01,
    GraphicControl = 0xF9,
    Comment = 0xFE,
    Application = 0xFF,
};

/// One extension block as read: the fixed bytes after the label (length byte included, as
/// in the file) and the contents of its data sub-blocks joined together.
struct TGifExtension {
    TGifExtensionKind Kind = TGifExtensionKind::Comment;
    std::vector<uint8_t> Fixed;
    std::vector<uint8_t> Data;

    /// Comment text (comment extension) or the text of a plain text extension.
    std::string Text() const { return std::string(Data.begin(), Data.end()); }
    /// Application identifier and authentication code, e.g. "NETSCAPE2.0".
    std::string ApplicationId() const;
    /// Graphic control fields: whether a colour is transparent, and its index.
    bool HasTransparency() const;
    int TransparentIndex() const;
};

} // namespace zn::structure
