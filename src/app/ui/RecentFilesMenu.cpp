// Rebuilding the recent-files entries of the File menu.
#include "app/ui/RecentFilesMenu.h"

#include "app/RecentFiles.h"

#include <QAction>
#include <QMenu>

namespace zn::app::ui {

RecentFilesMenu::RecentFilesMenu(QMenu* menu, QAction* before,
                                 std::function<void(const QString&)> open)
    : QObject(menu), menu_(menu), before_(before), separator_(new QAction(this)),
      open_(std::move(open)) {
    separator_->setSeparator(true);
    separator_->setObjectName(QStringLiteral("RecentSeparator"));
    menu_->insertAction(before_, separator_);
    separator_->setVisible(false);
}

void RecentFilesMenu::Show(const std::vector<std::string>& list) {
    for (QAction* entry : entries_) {
        menu_->removeAction(entry);
        entry->deleteLater();
    }
    entries_.clear();
    separator_->setVisible(!list.empty());
    for (const std::string& stored : RecentNewestFirst(list)) {
        const QString name = QString::fromStdString(stored);
        // "&" in a file name is a character of the name, not a mnemonic.
        auto* entry =
            new QAction(QString(name).replace(QLatin1Char('&'), QStringLiteral("&&")), this);
        entry->setData(name);
        entry->setStatusTip(name);
        connect(entry, &QAction::triggered, this, [this, name] { open_(name); });
        menu_->insertAction(before_, entry);
        entries_.push_back(entry);
    }
}

QStringList RecentFilesMenu::FileNames() const {
    QStringList names;
    for (const QAction* entry : entries_)
        names.push_back(entry->data().toString());
    return names;
}

} // namespace zn::app::ui
