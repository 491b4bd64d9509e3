// The recent-files entries of the File menu: between a separator of their own and the separator
// above "&Konec", newest on top.
#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include <functional>
#include <string>
#include <vector>

class QAction;
class QMenu;

namespace zn::app::ui {

class RecentFilesMenu : public QObject {
public:
    /// The entries go into `menu` just before `before` (the separator above "&Konec"); a click
    /// calls `open` with the entry's file name.
    RecentFilesMenu(QMenu* menu, QAction* before, std::function<void(const QString&)> open);

    /// Shows `list` (oldest first) newest on top; the separator only when the list is not empty.
    void Show(const std::vector<std::string>& list);

    /// The entries' file names, top to bottom.
    QStringList FileNames() const;
    QList<QAction*> Entries() const { return entries_; }
    QAction* Separator() const { return separator_; }

private:
    QMenu* menu_;
    QAction* before_;
    QAction* separator_;
    QList<QAction*> entries_;
    std::function<void(const QString&)> open_;
};

} // namespace zn::app::ui
