// The image map commands of the main window: "Editor map...", "Klikovací mapa..." and
// "Kouzelník pro novou mapu...", and the map editor opened from the Tag Inspector.
#pragma once

#include <QObject>
#include <QPointer>

#include <memory>
#include <string>

class QAction;
class QFileDialog;

namespace zn::structure::ui {
class TMapForm;
class TMapWizard;
} // namespace zn::structure::ui

namespace zn::app::ui {

class FormState;
class TMainForm;

/// Owns the map editor and the map wizard (made on first use and kept, with their stored
/// properties). Each command acts on the active document and does nothing without one.
class MapCommands : public QObject {
    Q_OBJECT

public:
    explicit MapCommands(TMainForm& main);
    ~MapCommands() override;

    /// The items and tool buttons, and the Tag Inspector's way to the editor.
    void Install();

    /// Scans the document and shows the editor on the map (name without "#") and area given;
    /// on OK every map is written back as one undoable change.
    void EditMaps(const std::string& map = {}, const std::string& area = {});
    /// Asks for a map name and inserts an empty MAP element.
    void ClickableMapClick();
    /// Runs the wizard, inserts its text and opens the editor on the new map.
    void MapWizardClick();
    /// Writes the edited maps into the active document.
    void WriteMapsBack();

    structure::ui::TMapForm& MapForm();
    structure::ui::TMapWizard& MapWizard();

    QAction* Mapeditor1 = nullptr;
    QAction* ClickableMAP1 = nullptr;
    QAction* Mapwizard1 = nullptr;

private:
    QString ChooseLinkIn(QFileDialog*& dialog, const QString& filter, const QString& current);

    TMainForm& main_;
    QPointer<structure::ui::TMapForm> mapForm_;
    QPointer<structure::ui::TMapWizard> wizard_;
    std::unique_ptr<FormState> mapState_;
    std::unique_ptr<FormState> wizardState_;
    QFileDialog* openDialog_ = nullptr;
    QFileDialog* pictureDialog_ = nullptr;
};

} // namespace zn::app::ui
