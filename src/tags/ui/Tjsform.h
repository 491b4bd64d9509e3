// The dialog "Události pro JavaScripty": the events the current tag takes, with their reactions
// in an editable grid.
#pragma once

#include "tags/ScriptEvents.h"

#include <QDialog>

#include <vector>

class QTableWidget;

namespace zn::tags::ui {

class Tjsform : public QDialog {
    Q_OBJECT

public:
    explicit Tjsform(QWidget* parent = nullptr);

    /// Fills the grid with one row per event of the current tag; false (grid untouched) when
    /// the tag takes no events.
    bool ReadTag(const editor::THTMLRichEdit& edit);
    /// The rows with the reactions as the grid shows them now.
    std::vector<TEventRow> Rows() const;

    QTableWidget* JSGrid;

    /// Takes a cell still being edited into the grid before the dialog closes.
    void accept() override;

private:
    std::vector<TEventRow> rows_;
};

} // namespace zn::tags::ui
