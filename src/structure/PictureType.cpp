// Picture-type predicates by extension, and picture dimensions through the picture readers.
#include "structure/PictureType.h"

#include "base/TextCase.h"
#include "structure/GifFile.h"
#include "structure/JpegFile.h"

#include <algorithm>
#include <initializer_list>

#include <sys/stat.h>

namespace zn::structure {

namespace {

bool FileExists(const std::string& fileName) {
    struct stat info {};
    return !fileName.empty() && ::stat(fileName.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

/// The extension from the last "." of the name part on, in upper case ("" when none).
std::string UpperExtension(const std::string& fileName) {
    std::size_t slash = fileName.find_last_of('/');
    std::size_t dot = fileName.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return {};
    return base::UpperCaseCZ(std::string_view(fileName).substr(dot));
}

bool HasExtension(std::string_view nameOrLink, std::initializer_list<std::string_view> wanted) {
    std::string fileName = PictureFileName(nameOrLink);
    std::string extension = UpperExtension(fileName);
    for (std::string_view w : wanted)
        if (extension == w)
            return FileExists(fileName);
    return false;
}

} // namespace

std::string PictureFileName(std::string_view nameOrLink) {
    std::string upper = base::UpperCaseCZ(nameOrLink);
    if (upper.find("FILE://") != std::string::npos)
        return std::string(nameOrLink.substr(std::min<std::size_t>(7, nameOrLink.size())));
    return std::string(nameOrLink);
}

bool IsJpegFile(std::string_view nameOrLink) {
    return HasExtension(nameOrLink, {".JPG", ".JPE", ".JPEG"});
}

bool IsGifFile(std::string_view nameOrLink) {
    return HasExtension(nameOrLink, {".GIF"});
}

bool IsBmpFile(std::string_view nameOrLink) {
    return HasExtension(nameOrLink, {".BMP"});
}

std::optional<TPictureSize> PictureDimensions(std::string_view nameOrLink) {
    std::string fileName = PictureFileName(nameOrLink);
    if (IsJpegFile(fileName))
        return JpegFileSize(fileName);
    if (IsGifFile(fileName)) {
        TGifFile gif;
        gif.LoadFromFile(fileName);
        if (gif.Images.empty())
            return std::nullopt;
        return TPictureSize{gif.Images.front().Width, gif.Images.front().Height};
    }
    return std::nullopt;
}

} // namespace zn::structure
