// znackar-batch: the editor's engines on many files from the command line, without a window.
#include "batch/BatchCommands.h"
#include "batch/BatchCommon.h"

#include "base/DataFolder.h"

#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

/// Pages are read and changed whole. On a machine whose transparent huge pages are "madvise",
/// glibc's malloc asks for them only when told so at start (a tunable read from the environment
/// before main), and a 10 MB page then costs a handful of page faults instead of thousands,
/// which halves the time of a run. So for large work (a folder, or files of 1 MB and more) the
/// program starts itself once more with the tunable; small files are not worth the second start.
/// When that cannot be done it simply goes on.
void UseHugePages(int argc, char** argv) {
    const char* tunables = std::getenv("GLIBC_TUNABLES");
    if (tunables && std::strstr(tunables, "glibc.malloc.hugetlb")) {
        return;
    }
    constexpr off_t kLarge = 1 << 20;
    off_t total = 0;
    for (int i = 2; i < argc && total < kLarge; ++i) {
        struct stat info {};
        if (::stat(argv[i], &info) == 0) {
            total += S_ISDIR(info.st_mode) ? kLarge : info.st_size;
        }
    }
    if (total < kLarge) {
        return;
    }
    // Under a tool such as valgrind the running executable is the tool's; then no new start.
    const std::string self = zn::base::ExecutablePath();
    if (std::string_view(self).substr(self.rfind('/') + 1) != "znackar-batch") {
        return;
    }
    std::string value = tunables && *tunables ? std::string(tunables) + ":" : std::string();
    value += "glibc.malloc.hugetlb=1";
    if (::setenv("GLIBC_TUNABLES", value.c_str(), 1) == 0) {
        ::execv(self.c_str(), argv);
    }
}

struct Command {
    std::string_view name;
    int (*run)(std::span<const std::string>);
};

constexpr Command kCommands[] = {
    {"recode", zn::batch::RunRecode},         {"replace", zn::batch::RunReplace},
    {"autoinsert", zn::batch::RunAutoInsert}, {"colour", zn::batch::RunColour},
    {"color", zn::batch::RunColour},          {"audit", zn::batch::RunAudit},
    {"gif2bmp", zn::batch::RunGifToBmp},      {"imagesize", zn::batch::RunImageSize},
    {"gallery", zn::batch::RunGallery},
};

} // namespace

int main(int argc, char** argv) {
    using namespace zn::batch;
    UseHugePages(argc, argv);
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        return UsageError("", Tr("chybí příkaz", "no command given"));
    }
    if (args[0] == "-h" || args[0] == "--help") {
        PrintHelp("");
        return kExitOk;
    }
    for (const Command& command : kCommands) {
        if (command.name == args[0]) {
            return command.run(std::span<const std::string>(args).subspan(1));
        }
    }
    return UsageError("", Format(Tr("neznámý příkaz %1", "unknown command %1"), {args[0]}));
}
