// Printing the text of a control in its colours, wrapped at the page width, as one job.
#pragma once

#include "editor/TextModel.h"
#include "editor/ui/RowPainter.h"

#include <QFont>

class QPrinter;

namespace zn::editor::ui {

/// Prints the whole text on `printer` (a real printer or a PDF file); returns the number of
/// pages, 0 when the printer could not be started.
int PrintText(TextModel& model, const QFont& font, const TextPalette& palette, QPrinter& printer);

} // namespace zn::editor::ui
