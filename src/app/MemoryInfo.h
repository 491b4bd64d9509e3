// Memory figures for the About box, from the kernel's /proc/meminfo.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zn::app {

struct MemoryFigures {
    std::uint64_t TotalKB = 0;     ///< MemTotal: the physical memory
    std::uint64_t FreeKB = 0;      ///< MemFree: memory nothing uses at all
    std::uint64_t AvailableKB = 0; ///< MemAvailable: what programs can still get, caches included

    /// The share of the memory programs can still get, in whole per cent (0-100). It stands in
    /// for the "free system resources" of the window system the editor first ran on.
    int AvailablePercent() const;
};

/// Reads the text of /proc/meminfo; nothing when it holds no usable MemTotal. Without a
/// MemAvailable line (old kernels) the available memory is MemFree + Buffers + Cached.
std::optional<MemoryFigures> ParseMeminfo(std::string_view text);

/// The figures of this machine now.
std::optional<MemoryFigures> ReadMemoryFigures();

/// "%d %% volných", or "celá zaplněna" when nothing is free.
std::string ResourcesText(int percent);

/// A kilobyte count with the thousands separated by `separator`, followed by " KB".
std::string KilobytesText(std::uint64_t kilobytes, std::string_view separator);

} // namespace zn::app
