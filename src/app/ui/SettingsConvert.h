// Conversions between the toolkit-free setting types and Qt's: colours, fonts, texts.
#pragma once

#include "app/Settings.h"
#include "app/StoredFont.h"

#include <QColor>
#include <QFont>
#include <QString>
#include <string>

namespace zn::app::ui {

QColor ColorFromNumber(ColorNumber number);
ColorNumber NumberFromColor(const QColor& color);

/// The Qt font of a stored font; the family "System" is the desktop's fixed-width font.
QFont FontFromStored(const StoredFont& stored);
/// The stored form of a Qt font. Colour and character set are not part of a QFont and are
/// taken from `previous`; the desktop's fixed-width family stays "System".
StoredFont StoredFromFont(const QFont& font, const StoredFont& previous = {});

/// Texts of the settings store are UTF-8.
inline QString FromStored(const std::string& text) {
    return QString::fromStdString(text);
}
inline std::string ToStored(const QString& text) {
    return text.toStdString();
}

} // namespace zn::app::ui
