// The text functions of automatic insertion: "*fnc*(NAME,arguments)" calls evaluated into text.
#pragma once

#include <chrono>
#include <string>
#include <string_view>

namespace zn::editor {

/// The local date and time a DATE call sees; the caller reads the clock (tests fix it).
using LocalTime = std::chrono::local_time<std::chrono::milliseconds>;

/// The local date and time of the machine now.
LocalTime LocalNow();

/// What an expansion gave: the text, or a Czech message (UTF-8) naming the function that failed.
struct ExpandResult {
    std::string Text;
    std::string Error;
    bool Ok() const { return Error.empty(); }
};

/// Replaces every call "*fnc*(" (any case) ... ")" in `text` by its value, left to right; a value
/// is never expanded again. The content is split at commas outside double quotes and nested
/// calls into at most 20 pieces, the first naming the function: DATE (pattern [, days]), DIV,
/// MULT, SUB, SUM (32-bit integers), UPPERCASE, LOWERCASE (Czech letters included); any other
/// name gives an empty value. A call without its ")" and everything after it stay as written.
/// A number that does not parse, a division by zero, a result out of range or more than 20
/// pieces stop the expansion with an error.
ExpandResult ExpandFunctions(std::string_view text, LocalTime now);

/// `when` written with a date-time pattern: d dd ddd dddd ddddd dddddd, m mm mmm mmmm (minutes
/// right after an hour), yy yyyy, h hh, n nn, s ss, z zzz, t tt, c, "/" and ":" as the Czech
/// separators, text in double or single quotes as it stands; letters in any case.
std::string FormatDateTime(std::string_view pattern, LocalTime when);

} // namespace zn::editor
