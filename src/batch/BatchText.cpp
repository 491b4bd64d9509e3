// The subcommands that change the text of pages: recode, replace and autoinsert. Each reads a
// page, changes its bytes with the editor's own engine and writes it only when they differ.
#include "batch/BatchCommands.h"
#include "batch/BatchCommon.h"

#include "app/EncodingList.h"
#include "app/SettingsFile.h"
#include "app/SettingsStore.h"
#include "base/Cp1250.h"
#include "base/FileIO.h"
#include "base/Prompter.h"
#include "base/Utf8.h"
#include "editor/AutoInsert.h"
#include "editor/EncChanger.h"
#include "editor/EncodingDetective.h"
#include "editor/Encodings.h"
#include "editor/Search.h"
#include "editor/THTMLRichEdit.h"

#include <algorithm>
#include <filesystem>
#include <functional>
#include <iostream>

namespace zn::batch {

namespace {

/// What a change of one page gave: the number of bytes or occurrences and the new content
/// (valid until the next page; only when the count is not 0), or why it failed.
struct TextChange {
    long long count = 0;
    std::string error;
    std::string_view result;
};
/// Changes the bytes of a page; the new content may be built in `scratch`. The page is not
/// copied first, as pages may be large.
using TextTransform = std::function<TextChange(std::string_view bytes, std::string& scratch)>;

/// Keeps the messages the engines would show in a box, to report them per file.
class MessageList : public base::Prompter {
public:
    std::vector<std::string> shown;
    base::Answer Ask(const std::string& text, base::Buttons, base::Severity) override {
        shown.push_back(text);
        return base::Answer::Cancel;
    }
    void Tell(const std::string& text, base::Severity) override { shown.push_back(text); }
    std::optional<std::string> InputLine(const std::string&, const std::string&,
                                         const std::string&) override {
        return std::nullopt;
    }
};

int RunTextCommand(const Args& args, bool countsBytes, const TextTransform& transform) {
    std::vector<std::string> missing;
    const std::vector<std::string> files =
        GatherFiles(args.operands, args.recursive, FileKind::Page, missing);
    Run run(files.size());
    for (const std::string& name : missing) {
        run.Fail(Format(Tr("%1: soubor neexistuje", "%1: no such file"), {name}));
    }
    PageBytes page;
    std::string scratch;
    for (const std::string& file : files) {
        run.Next(file);
        if (std::string message; !page.Read(file, message)) {
            run.Fail(message);
            continue;
        }
        const std::string_view bytes = page.View();
        const TextChange change = transform(bytes, scratch);
        if (!change.error.empty()) {
            run.Fail(Format(Tr("%1: %2 (soubor zůstal beze změny)", "%1: %2 (file left as it was)"),
                            {file, change.error}));
            continue;
        }
        const bool changed = change.count > 0 && change.result != bytes;
        if (changed && !args.dryRun) {
            if (const base::FileResult write = base::WriteFileAtomically(file, change.result);
                !write.ok) {
                run.Fail(write.message);
                continue;
            }
        }
        run.Report(ChangeLine(file, change.count, changed, args.dryRun, countsBytes));
    }
    return run.ExitCode();
}

/// The shipped encodings, then the ones installed in the editor's settings, then `--enc-file`
/// files; a later one of the same name wins. Returns an error for a file that is not one.
std::string LoadBatchEncodings(const Args& args) {
    std::vector<std::string> paths = app::ShippedEncodingFiles(app::ShippedEncodingsFolder());
    std::error_code error;
    if (const std::string store = app::DefaultSettingsPath();
        std::filesystem::is_regular_file(store, error)) {
        app::SettingsStore settings(store);
        for (const std::string& path : app::ReadInstalledEncodings(settings)) {
            paths.push_back(path);
        }
    }
    const auto given = args.values.find("--enc-file");
    if (given != args.values.end()) {
        for (const std::string& path : given->second) {
            if (editor::ReadEncodingFile(path) != editor::EncodingFileKind::Encoding) {
                return Format(Tr("%1 není soubor kódování", "%1 is not an encoding file"), {path});
            }
            paths.push_back(path);
        }
    }
    editor::LoadEncodings(paths);
    return {};
}

std::string EncodingNames() {
    std::string names;
    for (const editor::TEncoding& encoding : editor::LoadedEncodings().Items()) {
        names += (names.empty() ? "\"" : ", \"") + encoding.Name + "\"";
    }
    return names;
}

/// A text from the command line (UTF-8) in the bytes of a page.
std::string InPage(const std::string& utf8, bool utf8Page) {
    return utf8Page ? utf8 : base::Utf8ToCp1250(utf8);
}

/// Letter case in a UTF-8 page is folded the way the editor folds it in a UTF-8 document (Czech
/// letters included), so the page goes through the editor's replacing in a document. The text
/// control holds line breaks as CR LF: a page with LF breaks gets them back; a page with mixed
/// breaks is left to the byte-wise search (nothing when this returns no result).
std::optional<TextChange> ReplaceInUtf8Page(std::string_view bytes, editor::OpenChoice choice,
                                            const std::string& find, const std::string& with,
                                            std::string& out) {
    const std::string_view body = choice.bom ? bytes.substr(3) : bytes;
    std::size_t pairs = 0;
    for (std::size_t at = 0; (at = body.find("\r\n", at)) != std::string_view::npos; at += 2) {
        ++pairs;
    }
    const auto feeds = static_cast<std::size_t>(std::count(body.begin(), body.end(), '\n'));
    const auto returns = static_cast<std::size_t>(std::count(body.begin(), body.end(), '\r'));
    const bool lf = returns == 0;
    if (!lf && (returns != pairs || feeds != pairs)) {
        return std::nullopt;
    }
    editor::THTMLRichEdit edit;
    edit.Model().SetUtf8(true);
    edit.Model().Load(body);
    TextChange change;
    change.count = editor::ReplaceInDocument(edit, 1, base::Utf8ToCp1250(find), editor::kReplaceAll,
                                             base::Utf8ToCp1250(with));
    if (change.count > 0) {
        out = choice.bom ? std::string(bytes.substr(0, 3)) : std::string();
        const std::string text = edit.Model().Text();
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (!(lf && text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) {
                out += text[i];
            }
        }
        change.result = out;
    }
    return change;
}

} // namespace

int RunRecode(std::span<const std::string> argv) {
    static const OptionRule rules[] = {{"--from", true}, {"--to", true}, {"--enc-file", true}};
    const Args args = ParseArgs(argv, rules);
    if (args.help) {
        PrintHelp("recode");
        return kExitOk;
    }
    if (!args.error.empty()) {
        return UsageError("recode", args.error);
    }
    if (!args.Has("--from") || !args.Has("--to") || args.operands.empty()) {
        return UsageError("recode",
                          Tr("zadejte --from, --to a soubory", "give --from, --to and the files"));
    }
    if (std::string error = LoadBatchEncodings(args); !error.empty()) {
        return UsageError("recode", error);
    }
    for (const std::string& name : {args.Value("--from"), args.Value("--to")}) {
        if (!editor::LoadedEncodings().Find(name)) {
            return UsageError("recode", Format(Tr("neznámé kódování \"%1\"; známá: %2",
                                                  "unknown encoding \"%1\"; known: %2"),
                                               {name, EncodingNames()}));
        }
    }
    MessageList messages;
    editor::TEncChanger changer(&messages);
    changer.FromEnc = args.Value("--from");
    changer.ToEnc = args.Value("--to");
    return RunTextCommand(args, true, [&](std::string_view bytes, std::string&) {
        TextChange change;
        // Byte by byte between 8-bit encodings, UTF-8 text would be broken apart.
        if (base::IsMultiByteUtf8(bytes)) {
            change.error = Tr("stránka je v UTF-8, převod mezi 8bitovými kódováními by ji poškodil",
                              "the page is UTF-8, which converting between 8-bit encodings would "
                              "damage");
            return change;
        }
        change.count = changer.Convert(bytes);
        change.result = changer.Result();
        if (!messages.shown.empty()) {
            change.error = messages.shown.front();
            messages.shown.clear();
        }
        return change;
    });
}

int RunReplace(std::span<const std::string> argv) {
    static const OptionRule rules[] = {
        {"--find", true}, {"--with", true}, {"--case", false}, {"--diacritics", false}};
    const Args args = ParseArgs(argv, rules);
    if (args.help) {
        PrintHelp("replace");
        return kExitOk;
    }
    if (!args.error.empty()) {
        return UsageError("replace", args.error);
    }
    if (args.Value("--find").empty() || !args.Has("--with") || args.operands.empty()) {
        return UsageError("replace", Tr("zadejte neprázdné --find, --with a soubory",
                                        "give a non-empty --find, --with and the files"));
    }
    if (std::string error = LoadBatchEncodings(args); !error.empty()) {
        return UsageError("replace", error);
    }
    const int options = (args.Has("--case") ? editor::kMatchCase : 0) |
                        (args.Has("--diacritics") ? editor::kIgnoreDiacritics : 0);
    const std::string find = args.Value("--find");
    const std::string with = args.Value("--with");
    return RunTextCommand(args, false, [&](std::string_view bytes, std::string& out) {
        const editor::OpenChoice choice = editor::ChooseOpenEncoding(bytes);
        const bool utf8 = choice.utf8;
        // The table that drops diacritics maps Windows-1250 bytes, which in UTF-8 are pieces of
        // characters; the editor never ignores diacritics in a UTF-8 document either.
        const int pageOptions = utf8 ? options & ~editor::kIgnoreDiacritics : options;
        if (utf8 && pageOptions == 0) {
            if (std::optional<TextChange> done =
                    ReplaceInUtf8Page(bytes, choice, find, with, out)) {
                return *done;
            }
        }
        const std::string what = InPage(find, utf8);
        const std::string replacement = InPage(with, utf8);
        // Every occurrence, going on after each replacement, as "Zaměnit vše" does.
        const editor::Searcher searcher(what, pageOptions);
        TextChange change;
        out.clear();
        std::size_t copied = 0;
        for (editor::Position at = 0; (at = searcher.Find(bytes, at)) >= 0;) {
            const auto hit = static_cast<std::size_t>(at);
            if (change.count++ == 0) {
                out.reserve(bytes.size() + bytes.size() / 8);
            }
            out.append(bytes, copied, hit - copied).append(replacement);
            copied = hit + what.size();
            at += searcher.Length();
        }
        if (change.count > 0) {
            out.append(bytes, copied);
            change.result = out;
        }
        return change;
    });
}

int RunAutoInsert(std::span<const std::string> argv) {
    static const OptionRule rules[] = {{"--defs", true}};
    const Args args = ParseArgs(argv, rules);
    if (args.help) {
        PrintHelp("autoinsert");
        return kExitOk;
    }
    if (!args.error.empty()) {
        return UsageError("autoinsert", args.error);
    }
    if (!args.Has("--defs") || args.operands.empty()) {
        return UsageError("autoinsert", Tr("zadejte --defs SOUBOR.chn a soubory",
                                           "give --defs FILE.chn and the files"));
    }
    std::string chn;
    if (const base::FileResult read = base::ReadDocumentFile(args.Value("--defs"), chn); !read.ok) {
        return UsageError("autoinsert", read.message);
    }
    const editor::ChnContent defs = editor::ParseChn(chn);
    if (const std::string note = editor::SkippedRecordsMessage(defs, args.Value("--defs"));
        !note.empty()) {
        std::cerr << "znackar-batch: " << note << std::endl;
    }
    // A UTF-8 page gets the definitions (Windows-1250 bytes) in UTF-8.
    std::vector<editor::TAutoDef> utf8Defs = defs.Items;
    for (editor::TAutoDef& def : utf8Defs) {
        def.Abbreviation = base::Cp1250ToUtf8(def.Abbreviation);
        def.Text = base::Cp1250ToUtf8(def.Text);
    }
    // One moment for the whole run: every page gets the same date.
    const editor::LocalTime now = editor::LocalNow();
    return RunTextCommand(args, false, [&](std::string_view bytes, std::string& text) {
        const bool utf8 = editor::ChooseOpenEncoding(bytes).utf8;
        text = bytes;
        const editor::AutoInsertResult result =
            editor::AutoInsertText(text, utf8 ? utf8Defs : defs.Items, now);
        return TextChange{result.Replaced, result.Error, text};
    });
}

} // namespace zn::batch
