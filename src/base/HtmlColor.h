// Colour values between their HTML text ("#RRGGBB" or a colour name) and colour numbers.
#pragma once

#include "base/Color.h"

#include <string>
#include <string_view>

namespace zn::base {

/// The colour of "#RRGGBB" (hexadecimal digits of either case) or of one of the 16 colour names
/// of HTML 4 (any case). Anything else, "#F00" and "#GG0000" included, is black (0).
base::TColor HtmlToColor(std::string_view text);

/// True for one of the 16 colour names of HTML 4 (any case).
bool IsHtmlColorName(std::string_view text);
/// "#RRGGBB" in upper-case digits; only the red, green and blue bytes of the number are used.
std::string ColorToHtml(base::TColor color);

} // namespace zn::base
