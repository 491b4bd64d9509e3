// Reducing a true-colour picture to a palette of at most 256 colours (median cut).
#pragma once

#include "structure/RgbImage.h"

namespace zn::structure {

/// A palette picture of the same size. A picture with no more than `maxColors` distinct
/// colours keeps them exactly; otherwise the palette comes from a median cut of the colour
/// histogram (each entry the mean of the colours it stands for) and every pixel takes the
/// nearest entry. `maxColors` is between 2 and 256.
TIndexedImage ReduceColors(const TRgbImage& image, int maxColors = 256);

} // namespace zn::structure
