// znackar-batch: the editor's engines on many files from the command line, without a window.
#include "batch/BatchCommands.h"
#include "batch/BatchCommon.h"

#include <iostream>
#include <vector>

namespace {

struct Command {
    std::string_view name;
    int (*run)(std::span<const std::string>);
};

constexpr Command kCommands[] = {
    {"recode", zn::batch::RunRecode},         {"replace", zn::batch::RunReplace},
    {"autoinsert", zn::batch::RunAutoInsert}, {"colour", zn::batch::RunColour},
    {"color", zn::batch::RunColour},          {"audit", zn::batch::RunAudit},
    {"gif2bmp", zn::batch::RunGifToBmp},      {"imagesize", zn::batch::RunImageSize},
};

} // namespace

int main(int argc, char** argv) {
    using namespace zn::batch;
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
