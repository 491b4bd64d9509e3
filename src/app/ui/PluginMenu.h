// The plug-in entries of the "&Plug-ins" menu, rebuilt from the installed plug-ins.
#pragma once

#include "app/Plugins.h"

#include <QList>
#include <QObject>
#include <QString>

#include <functional>

class QAction;
class QIcon;
class QMenu;
class QWidget;

namespace zn::app::ui {

/// Where the editor finds znackar-plugin-host: the environment variable ZNACKAR_PLUGIN_HOST,
/// else beside its own executable, else where `cmake --install` puts it (../libexec/znackar/).
QString PluginHostPath();

/// The plug-in's 16 × 16 picture; a null icon when it has none.
QIcon PluginIcon(const TPIItem& item);

/// Fills a menu with one entry per plug-in (caption = name, tool tip = path, the plug-in's
/// shortcut and picture), a separator and "Výběr a nastavení ..". Shortcuts are also added to
/// `window`, so they work while the menu is closed.
class PluginMenu : public QObject {
    Q_OBJECT
public:
    PluginMenu(QMenu* menu, QWidget* window, std::function<void(const std::string& path)> run,
               std::function<void()> settings);

    /// Removes the entries of the previous build and makes them anew from `plugins`.
    void Build(const TPlugins& plugins);
    /// The entries of the plug-ins, in collection order.
    const QList<QAction*>& Entries() const { return entries_; }

private:
    QMenu* menu_;
    QWidget* window_;
    std::function<void(const std::string&)> run_;
    QList<QAction*> entries_;
};

} // namespace zn::app::ui
