// The save dialog of a document window with its seven filters.
#pragma once

#include <QString>

class QWidget;

namespace zn::app::ui {

/// The filters, numbered from 1 as the document window counts them.
QString DocumentSaveFilters();

/// Asks for a file name to save under, starting in `folder` with `name` proposed and filter
/// `filterIndex` (1-based) selected; returns the chosen name (empty when cancelled) and updates
/// filterIndex to the filter in use.
QString RunDocumentSaveDialog(QWidget* parent, const QString& folder, const QString& name,
                              int& filterIndex);

} // namespace zn::app::ui
