// The subcommands of znackar-batch; each takes the arguments after its name and returns the
// exit code.
#pragma once

#include <span>
#include <string>

namespace zn::batch {

int RunRecode(std::span<const std::string> argv);
int RunReplace(std::span<const std::string> argv);
int RunAutoInsert(std::span<const std::string> argv);
int RunColour(std::span<const std::string> argv);
int RunAudit(std::span<const std::string> argv);
int RunGifToBmp(std::span<const std::string> argv);
int RunImageSize(std::span<const std::string> argv);
int RunGallery(std::span<const std::string> argv);

} // namespace zn::batch
