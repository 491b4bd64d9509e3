// A small list of the installed plug-ins: install, remove, shortcut and "O pluginu".
#pragma once

#include "app/Plugins.h"

#include <QDialog>

class QKeySequenceEdit;
class QListWidget;
class QPushButton;

namespace zn::base {
class Prompter;
}

namespace zn::app::ui {

/// Works on a copy of the plug-ins; the caller takes Result() when the user confirms.
/// `embedded`: a page of another dialog, without its own "OK" and "Storno".
class PluginListDialog : public QDialog {
    Q_OBJECT
public:
    PluginListDialog(const TPlugins& plugins, base::Prompter& prompter, QWidget* parent = nullptr,
                     bool embedded = false);

    const TPlugins& Result() const { return plugins_; }
    /// Installs the files (as chosen in the open dialog or dropped); refusals are told.
    void Install(const QStringList& files);

protected:
    /// As a page, Esc and Enter belong to the dialog around it.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Fill(int select);
    std::string SelectedPath() const;
    void SelectionChanged();
    void RemoveClick();
    void AboutClick();
    void ShortcutChanged();

    TPlugins plugins_;
    base::Prompter& prompter_;
    bool embedded_;
    QListWidget* PluginList = nullptr;
    QKeySequenceEdit* ShortcutEdit = nullptr;
    QPushButton* RemoveButton = nullptr;
    QPushButton* AboutButton = nullptr;
};

} // namespace zn::app::ui
