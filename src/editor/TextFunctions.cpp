// Evaluating "*fnc*(" calls: splitting into pieces, the integer functions with range checks, the
// case functions and the date patterns with Czech names.
#include "editor/TextFunctions.h"

#include "base/Cp1250.h"
#include "base/TextCase.h"

#include <array>
#include <cstdint>
#include <ctime>
#include <limits>
#include <optional>
#include <stdexcept>
#include <vector>

namespace zn::editor {
namespace {

using namespace std::chrono;

constexpr std::string_view kCall = "*fnc*(";
constexpr std::size_t kMaxPieces = 20;
/// Nested calls deeper than this stop the expansion instead of exhausting the stack.
constexpr int kMaxDepth = 100;

/// Stops an expansion; the message is UTF-8.
struct ExpandError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

/// The text of a piece for a message: UTF-8, shortened.
std::string Shown(std::string_view piece) {
    constexpr std::size_t kLimit = 40;
    std::string text = base::Cp1250ToUtf8(piece.substr(0, kLimit));
    return piece.size() > kLimit ? text + "…" : text;
}

[[noreturn]] void Fail(std::string_view function, const std::string& what) {
    throw ExpandError("Funkce " + Shown(function) + ": " + what);
}

bool IsCallAt(std::string_view text, std::size_t i) {
    if (text.size() - i < kCall.size()) {
        return false;
    }
    for (std::size_t k = 0; k < kCall.size(); ++k) {
        const char c = text[i + k];
        if ((c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c) != kCall[k]) {
            return false;
        }
    }
    return true;
}

/// A 32-bit integer as the platform reads it: blanks, a sign, decimal digits or hexadecimal
/// after "$" or "0x", and nothing after the digits.
std::optional<std::int32_t> ParseInteger(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size() && s[i] == ' ') {
        ++i;
    }
    bool negative = false;
    if (i < s.size() && (s[i] == '-' || s[i] == '+')) {
        negative = s[i++] == '-';
    }
    int base = 10;
    if (i < s.size() && s[i] == '$') {
        base = 16;
        ++i;
    } else if (i + 1 < s.size() && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i == s.size()) {
        return std::nullopt;
    }
    std::int64_t value = 0;
    for (; i < s.size(); ++i) {
        const char c = s[i];
        int digit = -1;
        if (c >= '0' && c <= '9') {
            digit = c - '0';
        } else if (base == 16 && (c | 0x20) >= 'a' && (c | 0x20) <= 'f') {
            digit = (c | 0x20) - 'a' + 10;
        }
        if (digit < 0) {
            return std::nullopt;
        }
        value = value * base + digit;
        if (value > std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1) {
            return std::nullopt;
        }
    }
    value = negative ? -value : value;
    if (value > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}

std::int32_t Number(std::string_view function, std::string_view piece) {
    const auto value = ParseInteger(piece);
    if (!value) {
        Fail(function, "„" + Shown(piece) +
                           "“ není celé číslo v rozsahu od -2147483648 do "
                           "2147483647.");
    }
    return *value;
}

std::int32_t Checked(std::string_view function, std::int64_t value) {
    if (value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max()) {
        Fail(function, "výsledek přesahuje rozsah celých čísel.");
    }
    return static_cast<std::int32_t>(value);
}

// --- dates ---

const std::array<std::string, 7>& DayNames(bool longNames) {
    static const auto names = [] {
        std::array<std::array<std::string, 7>, 2> n;
        const char* shortNames[] = {"ne", "po", "út", "st", "čt", "pá", "so"};
        const char* fullNames[] = {"neděle",  "pondělí", "úterý", "středa",
                                   "čtvrtek", "pátek",   "sobota"};
        for (int i = 0; i < 7; ++i) {
            n[0][i] = base::Utf8ToCp1250(shortNames[i]);
            n[1][i] = base::Utf8ToCp1250(fullNames[i]);
        }
        return n;
    }();
    return names[longNames ? 1 : 0];
}

/// Month names: 0 short, 1 nominative, 2 genitive (as in "5. prosince 2026").
const std::string& MonthName(int form, unsigned month) {
    static const auto names = [] {
        const char* all[3][12] = {
            {"led", "úno", "bře", "dub", "kvě", "čvn", "čvc", "srp", "zář", "říj", "lis", "pro"},
            {"leden", "únor", "březen", "duben", "květen", "červen", "červenec", "srpen", "září",
             "říjen", "listopad", "prosinec"},
            {"ledna", "února", "března", "dubna", "května", "června", "července", "srpna", "září",
             "října", "listopadu", "prosince"}};
        std::array<std::array<std::string, 12>, 3> n;
        for (int f = 0; f < 3; ++f) {
            for (int m = 0; m < 12; ++m) {
                n[f][m] = base::Utf8ToCp1250(all[f][m]);
            }
        }
        return n;
    }();
    return names[form][month - 1];
}

std::string Digits(long value, int width) {
    std::string text = std::to_string(value);
    return text.size() < static_cast<std::size_t>(width)
               ? std::string(static_cast<std::size_t>(width) - text.size(), '0') + text
               : text;
}

std::size_t RunOf(std::string_view pattern, std::size_t i) {
    const char c = static_cast<char>(pattern[i] | 0x20);
    std::size_t n = 1;
    while (i + n < pattern.size() && static_cast<char>(pattern[i + n] | 0x20) == c) {
        ++n;
    }
    return n;
}

} // namespace

LocalTime LocalNow() {
    const auto now = system_clock::now();
    const std::time_t stamp = system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&stamp, &local);
    const auto day = local_days{year{local.tm_year + 1900} / (local.tm_mon + 1) / local.tm_mday};
    const auto ms = duration_cast<milliseconds>(now.time_since_epoch()) % 1000;
    return LocalTime{day} + hours{local.tm_hour} + minutes{local.tm_min} + seconds{local.tm_sec} +
           ms;
}

