// colour: a page coloured by the editor's own highlighter, written as an ANSI-coloured listing
// for a terminal, or counted (--stats).
#include "batch/BatchCommands.h"
#include "batch/BatchCommon.h"

#include "base/Cp1250.h"
#include "base/FileIO.h"
#include "base/Utf8.h"
#include "editor/EncodingDetective.h"
#include "editor/THTMLRichEdit.h"

#include <array>
#include <cstdio>

namespace zn::batch {

namespace {

/// Terminal colours of the four kinds, as the editor's defaults: text, red tags, blue attribute
/// names, purple values.
constexpr std::array<std::string_view, 4> kAnsi = {"\x1b[0m", "\x1b[31m", "\x1b[34m", "\x1b[35m"};

/// The listing of one run of text: line breaks as LF, Windows-1250 bytes as UTF-8 (each byte
/// through a table made once); a UTF-8 page is taken as it is.
void AppendRun(std::string& out, std::string_view run, bool utf8) {
    static const std::array<std::string, 256> table = [] {
        std::array<std::string, 256> t;
        for (int b = 0; b < 256; ++b) {
            base::AppendUtf8(t[static_cast<std::size_t>(b)],
                             base::Cp1250ToUnicode(static_cast<std::uint8_t>(b)));
        }
        return t;
    }();
    for (std::size_t i = 0; i < run.size(); ++i) {
        const auto c = static_cast<unsigned char>(run[i]);
        if (c == '\r' && i + 1 < run.size() && run[i + 1] == '\n') {
            continue;
        }
        if (c < 0x80 || utf8) {
            out += static_cast<char>(c);
        } else {
            out += table[c];
        }
    }
}

void WriteOut(const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
}

} // namespace

int RunColour(std::span<const std::string> argv) {
    static const OptionSpec specs[] = {{"--stats", false}};
    const Args args = ParseArgs(argv, specs);
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
        std::string bytes;
        if (const base::FileResult read = base::ReadDocumentFile(file, bytes); !read.ok) {
            run.Fail(read.message);
            continue;
        }
        const editor::OpenChoice choice = editor::ChooseOpenEncoding(bytes);
        editor::THTMLRichEdit edit;
        edit.SyntaxHighLighting = true;
        edit.Model().SetUtf8(choice.utf8);
        edit.Model().Load(choice.bom ? std::string_view(bytes).substr(3) : std::string_view(bytes));
        bytes = {};
        edit.ColorAll();
        const editor::TextStore& store = edit.Model().Store();
        const std::string text = store.Text();
        const std::vector<std::uint8_t> colours = store.GetColors(0, store.Length());
        // Characters of each kind, and how many runs of it begin (tags and attributes).
        std::array<long long, 4> chars{}, runs{};
        std::string out;
        if (files.size() > 1 && !stats) {
            out += "==> " + file + " <==\n";
        }
        for (std::size_t i = 0; i < text.size();) {
            const std::uint8_t kind = colours[i] & 3;
            std::size_t end = i + 1;
            while (end < text.size() && (colours[end] & 3) == kind) {
                ++end;
            }
            chars[kind] += static_cast<long long>(end - i);
            ++runs[kind];
            if (!stats) {
                out += kAnsi[kind];
                AppendRun(out, std::string_view(text).substr(i, end - i), choice.utf8);
                if (out.size() > (1u << 20)) {
                    WriteOut(out);
                    out.clear();
                }
            }
            i = end;
        }
        if (stats) {
            // Every tag begins with a "<" in the tag colour.
            long long tags = 0;
            for (std::size_t i = 0; i < text.size(); ++i) {
                tags += text[i] == '<' && colours[i] == 1;
            }
            out = Format(Tr("%1: tagů %2, atributů %3, znaků: tagy %4, jména atributů %5, hodnoty "
                            "%6, text %7\n",
                            "%1: tags %2, attributes %3, characters: tags %4, attribute names %5, "
                            "values %6, text %7\n"),
                         {file, std::to_string(tags), std::to_string(runs[2]),
                          std::to_string(chars[1]), std::to_string(chars[2]),
                          std::to_string(chars[3]), std::to_string(chars[0])});
        } else {
            out += kAnsi[0];
            if (!text.empty() && text.back() != '\n') {
                out += '\n';
            }
        }
        WriteOut(out);
    }
    std::fflush(stdout);
    return run.ExitCode();
}

} // namespace zn::batch
