// The program's own icon and the name of its desktop entry.
#pragma once

#include <QIcon>
#include <QString>

namespace zn::app::ui {

/// The desktop entry's name without ".desktop"; also the icon's name in the icon theme.
inline const QString DesktopId = QStringLiteral("cz.znackar.Znackar");

/// The program's icon in every size it ships (16 to 256 pixels), built into the program so
/// that a window shows it wherever the program was installed.
QIcon ApplicationIcon();

} // namespace zn::app::ui
