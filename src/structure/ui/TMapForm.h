// The image map editor "Editor klikovacích map": the maps of a document over their pictures,
// their areas drawn and reshaped with the mouse and their fields; the caller writes the maps
// back when the window is confirmed.
#pragma once

#include "base/Prompter.h"
#include "structure/DocumentStructure.h"
#include "structure/MapGeometry.h"

#include <QDialog>

#include <functional>
#include <string>
#include <vector>

class QAction;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDockWidget;
class QLineEdit;
class QListWidget;
class QMainWindow;
class QPushButton;
class QSpinBox;
class QTimer;
class QToolButton;

namespace zn::structure::ui {

class MapCanvas;

class TMapForm : public QDialog {
    Q_OBJECT

public:
    TMapForm(base::Prompter& prompter, QWidget* parent = nullptr);

    /// Opens on a scan: the areas are edited in place; `pairs` are the scan's picture and map
    /// pairs, listed as `entries`. Picture links are read relative to the document's file.
    void Prepare(AreaList& areas, const MapList& pairs, const std::vector<std::string>& entries,
                 const std::string& documentFileName, const std::vector<std::string>& links);

    /// The map (its name without "#") and area to choose when the editor opens; the map is
    /// forgotten when the window hides, the area once it has been chosen. Windows-1250.
    std::string MapToSelect, AreaToSelect;
    /// "Najít soubor" beside the HREF: the chosen link for the current text (empty: none).
    std::function<QString(const QString& current)> ChooseHref;

    /// The side of the area panel: 3 left, 4 right (as it is stored).
    int PanelAlign() const;
    void SetPanelAlign(int align);
    /// The drawing colour (`BarvaP`).
    QColor DrawColor() const;
    void SetDrawColor(const QColor& color);

    // Called by the controls; public for the tests.
    void ChooseMap(int index);
    void ChooseArea();
    void StoreArea();
    void SaveButtonClick();
    bool NewArea();
    void DeleteArea();
    void RenameArea();
    void CopyArea();
    void PasteArea();
    void PasteNewArea();
    void CanvasPressed(TMouseButton button, int x, int y);
    void SetEditMode(bool edit);
    void TimerTick();
    const TMapGeometry& Geometry() const { return geometry_; }

    QComboBox* MapCombo;
    QListWidget* MapLB;
    QPushButton *NewButton, *SaveButton, *DeleteButton, *RenButton;
    QPushButton *CopyBtn, *PasteBtn, *PasteNewBtn;
    QButtonGroup* TypeR;
    QComboBox* RefCB;
    QToolButton* SpeedButton40;
    QLineEdit *AKEdit, *TIEdit, *ShapeTarget, *ShapeText;
    QCheckBox* NoHrefCHb;
    QToolButton *DrawSB, *PointSB;
    QPushButton* BarvaP;
    QSpinBox *PW, *EW;
    QCheckBox* Asa;
    QPushButton *OKButton, *CancelButton;
    QDockWidget* ItemPanel;
    MapCanvas* Canvas;
    QTimer* Timer1;
    QAction *Newi, *Deletei, *Renamei, *Savei, *copyi, *pastei, *pastenewi;

protected:
    void hideEvent(QHideEvent* event) override;

private:
    QWidget* BuildPanel();
    void BuildMenus();
    void ConnectFields();
    void FieldChanged();
    void SetFields(const TAreaFields& fields);
    TAreaFields Fields() const;
    std::string ChosenMap() const;
    std::string ChosenArea() const;
    void SelectRow(int row);
    void EnableControls(bool enable);

    base::Prompter& prompter_;
    QMainWindow* inner_;
    AreaList* areas_ = nullptr;
    MapList pairs_;
    std::string documentFileName_;
    TMapGeometry geometry_;
    bool closeRequest_ = false;
    bool loading_ = false;
};

} // namespace zn::structure::ui
