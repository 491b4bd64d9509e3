// Reading encoding definition files and building translation tables between encodings.
#include "editor/Encodings.h"

#include <fstream>
#include <unordered_map>

namespace zn::editor {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

/// Lines as a string list reads them: split at LF, a CR before it dropped, no empty last line
/// after a final line break.
std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t lf = text.find('\n');
        std::string_view line = text.substr(0, lf);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.push_back(line);
        if (lf == std::string_view::npos) {
            break;
        }
        text.remove_prefix(lf + 1);
    }
    return lines;
}

bool IsHeader(std::string_view line) {
    constexpr std::string_view header = "ENCODING FILE";
    if (line.size() != header.size()) {
        return false;
    }
    for (std::size_t i = 0; i < line.size(); ++i) {
        char c = line[i];
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
        if (c != header[i]) {
            return false;
        }
    }
    return true;
}

/// One entry line; false when its code is not a decimal number.
bool ParseEntry(std::string_view line, std::uint8_t& code, std::string& name) {
    std::size_t i = 0;
    while (i < line.size() && IsBlank(line[i])) {
        ++i;
    }
    const std::size_t digits = i;
    unsigned value = 0;
    while (i < line.size() && !IsBlank(line[i])) {
        if (line[i] < '0' || line[i] > '9') {
            return false;
        }
        // Only the low eight bits count, so any number of digits is read without overflow.
        value = (value * 10 + static_cast<unsigned>(line[i] - '0')) & 0xFF;
        ++i;
    }
    if (i == digits) {
        return false;
    }
    while (i < line.size() && IsBlank(line[i])) {
        ++i;
    }
    code = static_cast<std::uint8_t>(value);
    name.assign(line.substr(i));
    return true;
}

} // namespace

std::optional<TEncoding> ParseEncodingFile(std::string_view text) {
    const std::vector<std::string_view> lines = SplitLines(text);
    if (lines.size() <= 2 || !IsHeader(lines[0])) {
        return std::nullopt;
    }
    TEncoding encoding;
    encoding.Name.assign(lines[1]);
    std::string name;
    for (std::size_t i = 2; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        bool blank = true;
        for (const char c : line) {
            blank = blank && IsBlank(c);
        }
        if (blank) {
            continue;
        }
        std::uint8_t code = 0;
        if (!ParseEntry(line, code, name)) {
            return std::nullopt;
        }
        encoding.Codes.push_back(code);
        encoding.CharNames.push_back(name);
    }
    return encoding;
}

EncodingFileKind ReadEncodingFile(const std::string& path, TEncoding* encoding) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return EncodingFileKind::Unreadable;
    }
    std::string text;
    char buffer[65536];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        text.append(buffer, static_cast<std::size_t>(in.gcount()));
        if (text.size() > kMaxEncodingFileSize) {
            return EncodingFileKind::NotEncoding;
        }
    }
    if (in.bad()) {
        return EncodingFileKind::Unreadable;
    }
    std::optional<TEncoding> parsed = ParseEncodingFile(text);
    if (!parsed) {
        return EncodingFileKind::NotEncoding;
    }
    if (encoding != nullptr) {
        *encoding = std::move(*parsed);
    }
    return EncodingFileKind::Encoding;
}

TranslationTable BuildTranslation(const TEncoding& from, const TEncoding& to) {
    std::unordered_map<std::string_view, std::uint8_t> target;
    for (std::size_t k = 0; k < to.CharNames.size(); ++k) {
        target.emplace(to.CharNames[k], to.Codes[k]); // the first entry of a name stays
    }
    TranslationTable table;
    std::array<bool, 256> listed{};
    for (int b = 0; b < 256; ++b) {
        table[static_cast<std::size_t>(b)] = static_cast<std::uint8_t>(b);
    }
    for (std::size_t j = 0; j < from.Codes.size(); ++j) {
        const std::uint8_t code = from.Codes[j];
        if (listed[code]) {
            continue; // the first entry of a code is the source
        }
        listed[code] = true;
        const auto found = target.find(from.CharNames[j]);
        if (found != target.end()) {
            table[code] = found->second;
        }
    }
    return table;
}

void TEncodings::Load(const std::vector<std::string>& paths) {
    Clear();
    for (const std::string& path : paths) {
        TEncoding encoding;
        if (ReadEncodingFile(path, &encoding) == EncodingFileKind::Encoding) {
            Add(std::move(encoding));
        }
    }
}

void TEncodings::Add(TEncoding encoding) {
    items_.push_back(std::move(encoding));
    cache_.clear();
}

void TEncodings::Clear() {
    items_.clear();
    cache_.clear();
}

const TEncoding* TEncodings::Find(std::string_view name) const {
    for (auto it = items_.rbegin(); it != items_.rend(); ++it) {
        if (it->Name == name) {
            return &*it;
        }
    }
    return nullptr;
}

std::optional<TranslationTable> TEncodings::Translation(std::string_view from,
                                                        std::string_view to) const {
    for (const Cached& cached : cache_) {
        if (cached.From == from && cached.To == to) {
            return cached.Table;
        }
    }
    const TEncoding* source = Find(from);
    const TEncoding* target = Find(to);
    if (source == nullptr || target == nullptr) {
        return std::nullopt;
    }
    cache_.push_back({std::string(from), std::string(to), BuildTranslation(*source, *target)});
    return cache_.back().Table;
}

TEncodings& LoadedEncodings() {
    static TEncodings encodings;
    return encodings;
}

void LoadEncodings(const std::vector<std::string>& paths) {
    LoadedEncodings().Load(paths);
}

} // namespace zn::editor
