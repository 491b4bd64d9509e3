// Pagination of the text onto a printer.
#include "editor/ui/TextPrinter.h"

#include "editor/TextLayout.h"
#include "editor/ui/FontTable.h"

#include <QPainter>
#include <QPrinter>

namespace zn::editor::ui {

int PrintText(TextModel& model, const QFont& font, const TextPalette& palette, QPrinter& printer) {
    QPainter painter;
    if (!painter.begin(&printer)) {
        return 0;
    }
    const FontTable fonts(font, &printer);
    painter.setFont(fonts.Font());
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    TextLayout layout(model);
    layout.SetMetrics(fonts.Advances(), fonts.TabWidth(),
                      [&fonts](char32_t c) { return fonts.CodePointAdvance(c); });
    layout.SetWrapWidth(page.width());
    TextPalette colors = palette;
    colors.background = Qt::white;
    const RowPainter rows(model, layout, fonts, colors);
    const auto rowsPerPage =
        std::max<Position>(1, static_cast<Position>(page.height() / fonts.LineHeight()));
    int pages = 1;
    for (Position row = 0; row < layout.RowCount(); ++row) {
        const Position onPage = row % rowsPerPage;
        if (row > 0 && onPage == 0) {
            printer.newPage();
            ++pages;
        }
        rows.PaintRow(painter, row, static_cast<double>(onPage) * fonts.LineHeight(), 0,
                      page.width(), -1, -1);
    }
    painter.end();
    return pages;
}

} // namespace zn::editor::ui
