// Key paths and value names of the settings store: normal form and case-insensitive form.
#pragma once

#include <string>
#include <string_view>

namespace zn::app {

/// A key path in its stored form: components separated by single backslashes, without a
/// leading or trailing one ("\Software\KVHTML\" and "Software\\KVHTML" both give
/// "Software\KVHTML"). The empty path is the root under which every key lives.
std::string NormalizeKeyPath(std::string_view path);

/// The form in which names are compared: ASCII letters and the accented Latin letters of UTF-8
/// (Latin-1 and Latin Extended-A, which hold every Czech letter) in lower case; any other
/// byte, invalid UTF-8 included, unchanged. Two names are the same name exactly when their
/// folded forms are equal.
std::string FoldName(std::string_view name);

/// The last component of a normalised key path ("HREF" of "Software\KVHTML\HREF").
std::string_view LastKeyComponent(std::string_view normalizedPath);

} // namespace zn::app
