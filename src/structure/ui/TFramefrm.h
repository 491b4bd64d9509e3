// "Kouzelník dokumentu s rámy": a grid of frames shaped with the mouse, the properties of the
// selected frame and the document's title, border and NOFRAMES text. The text comes from
// structure/FrameWizard.
#pragma once

#include "structure/FrameWizard.h"

#include <QDialog>

#include <functional>
#include <map>
#include <utility>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace zn::structure::ui {

class TFramefrm : public QDialog {
public:
    explicit TFramefrm(QWidget* parent = nullptr);

    QTableWidget* Frames; ///< one cell per frame; the text of a cell is its frame's source
    QSpinBox* RowsSp;
    QSpinBox* ColsSp;
    QLineEdit* DocTitle;
    QSpinBox* BorderSp;
    QPlainTextEdit* NoFrames;
    QCheckBox* fonly;
    QLineEdit* FrameName;
    QComboBox* Scrolling;
    QCheckBox* OpenChb;
    QCheckBox* resizeablechb;
    QPushButton* FindFileButton; ///< "Najít soubor na disku"
    QPushButton* Button1;        ///< "OK"

    /// Lets the user choose the source of the selected frame from the current one (set by the
    /// main window; the button does nothing without it). Returns the new source.
    std::function<QString(const QString& current)> ChooseSource;

    /// The document as the grid shows it: rows and columns in their order on screen, with
    /// their sizes; texts as document text.
    TFrameDocument Document() const;
    /// The frame of a cell (by its row and column in the grid's model); a new one with the
    /// defaults when the cell has none yet.
    TFrame& FrameAt(int row, int column);
    /// Sets the grid to the counts and shares its space equally among the rows and columns.
    void LayoutGrid();

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void FramesClick();
    void StoreFrame();

    std::map<std::pair<int, int>, TFrame> frames_; ///< by (row, column) of the model
    bool filling_ = false;
};

} // namespace zn::structure::ui
