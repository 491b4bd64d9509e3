// Sizes and scaling of true-colour pictures for thumbnails.
#pragma once

#include "structure/RgbImage.h"

namespace zn::structure {

/// The size of a thumbnail that fits within maxWidth × maxHeight and keeps the picture's
/// proportions. A picture that already fits keeps its size (never enlarged). Otherwise, with
/// a = width / height and b = maxWidth / maxHeight: when a <= b the height becomes maxHeight
/// and the width maxHeight × a rounded, else the width becomes maxWidth and the height
/// maxWidth / a rounded (never below one pixel).
TPictureSize ThumbnailSize(TPictureSize picture, int maxWidth, int maxHeight);

/// The picture resampled to width × height: each target pixel is the mean of the source
/// pixels it covers (the nearest source pixel when enlarging).
TRgbImage ScaleRgbImage(const TRgbImage& source, int width, int height);

} // namespace zn::structure
