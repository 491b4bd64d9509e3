// colour: a page coloured by the editor's own highlighter, written as an ANSI-coloured listing
// for a terminal, or counted (--stats).
#include "batch/BatchCommands.h"
#include "batch/BatchCommon.h"

#include "base/Cp1250.h"
#include "base/FileIO.h"
#include "base/Utf8.h"
#include "editor/EncodingDetective.h"
#include "editor/THTMLRichEdit.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <memory>

namespace zn::batch {

namespace {

/// Terminal colours of the four kinds, as the editor's defaults: text, red tags, blue attribute
/// names, purple values.
constexpr std::array<std::string_view, 4> kAnsi = {"\x1b[0m", "\x1b[31m", "\x1b[34m", "\x1b[35m"};

void WriteOut(const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
}

/// What a page holds of each colour kind: characters, runs (an attribute name is one run) and
/// tags (each begins with a "<" in the tag colour).
struct ColourCounts {
    std::array<long long, 4> chars{};
    std::array<long long, 4> runs{};
    long long tags = 0;
};

/// Walks the coloured text a stretch at a time (so no copy of the whole page is made), counting
/// and, unless only counting, writing the listing: an escape sequence where the colour changes,
/// line breaks as LF, Windows-1250 bytes as UTF-8 through a table made once.
ColourCounts ListColours(const editor::TextStore& store, bool utf8, bool countOnly) {
    // Each character as UTF-8: its length in the first byte, then up to three bytes.
    static const std::array<std::array<char, 4>, 256> table = [] {
        std::array<std::array<char, 4>, 256> t{};
        for (int b = 0; b < 256; ++b) {
            std::string s;
            base::AppendUtf8(s, base::Cp1250ToUnicode(static_cast<std::uint8_t>(b)));
            t[static_cast<std::size_t>(b)][0] = static_cast<char>(s.size());
            std::copy(s.begin(), s.end(), t[static_cast<std::size_t>(b)].begin() + 1);
        }
        return t;
    }();
    constexpr editor::Position kStretch = 1 << 20;
    // Room for the worst case: a colour change and a three-byte character at every character.
    constexpr std::size_t kRoom = 8;
    const std::unique_ptr<char[]> buffer(new char[kStretch * kRoom + 16]);
    ColourCounts counts;
    int current = -1;
    const editor::Position length = store.Length();
    for (editor::Position pos = 0; pos < length; pos += kStretch) {
        const editor::Position n = std::min(kStretch, length - pos);
        const std::string text = store.GetText(pos, n);
        const std::vector<std::uint8_t> colours = store.GetColors(pos, n);
        const char after = store.CharAt(pos + n);
        char* out = buffer.get();
        for (std::size_t i = 0; i < text.size();) {
            const std::uint8_t kind = colours[i] & 3;
            std::size_t end = i + 1;
            while (end < text.size() && (colours[end] & 3) == kind) {
                ++end;
            }
            counts.chars[kind] += static_cast<long long>(end - i);
            if (kind == 1) {
                counts.tags += std::count(text.begin() + static_cast<std::ptrdiff_t>(i),
                                          text.begin() + static_cast<std::ptrdiff_t>(end), '<');
            }
            if (kind != current) {
                current = kind;
                ++counts.runs[kind];
                const std::string_view escape = kAnsi[kind];
                out = std::copy(escape.begin(), escape.end(), out);
            }
            for (; !countOnly && i < end; ++i) {
                const auto c = static_cast<unsigned char>(text[i]);
                if (c == '\r' && (i + 1 < text.size() ? text[i + 1] : after) == '\n') {
                    continue;
                }
                if (c < 0x80 || utf8) {
                    *out++ = static_cast<char>(c);
                } else {
                    const std::array<char, 4>& utf = table[c];
                    out = std::copy_n(utf.begin() + 1, utf[0], out);
                }
            }
            i = end;
        }
        if (!countOnly) {
            std::fwrite(buffer.get(), 1, static_cast<std::size_t>(out - buffer.get()), stdout);
        }
    }
    if (!countOnly) {
        std::string end(kAnsi[0]);
        if (length > 0 && store.CharAt(length - 1) != '\n') {
            end += '\n';
        }
        WriteOut(end);
    }
    return counts;
}

} // namespace

int RunColour(std::span<const std::string> argv) {
    static const OptionRule rules[] = {{"--stats", false}};
    const Args args = ParseArgs(argv, rules);
    if (args.help) {
        PrintHelp("colour");
        return kExitOk;
    }
    if (!args.error.empty()) {
        return UsageError("colour", args.error);
    }
    if (args.operands.empty()) {
        return UsageError("colour", Tr("zadejte soubor", "give a file"));
    }
    const bool stats = args.Has("--stats");
    std::vector<std::string> missing;
    const std::vector<std::string> files =
        GatherFiles(args.operands, args.recursive, FileKind::Page, missing);
    Run run(files.size());
    for (const std::string& name : missing) {
        run.Fail(Format(Tr("%1: soubor neexistuje", "%1: no such file"), {name}));
    }
    for (const std::string& file : files) {
        run.Next(file);
        PageBytes page;
        if (std::string message; !page.Read(file, message)) {
            run.Fail(message);
            continue;
        }
        const std::string_view bytes = page.View();
        const editor::OpenChoice choice = editor::ChooseOpenEncoding(bytes);
        editor::THTMLRichEdit edit;
        edit.SyntaxHighLighting = true;
        edit.Model().SetUtf8(choice.utf8);
        edit.Model().Load(choice.bom ? std::string_view(bytes).substr(3) : std::string_view(bytes));
        edit.ColorAll();
        if (files.size() > 1 && !stats) {
            WriteOut("==> " + file + " <==\n");
        }
        const ColourCounts counts = ListColours(edit.Model().Store(), choice.utf8, stats);
        if (stats) {
            WriteOut(Format(Tr("%1: tagů %2, atributů %3, znaků: tagy %4, jména atributů %5, "
                               "hodnoty %6, text %7\n",
                               "%1: tags %2, attributes %3, characters: tags %4, attribute names "
                               "%5, values %6, text %7\n"),
                            {file, std::to_string(counts.tags), std::to_string(counts.runs[2]),
                             std::to_string(counts.chars[1]), std::to_string(counts.chars[2]),
                             std::to_string(counts.chars[3]), std::to_string(counts.chars[0])}));
        }
    }
    std::fflush(stdout);
    return run.ExitCode();
}

} // namespace zn::batch
