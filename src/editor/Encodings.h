// Encoding definition files and the collection of loaded encodings used by every conversion.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zn::editor {

/// One loaded encoding file: its name (line 2) and its entries in file order.
struct TEncoding {
    std::string Name;
    std::vector<std::string> CharNames; ///< one per entry
    std::vector<std::uint8_t> Codes;    ///< parallel to CharNames
};

/// How reading an encoding file went (the dialog of installed encodings marks each row so).
enum class EncodingFileKind { Encoding, NotEncoding, Unreadable };

/// Files larger than this are not encoding files (a real one holds a few kilobytes), so a huge
/// file dropped by mistake is never read into memory.
inline constexpr std::size_t kMaxEncodingFileSize = 4u << 20;

/// Reads the text of an encoding file: line 1 is "ENCODING FILE" in any case, line 2 the name,
/// then one entry per line: optional blanks, a decimal code (taken modulo 256), blanks and the
/// character name (the rest of the line). Blank lines are skipped. Nothing when the header does
/// not match, the file has only two lines, or an entry's code is not a decimal number.
std::optional<TEncoding> ParseEncodingFile(std::string_view text);

/// Reads and parses a file; `encoding` receives it when the result is Encoding.
EncodingFileKind ReadEncodingFile(const std::string& path, TEncoding* encoding = nullptr);

/// A byte-to-byte table: every byte maps to itself unless the source lists it (first entry for
/// the code) and the target carries the same character name (first entry for the name).
using TranslationTable = std::array<std::uint8_t, 256>;
TranslationTable BuildTranslation(const TEncoding& from, const TEncoding& to);

/// The encodings loaded from the installed files, in load order, for the whole program.
class TEncodings {
public:
    /// LoadEncodings: clears the collection and loads every file in order; files that cannot
    /// be read or are not encoding files add nothing.
    void Load(const std::vector<std::string>& paths);
    void Add(TEncoding encoding);
    void Clear();

    const std::vector<TEncoding>& Items() const { return items_; }
    bool Empty() const { return items_.empty(); }
    /// The encoding of that exact name; when names repeat, the last one loaded.
    const TEncoding* Find(std::string_view name) const;
    /// The table between two named encodings, or nothing when either is missing. Tables are
    /// remembered until the collection changes.
    std::optional<TranslationTable> Translation(std::string_view from, std::string_view to) const;

private:
    std::vector<TEncoding> items_;
    struct Cached {
        std::string From;
        std::string To;
        TranslationTable Table;
    };
    mutable std::vector<Cached> cache_;
};

/// The program's one collection.
TEncodings& LoadedEncodings();
/// Loads the program's collection from the installed files.
void LoadEncodings(const std::vector<std::string>& paths);

} // namespace zn::editor