std::string FormatDateTime(std::string_view pattern, LocalTime when) {
    const auto day = floor<days>(when);
    const year_month_day date{day};
    const hh_mm_ss time{when - day};
    const unsigned weekday = std::chrono::weekday{day}.c_encoding();
    std::string out;
    bool afterHour = false;
    for (std::size_t i = 0; i < pattern.size();) {
        const char c = pattern[i];
        if (c == '"' || c == '\'') {
            const std::size_t end = pattern.find(c, i + 1);
            const std::size_t stop = end == std::string_view::npos ? pattern.size() : end;
            out.append(pattern.substr(i + 1, stop - i - 1));
            i = stop + 1;
            continue;
        }
        const std::size_t n = RunOf(pattern, i);
        const long y = static_cast<int>(date.year());
        const unsigned m = static_cast<unsigned>(date.month());
        const unsigned d = static_cast<unsigned>(date.day());
        switch (c | 0x20) {
        case 'd':
            out += n == 1   ? std::to_string(d)
                   : n == 2 ? Digits(d, 2)
                   : n <= 4 ? DayNames(n == 4)[weekday]
                   : n == 5 ? FormatDateTime("d.m.yyyy", when)
                            : std::to_string(d) + ". " + MonthName(2, m) + " " + std::to_string(y);
            break;
        case 'm':
            if (afterHour) {
                out += n == 1 ? std::to_string(time.minutes().count())
                              : Digits(time.minutes().count(), 2);
            } else {
                out += n == 1   ? std::to_string(m)
                       : n == 2 ? Digits(m, 2)
                                : MonthName(n == 3 ? 0 : 1, m);
            }
            break;
        case 'y':
            out += n <= 2 ? Digits(y % 100, 2) : Digits(y, 4);
            break;
        case 'h':
            out += n == 1 ? std::to_string(time.hours().count()) : Digits(time.hours().count(), 2);
            break;
        case 'n':
            out +=
                n == 1 ? std::to_string(time.minutes().count()) : Digits(time.minutes().count(), 2);
            break;
        case 's':
            out +=
                n == 1 ? std::to_string(time.seconds().count()) : Digits(time.seconds().count(), 2);
            break;
        case 'z':
            out += n < 3 ? std::to_string(time.subseconds().count())
                         : Digits(time.subseconds().count(), 3);
            break;
        case 't':
            out += FormatDateTime(n == 1 ? "h:nn" : "h:nn:ss", when);
            break;
        case 'c':
            out += FormatDateTime("d.m.yyyy h:nn:ss", when);
            break;
        default:
            out.append(n, c == '/' ? '.' : c);
            break;
        }
        const char kind = static_cast<char>(c | 0x20);
        if (kind == 'h') {
            afterHour = true;
        } else if (kind != ' ' && kind != ':' && kind != '.') {
            afterHour = false;
        }
        i += n;
    }
    return out;
}

namespace {

class Evaluator {
public:
    explicit Evaluator(LocalTime now) : now_(now) {}

