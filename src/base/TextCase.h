// Letter case of Czech Windows-1250 text, and the one rule for the case of generated tag text.
#pragma once

#include <string>
#include <string_view>

namespace zn::base {

/// Upper case of one Windows-1250 byte: ASCII letters and the 15 Czech letter pairs; other
/// bytes are returned unchanged.
char UpperCaseCZ(char c);
/// Lower case of one Windows-1250 byte (the inverse of UpperCaseCZ on the same letters).
char LowerCaseCZ(char c);

std::string UpperCaseCZ(std::string_view text);
std::string LowerCaseCZ(std::string_view text);

/// Generated tag text in the case chosen by the user (`UpperCaseTags`).
std::string TagCase(std::string_view text, bool upperCaseTags);

/// Equality of two names without regard to letter case (ASCII and Czech letters).
bool SameTextCZ(std::string_view a, std::string_view b);

/// ASCII-only case conversion, for new tag and attribute names written by the text control.
std::string AsciiCase(std::string_view text, bool upper);

} // namespace zn::base
