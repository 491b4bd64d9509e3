// gallery: the editor's picture gallery from the command line: thumbnails beside the pictures
// and the gallery table on standard output.
#include "batch/BatchCommands.h"
#include "batch/BatchCommon.h"

#include "app/GallerySchemas.h"
#include "app/SettingsFile.h"
#include "app/SettingsStore.h"
#include "base/Links.h"
#include "base/Prompter.h"
#include "structure/GalleryLayout.h"
#include "structure/GalleryThumbnails.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <set>

namespace zn::batch {

namespace fs = std::filesystem;

namespace {

/// The schema named by --schema (from the editor's settings) or the defaults; an error text
/// when there is none of that name.
std::string ChooseSchema(const Args& args, structure::TGallerySchema& schema) {
    if (args.Has("--defaults") == args.Has("--schema")) {
        return Tr("zadejte buď --schema JMÉNO, nebo --defaults",
                  "give either --schema NAME or --defaults");
    }
    if (args.Has("--defaults")) {
        schema = {};
        return {};
    }
    const std::string name = args.Value("--schema");
    const std::string path = app::DefaultSettingsPath();
    std::error_code error;
    if (fs::is_regular_file(path, error)) {
        app::SettingsStore store(path);
        const std::vector<std::string> names = app::GallerySchemaNames(store);
        if (std::find(names.begin(), names.end(), name) != names.end()) {
            schema = app::LoadGallerySchema(store, name);
            return {};
        }
    }
    return Format(Tr("schéma \"%1\" není uloženo v nastavení editoru (%2)",
                     "no schema \"%1\" is stored in the editor's settings (%2)"),
                  {name, path});
}

/// The pictures named, without the files that are the thumbnails of other pictures of the list
/// (a folder that already has its gallery would otherwise get thumbnails of thumbnails).
std::vector<std::string> GalleryPictures(const std::vector<std::string>& files,
                                         const std::string& pattern) {
    std::set<std::string> thumbnails;
    for (const std::string& file : files) {
        thumbnails.insert(fs::absolute(structure::ThumbnailFileName(file, pattern)).string());
    }
    std::vector<std::string> pictures;
    for (const std::string& file : files) {
        if (!thumbnails.contains(fs::absolute(file).string())) {
            pictures.push_back(file);
        }
    }
    return pictures;
}

} // namespace

int RunGallery(std::span<const std::string> argv) {
    static const OptionRule rules[] = {{"--schema", true},
                                       {"--defaults", false},
                                       {"--pattern", true},
                                       {"--page", true},
                                       {"--lower-case", false}};
    const Args args = ParseArgs(argv, rules);
    if (args.help) {
        PrintHelp("gallery");
        return kExitOk;
    }
    if (!args.error.empty()) {
        return UsageError("gallery", args.error);
    }
    structure::TGallerySchema schema;
    if (std::string error = ChooseSchema(args, schema); !error.empty()) {
        return UsageError("gallery", error);
    }
    if (args.operands.empty()) {
        return UsageError("gallery", Tr("zadejte obrázky", "give the pictures"));
    }
    const std::string pattern =
        args.Has("--pattern") ? args.Value("--pattern") : std::string(structure::kThumbnailPattern);
    std::vector<std::string> missing;
    const std::vector<std::string> files = GalleryPictures(
        GatherFiles(args.operands, args.recursive, FileKind::Picture, missing), pattern);
    Run run(files.size());
    for (const std::string& name : missing) {
        run.Fail(Format(Tr("%1: soubor neexistuje", "%1: no such file"), {name}));
    }
    // Links are made for a page in the folder of --page, by default the current folder.
    base::LinkSettings links;
    links.DocumentFileName =
        fs::absolute(args.Has("--page") ? fs::path(args.Value("--page")) : fs::path("gallery.html"))
            .lexically_normal()
            .string();
    links.UpperCaseTags = !args.Has("--lower-case");
    base::ScriptedPrompter prompter; // asked only when copying files, which is off
    std::vector<structure::TGalleryPicture> pictures;
    std::vector<structure::TThumbnailJob> jobs;
    for (const std::string& file : files) {
        pictures.push_back(structure::NewGalleryPicture(fs::absolute(file).lexically_normal(),
                                                        pattern, links, prompter));
        jobs.push_back({base::LinkToFileName(pictures.back().Picture, links.DocumentFileName),
                        base::LinkToFileName(pictures.back().Thumbnail, links.DocumentFileName)});
    }
    if (args.dryRun) {
        for (const structure::TThumbnailJob& job : jobs) {
            run.Report(Format(Tr("%1 -> %2 (nezapsáno)", "%1 -> %2 (not written)"),
                              {job.Source, job.Target}));
        }
        return run.ExitCode();
    }
    const std::vector<structure::TThumbnailResult> results = structure::MakeThumbnails(
        jobs, schema.SirkaNahledu, schema.VyskaNahledu, [&](int, int) { run.Next(""); });
    std::vector<std::optional<structure::TPictureSize>> sizes;
    for (const structure::TThumbnailResult& result : results) {
        sizes.push_back(result.Size);
        if (result.Status == structure::TThumbnailStatus::Skipped) {
            run.Fail(result.Message);
        }
    }
    const std::string table =
        structure::GalleryTableText(pictures, sizes, schema, links.UpperCaseTags);
    std::fwrite(table.data(), 1, table.size(), stdout);
    std::fflush(stdout);
    return run.ExitCode();
}

} // namespace zn::batch
