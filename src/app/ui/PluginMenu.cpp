// Building the plug-in entries of the "&Plug-ins" menu.
#include "app/ui/PluginMenu.h"

#include "base/Cp1250.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>
#include <QIcon>
#include <QImage>
#include <QKeySequence>
#include <QMenu>
#include <QPixmap>
#include <QWidget>

namespace zn::app::ui {

QString PluginHostPath() {
    const QString chosen = qEnvironmentVariable("ZNACKAR_PLUGIN_HOST");
    if (!chosen.isEmpty())
        return chosen;
    const QString folder = QCoreApplication::applicationDirPath();
    const QString beside = folder + QStringLiteral("/znackar-plugin-host");
    const QString installed = folder + QStringLiteral("/../libexec/znackar/znackar-plugin-host");
    return QFileInfo(beside).isExecutable() || !QFileInfo(installed).isExecutable() ? beside
                                                                                    : installed;
}

QIcon PluginIcon(const TPIItem& item) {
    if (item.Picture.size() != 16 * 16 * 4)
        return {};
    const QImage picture(item.Picture.data(), 16, 16, 16 * 4, QImage::Format_RGBA8888);
    return QIcon(QPixmap::fromImage(picture.copy()));
}

PluginMenu::PluginMenu(QMenu* menu, QWidget* window,
                       std::function<void(const std::string& path)> run,
                       std::function<void()> settings)
    : QObject(menu), menu_(menu), window_(window), run_(std::move(run)) {
    menu_->addSeparator();
    QAction* choose = menu_->addAction(QString::fromUtf8("Výběr a nastavení .."));
    choose->setObjectName(QStringLiteral("PluginSettingsItem"));
    connect(choose, &QAction::triggered, this, [settings = std::move(settings)] {
        if (settings)
            settings();
    });
}

void PluginMenu::Build(const TPlugins& plugins) {
    for (QAction* entry : entries_) {
        window_->removeAction(entry);
        menu_->removeAction(entry);
        delete entry;
    }
    entries_.clear();
    QAction* before = menu_->actions().isEmpty() ? nullptr : menu_->actions().first();
    for (const TPIItem& item : plugins.Items()) {
        auto* entry = new QAction(QString::fromStdString(base::Cp1250ToUtf8(item.Name)), this);
        const QString path = QString::fromStdString(item.Path);
        entry->setToolTip(path);
        entry->setStatusTip(path);
        entry->setData(path);
        entry->setShortcut(QKeySequence::fromString(QString::fromStdString(item.ShortCut),
                                                    QKeySequence::PortableText));
        entry->setIcon(PluginIcon(item));
        connect(entry, &QAction::triggered, this, [this, entry] {
            // The entry names its plug-in by path, as the tool tip shows it.
            run_(entry->data().toString().toStdString());
        });
        menu_->insertAction(before, entry);
        window_->addAction(entry);
        entries_.append(entry);
    }
}

} // namespace zn::app::ui
