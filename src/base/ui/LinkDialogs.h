// The link operations with real dialogs: file dialogs, the input box for new names and the
// icon of the desktop's default application.
#pragma once

#include "base/FileDialog.h"
#include "base/Links.h"
#include "base/ui/QtPrompter.h"

#include <QIcon>
#include <QString>

class QFileDialog;

namespace zn::base::ui {

/// A QFileDialog kept by its owner, as the link operations use it.
class QtFileDialog : public FileDialog {
public:
    explicit QtFileDialog(QFileDialog& dialog) : dialog_(dialog) {}
    std::string FileName() const override { return fileName_; }
    void SetFileName(const std::string& name) override;
    void SetInitialDir(const std::string& folder) override;
    bool Execute() override;

private:
    QFileDialog& dialog_;
    std::string fileName_;
};

/// Questions as message boxes; new names are asked with the input box TAddUrl.
class LinkPrompter : public base::ui::QtPrompter {
public:
    LinkPrompter(QWidget* parent, std::string title)
        : QtPrompter(parent, std::move(title)), parent_(parent) {}
    std::optional<std::string> InputLine(const std::string& caption, const std::string& prompt,
                                         const std::string& initial) override;

private:
    QWidget* parent_;
};

/// ChooseLink and ChooseFile on a dialog kept by the caller (its last file is remembered).
QString ChooseLink(QFileDialog& dialog, const QString& current, const LinkSettings& settings,
                   base::Prompter& prompter);
QString ChooseFile(QFileDialog& dialog, const QString& current);

inline constexpr const char* kNoProgram = "neexistuje";

/// The icon of the desktop's default application for files with the extension (without the
/// dot); `program` receives the application's program, or "neexistuje" with a null icon when
/// there is none.
QIcon AssociatedIcon(const QString& extension, QString& program);

} // namespace zn::base::ui