    /// The value of the content between a call's parentheses.
    std::string Evaluate(std::string_view content, int depth) {
        if (depth > kMaxDepth) {
            throw ExpandError("Volání funkcí jsou vnořena hlouběji než " +
                              std::to_string(kMaxDepth) + "krát.");
        }
        std::vector<std::string> pieces = Split(content);
        for (std::string& piece : pieces) {
            if (IsCallAt(piece.substr(0, 5) + "(", 0)) {
                const std::size_t inner = piece.size() > 7 ? piece.size() - 7 : 0;
                piece = Evaluate(
                    std::string_view(piece).substr(std::min<std::size_t>(6, piece.size()), inner),
                    depth + 1);
            } else if (!piece.empty() && piece.front() == '"') {
                piece = piece.size() >= 2 ? piece.substr(1, piece.size() - 2) : std::string();
            }
        }
        return Apply(pieces);
    }

private:
    /// Splits at commas outside double quotes and nested parentheses; quotes count only
    /// outside nested parentheses.
    static std::vector<std::string> Split(std::string_view content) {
        std::vector<std::string> pieces;
        int depth = 0;
        bool quoted = false;
        std::size_t start = 0;
        for (std::size_t i = 0; i <= content.size(); ++i) {
            const char c = i < content.size() ? content[i] : ',';
            if (depth == 0 && c == '"') {
                quoted = !quoted;
            } else if (quoted && i < content.size()) {
                continue;
            } else if (c == '(') {
                ++depth;
            } else if (c == ')' && depth > 0) {
                --depth;
            } else if (c == ',' && (depth == 0 || i == content.size())) {
                if (pieces.size() == kMaxPieces) {
                    const std::string name = pieces.front();
                    Fail(base::UpperCaseCZ(name), "volání má víc než " +
                                                      std::to_string(kMaxPieces) +
                                                      " částí (název a 19 argumentů).");
                }
                pieces.emplace_back(content.substr(start, i - start));
                start = i + 1;
            }
        }
        return pieces;
    }

    std::string Apply(const std::vector<std::string>& pieces) const {
        const std::string name = base::UpperCaseCZ(pieces.front());
        const std::size_t count = pieces.size();
        if (name == "DATE") {
            LocalTime when = now_;
            if (count >= 3) {
                when += days{Number(name, pieces[2])};
            }
            static const local_days first{year{1} / 1 / 1};
            static const local_days last{year{9999} / 12 / 31};
            if (floor<days>(when) < first || floor<days>(when) > last) {
                Fail(name, "datum je mimo roky 1 až 9999.");
            }
            return FormatDateTime(count >= 2 ? pieces[1] : std::string(), when);
        }
        if (name == "SUM" || name == "MULT") {
            const bool sum = name == "SUM";
            std::int32_t value = sum ? 0 : 1;
            for (std::size_t i = 1; i < count; ++i) {
                const std::int64_t next = Number(name, pieces[i]);
                value = Checked(name, sum ? value + next : value * next);
            }
            return std::to_string(value);
        }
        if (name == "SUB" || name == "DIV") {
            std::int32_t value = Number(name, count > 1 ? pieces[1] : std::string());
            for (std::size_t i = 2; i < count; ++i) {
                const std::int64_t next = Number(name, pieces[i]);
                if (name == "SUB") {
                    value = Checked(name, value - next);
                } else if (next == 0) {
                    Fail(name, "dělení nulou.");
                } else {
                    value = Checked(name, value / next);
                }
            }
            return std::to_string(value);
        }
        if (name == "UPPERCASE" || name == "LOWERCASE") {
            const std::string& text = count > 1 ? pieces[1] : std::string();
            return name == "UPPERCASE" ? base::UpperCaseCZ(text) : base::LowerCaseCZ(text);
        }
        return {};
    }

    LocalTime now_;
};

/// The index of the ")" that closes a call whose content starts at `from`, or npos.
std::size_t ClosingParenthesis(std::string_view text, std::size_t from) {
    int depth = 0;
    bool quoted = false;
    for (std::size_t i = from; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"') {
            quoted = !quoted;
        } else if (quoted) {
            continue;
        } else if (c == '(') {
            ++depth;
        } else if (c == ')') {
            if (depth == 0) {
                return i;
            }
            --depth;
        }
    }
    return std::string_view::npos;
}

} // namespace

ExpandResult ExpandFunctions(std::string_view text, LocalTime now) {
    ExpandResult result;
    Evaluator evaluator(now);
    std::size_t i = 0;
    try {
        while (i < text.size()) {
            std::size_t call = i;
            while (call < text.size() && !IsCallAt(text, call)) {
                call = text.find('*', call + 1);
                call = call == std::string_view::npos ? text.size() : call;
            }
            const std::size_t close = call < text.size()
                                          ? ClosingParenthesis(text, call + kCall.size())
                                          : std::string_view::npos;
            if (close == std::string_view::npos) {
                break;
            }
            result.Text.append(text.substr(i, call - i));
            const std::size_t start = call + kCall.size();
            result.Text += evaluator.Evaluate(text.substr(start, close - start), 0);
            i = close + 1;
        }
    } catch (const ExpandError& error) {
        return {std::string(), error.what()};
    }
    result.Text.append(text.substr(std::min(i, text.size())));
    return result;
}

} // namespace zn::editor
