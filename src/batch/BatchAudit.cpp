// audit: per page the encoding its bytes are really in, the charset it declares, and what does
// not match (a wrong declaration, characters the declared charset cannot hold).
#include "batch/BatchCommands.h"
#include "batch/BatchCommon.h"

#include "base/FileIO.h"
#include "editor/CharsetCheck.h"
#include "editor/EncodingDetective.h"

namespace zn::batch {

/// Exit code of an audit that read every page but found some that do not match.
inline constexpr int kExitMismatch = 3;

namespace {

/// What is wrong with a page, or "" when nothing is.
std::string Mismatch(std::string_view bytes, editor::PageEncoding detected,
                     const std::string& charset) {
    const bool utf8 = editor::ChooseOpenEncoding(bytes).utf8;
    if (charset.empty()) {
        return detected == editor::PageEncoding::Windows1250 && !utf8
                   ? std::string()
                   : std::string(Tr("chybí deklarace charset", "no charset declared"));
    }
    editor::PageEncoding declared{};
    if (!editor::CharsetEncoding(charset, declared)) {
        return Format(Tr("neznámý charset \"%1\"", "unknown charset \"%1\""), {charset});
    }
    if (declared != detected) {
        return Tr("deklarované kódování neodpovídá obsahu",
                  "the declared encoding does not match the content");
    }
    const std::vector<editor::UnfitCharacter> unfit =
        editor::CharactersOutsideCharset(bytes, utf8, declared);
    if (unfit.empty()) {
        return {};
    }
    std::string list;
    for (const editor::UnfitCharacter& c : unfit) {
        list += (list.empty() ? "" : " ") + c.text;
    }
    return Format(
        Tr("znaky mimo deklarované kódování: %1", "characters outside the declared encoding: %1"),
        {list});
}

} // namespace

int RunAudit(std::span<const std::string> argv) {
    const Args args = ParseArgs(argv, {});
    if (args.help) {
        PrintHelp("audit");
        return kExitOk;
    }
    if (!args.error.empty()) {
        return UsageError("audit", args.error);
    }
    if (args.operands.empty()) {
        return UsageError("audit", Tr("zadejte složku nebo soubory", "give a folder or files"));
    }
    std::vector<std::string> missing;
    const std::vector<std::string> files =
        GatherFiles(args.operands, args.recursive, FileKind::Page, missing);
    Run run(files.size());
    for (const std::string& name : missing) {
        run.Fail(Format(Tr("%1: soubor neexistuje", "%1: no such file"), {name}));
    }
    bool mismatch = false;
    for (const std::string& file : files) {
        run.Next(file);
        PageBytes page;
        if (std::string message; !page.Read(file, message)) {
            run.Fail(message);
            continue;
        }
        const std::string_view bytes = page.View();
        const bool utf8 = editor::ChooseOpenEncoding(bytes).utf8;
        const editor::PageEncoding detected = editor::DetectEncoding(bytes, utf8);
        const std::string charset = editor::DeclaredCharset(bytes);
        const std::string wrong = Mismatch(bytes, detected, charset);
        mismatch = mismatch || !wrong.empty();
        run.Report(Format(
            Tr("%1: zjištěno %2, deklarováno %3: %4", "%1: detected %2, declared %3: %4"),
            {file, editor::PageEncodingName(detected), charset.empty() ? std::string("-") : charset,
             wrong.empty() ? std::string(Tr("v pořádku", "fine")) : wrong}));
    }
    return run.Failed() ? kExitFailed : mismatch ? kExitMismatch : kExitOk;
}

} // namespace zn::batch
