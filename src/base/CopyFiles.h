// Copying files the way a file manager does: questions before overwriting, never half a file.
#pragma once

#include "base/Prompter.h"

#include <string_view>

namespace zn::base {

/// Copies files; ";" separates several names in both lists. With as many targets as sources
/// every source goes to its target; with one target for several sources the target is a folder.
/// A target that is an existing folder receives the file under its own name. With `confirm` the
/// user is asked before a file is overwritten and before a missing folder is created; with
/// `rename` a taken target name gets a number instead ("a (2).gif"). Each file is written
/// under a temporary name and renamed, so no target is ever left half-written. Failures are
/// told to the user naming the file; the result is true when every file was copied.
bool CopyFilesByShell(std::string_view sources, std::string_view targets, bool confirm, bool rename,
                      base::Prompter& prompter);

} // namespace zn::base
