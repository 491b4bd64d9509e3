// "Nová tabulka": the counts of rows and columns, the caption, the border and the grid of cell
// contents that previews the table; the wizard's text comes from tags/TableWizard.
#pragma once

#include "tags/TableWizard.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QSlider;
class QTableWidget;
class QToolButton;

namespace zn::tags::ui {

/// An up-down control without an edit field: two arrow buttons that step a position within a
/// range. Vertical ones step up with the upper arrow, horizontal ones with the right arrow.
class TUpDown : public QWidget {
public:
    TUpDown(Qt::Orientation orientation, int min, int max, int position, QWidget* parent);
    int Position() const { return position_; }
    void SetPosition(int position);
    /// One step up (+1) or down (-1), as a click on an arrow does.
    void Step(int delta);
    std::function<void()> OnClick;

private:
    int min_;
    int max_;
    int position_;
};

class TTableForm : public QDialog {
public:
    explicit TTableForm(QWidget* parent = nullptr);

    TUpDown* RowsUpDown;     ///< "Řádky:"
    TUpDown* HeadRowsUpDown; ///< "Řádky hlavičky:"
    TUpDown* ColsUpDown;     ///< "Sloupce:"
    TUpDown* HeadColsUpDown; ///< "Sloupce hlavičky:"
    QLineEdit* CaptionEdit;
    QSlider* BorderTrackBar;
    QCheckBox* CloseTagCheckBox;
    QTableWidget* TableStringGrid;

    /// The counts as the four controls stand.
    TTableCounts Counts() const;
    /// The table as shown: cells in the order the rows and columns appear on screen, texts as
    /// document text.
    TTableWizard Table() const;
    /// Resizes the grid to the controls' counts (contents of remaining cells stay).
    void UpdateGrid();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLabel* rowsCount_;
    QLabel* headRowsCount_;
    QLabel* colsCount_;
    QLabel* headColsCount_;
};

} // namespace zn::tags::ui
