// The file-open dialog as the link operations see it, so that they run without a window.
#pragma once

#include <string>

namespace zn::base {

/// A file-open dialog kept between uses: it remembers the file last chosen.
class FileDialog {
public:
    virtual ~FileDialog() = default;
    /// The full name of the file last chosen, or the name last set; empty before any.
    virtual std::string FileName() const = 0;
    /// The name the dialog offers (a name without folder).
    virtual void SetFileName(const std::string& name) = 0;
    virtual void SetInitialDir(const std::string& folder) = 0;
    /// Shows the dialog; true when the user chose a file (then FileName is its full name).
    virtual bool Execute() = 0;
};

} // namespace zn::base
