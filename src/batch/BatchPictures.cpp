// gif2bmp and imagesize: the editor's GIF reader and BMP writing, and its picture sizes.
#include "batch/BatchCommands.h"
#include "batch/BatchCommon.h"

#include "structure/GifBitmap.h"
#include "structure/GifException.h"
#include "structure/GifFile.h"
#include "structure/JpegFile.h"
#include "structure/PictureType.h"

#include <filesystem>

namespace zn::batch {

namespace {

/// Parses the options of a picture subcommand; a negative result is the code to exit with.
int PictureArgs(std::span<const std::string> argv, std::string_view command, Args& args) {
    args = ParseArgs(argv, {});
    if (args.help) {
        PrintHelp(command);
        return kExitOk;
    }
    if (!args.error.empty()) {
        return UsageError(command, args.error);
    }
    if (args.operands.empty()) {
        return UsageError(command, Tr("zadejte obrázky", "give the pictures"));
    }
    return -1;
}

} // namespace

int RunGifToBmp(std::span<const std::string> argv) {
    Args args;
    if (const int code = PictureArgs(argv, "gif2bmp", args); code >= 0) {
        return code;
    }
    std::vector<std::string> missing;
    const std::vector<std::string> files =
        GatherFiles(args.operands, args.recursive, FileKind::Gif, missing);
    Run run(files.size());
    for (const std::string& name : missing) {
        run.Fail(Format(Tr("%1: soubor neexistuje", "%1: no such file"), {name}));
    }
    for (const std::string& file : files) {
        run.Next(file);
        const std::string bmp = std::filesystem::path(file).replace_extension(".bmp").string();
        try {
            structure::TGifFile gif;
            gif.LoadFromFile(file);
            const std::optional<std::vector<uint8_t>> dib = structure::FirstImageAsDib(gif);
            if (!dib) {
                run.Fail(Format(Tr("%1: soubor GIF neobsahuje žádný obrázek",
                                   "%1: the GIF file holds no image"),
                                {file}));
                continue;
            }
            const std::string_view bytes(reinterpret_cast<const char*>(dib->data()), dib->size());
            bool written = false;
            std::string message;
            if (args.dryRun) {
                run.Report(
                    Format(Tr("%1 -> %2 (nezapsáno)", "%1 -> %2 (not written)"), {file, bmp}));
            } else if (!WriteIfChanged(bmp, bytes, written, message)) {
                run.Fail(message);
            } else {
                run.Report(Format(written ? Tr("%1 -> %2", "%1 -> %2")
                                          : Tr("%1 -> %2 (beze změny)", "%1 -> %2 (unchanged)"),
                                  {file, bmp}));
            }
        } catch (const std::exception& error) {
            // The reader's own messages do not name the file.
            run.Fail(Format("%1: %2", {file, error.what()}));
        }
    }
    return run.ExitCode();
}

int RunImageSize(std::span<const std::string> argv) {
    Args args;
    if (const int code = PictureArgs(argv, "imagesize", args); code >= 0) {
        return code;
    }
    std::vector<std::string> missing;
    const std::vector<std::string> files =
        GatherFiles(args.operands, args.recursive, FileKind::Picture, missing);
    Run run(files.size());
    for (const std::string& name : missing) {
        run.Fail(Format(Tr("%1: soubor neexistuje", "%1: no such file"), {name}));
    }
    for (const std::string& file : files) {
        run.Next(file);
        try {
            const std::optional<structure::TPictureSize> size = structure::PictureDimensions(file);
            if (!size) {
                run.Fail(Format(
                    Tr("%1: není obrázek JPEG ani GIF", "%1: not a JPEG or GIF picture"), {file}));
                continue;
            }
            run.Report(Format("%1: %2x%3",
                              {file, std::to_string(size->Width), std::to_string(size->Height)}));
        } catch (const std::exception& error) {
            run.Fail(Format("%1: %2", {file, error.what()}));
        }
    }
    return run.ExitCode();
}

} // namespace zn::batch
