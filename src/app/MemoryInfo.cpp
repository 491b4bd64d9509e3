// Reading /proc/meminfo and formatting its figures.
#include "app/MemoryInfo.h"

#include <charconv>
#include <fstream>
#include <map>
#include <sstream>

namespace zn::app {

int MemoryFigures::AvailablePercent() const {
    if (TotalKB == 0)
        return 0;
    const std::uint64_t available = AvailableKB < TotalKB ? AvailableKB : TotalKB;
    return static_cast<int>(available * 100 / TotalKB);
}

namespace {

/// "Name:   12345 kB" lines into name -> number; other lines are skipped.
std::map<std::string, std::uint64_t, std::less<>> MeminfoFields(std::string_view text) {
    std::map<std::string, std::uint64_t, std::less<>> fields;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        const std::size_t colon = line.find(':');
        if (colon == std::string_view::npos)
            continue;
        std::string_view number = line.substr(colon + 1);
        while (!number.empty() && number.front() == ' ')
            number.remove_prefix(1);
        std::uint64_t value = 0;
        const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
        if (result.ec == std::errc())
            fields.emplace(std::string(line.substr(0, colon)), value);
    }
    return fields;
}

} // namespace

std::optional<MemoryFigures> ParseMeminfo(std::string_view text) {
    const auto fields = MeminfoFields(text);
    const auto field = [&](std::string_view name) -> std::optional<std::uint64_t> {
        const auto found = fields.find(name);
        if (found == fields.end())
            return std::nullopt;
        return found->second;
    };
    const auto total = field("MemTotal");
    if (!total || *total == 0)
        return std::nullopt;
    MemoryFigures figures;
    figures.TotalKB = *total;
    figures.FreeKB = field("MemFree").value_or(0);
    if (const auto available = field("MemAvailable"))
        figures.AvailableKB = *available;
    else
        figures.AvailableKB =
            figures.FreeKB + field("Buffers").value_or(0) + field("Cached").value_or(0);
    return figures;
}

std::optional<MemoryFigures> ReadMemoryFigures() {
    std::ifstream file("/proc/meminfo");
    if (!file)
        return std::nullopt;
    std::ostringstream text;
    text << file.rdbuf();
    return ParseMeminfo(text.str());
}

std::string ResourcesText(int percent) {
    if (percent <= 0)
        return "celá zaplněna";
    return std::to_string(percent) + " % volných";
}

std::string KilobytesText(std::uint64_t kilobytes, std::string_view separator) {
    const std::string digits = std::to_string(kilobytes);
    std::string text;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            text += separator;
        text += digits[i];
    }
    return text + " KB";
}

} // namespace zn::app
