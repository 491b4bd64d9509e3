// The image map commands and the windows they show.
#include "app/ui/MapCommands.h"

#include "app/ui/FormState.h"
#include "app/ui/FormStores.h"
#include "app/ui/TMDIChild.h"
#include "app/ui/TMainForm.h"
#include "app/ui/TagPanelBridge.h"
#include "base/Cp1250.h"
#include "base/ui/LinkDialogs.h"
#include "editor/THTMLRichEdit.h"
#include "structure/DocumentStructure.h"
#include "structure/MapAreas.h"
#include "structure/ui/TMapForm.h"
#include "structure/ui/TMapWizard.h"

#include <QAction>
#include <QCheckBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>

namespace zn::app::ui {

using structure::ui::TMapForm;
using structure::ui::TMapWizard;

MapCommands::MapCommands(TMainForm& main) : QObject(&main), main_(main) {}

MapCommands::~MapCommands() = default;

void MapCommands::Install() {
    QMenu* functions = main_.Menu(MainMenuId::Funkce);
    Mapeditor1 = main_.AddCommand(functions,
                                  {"Mapeditor1",
                                   "Editor map...",
                                   {},
                                   "Editor Map|Upraví klikovací mapy dokumentu",
                                   EnableRule::DocumentOpen},
                                  [this] { EditMaps(); });
    Mapwizard1 = main_.AddCommand(functions,
                                  {"Mapwizard1",
                                   "Kouzelník pro novou mapu...",
                                   {},
                                   "Kouzelník pro novou Mapu|Spustit průvodce vytvořením nové mapy",
                                   EnableRule::DocumentOpen},
                                  [this] { MapWizardClick(); });
    ClickableMAP1 = main_.AddCommand(main_.Menu(MainMenuId::Html),
                                     {"ClickableMAP1",
                                      "Klikovací mapa...",
                                      {},
                                      "Klikovací mapa|Vloží prázdnou klikovací mapu",
                                      EnableRule::DocumentOpen},
                                     [this] { ClickableMapClick(); });
    main_.AddToolButton(Mapeditor1);
    main_.AddToolButton(Mapwizard1);
    if (main_.Inspector != nullptr) {
        main_.Inspector->OpenMapEditor = [this](const std::string& map, const std::string& area) {
            EditMaps(map, area);
        };
    }
}

TMapForm& MapCommands::MapForm() {
    if (!mapForm_) {
        mapForm_ = new TMapForm(main_.HostPrompter(), &main_);
        mapState_ = std::make_unique<FormState>(mapForm_, MapEditorStore, main_.HostStore());
        TMapForm* form = mapForm_;
        mapState_->AddInteger(
            QStringLiteral("ItemPanel.Align"), [form] { return form->PanelAlign(); },
            [form](int align) { form->SetPanelAlign(align); });
        mapState_->AddColor(
            QStringLiteral("BarvaP.Color"), [form] { return form->DrawColor(); },
            [form](const QColor& color) { form->SetDrawColor(color); });
        mapState_->AddSpinBox(form->EW);
        mapState_->AddSpinBox(form->PW);
        mapState_->AddCheckBox(form->Asa);
        mapState_->Restore();
        form->ChooseHref = [this](const QString& current) {
            return ChooseLinkIn(openDialog_, QString(), current);
        };
    }
    return *mapForm_;
}

TMapWizard& MapCommands::MapWizard() {
    if (!wizard_) {
        wizard_ = new TMapWizard(&main_);
        wizardState_ = std::make_unique<FormState>(wizard_, MapWizardStore, main_.HostStore());
        wizardState_->Restore();
        wizard_->ChooseImage = [this](const QString& current) {
            return ChooseLinkIn(pictureDialog_,
                                QStringLiteral("Obrázky (*.gif *.jpg *.jpeg *.png *.bmp)"),
                                current);
        };
    }
    return *wizard_;
}

QString MapCommands::ChooseLinkIn(QFileDialog*& dialog, const QString& filter,
                                  const QString& current) {
    if (dialog == nullptr) {
        dialog = new QFileDialog(&main_);
        dialog->setFileMode(QFileDialog::ExistingFile);
        if (!filter.isEmpty()) {
            dialog->setNameFilters({filter, QStringLiteral("Všechny soubory (*)")});
        }
    }
    base::ui::LinkPrompter prompter(&main_, "Značkář");
    return base::ui::ChooseLink(*dialog, current, main_.LinkSettings(), prompter);
}

void MapCommands::EditMaps(const std::string& map, const std::string& area) {
    editor::THTMLRichEdit* edit = main_.ActiveEdit();
    if (edit == nullptr) {
        return;
    }
    main_.Structure = structure::ScanStructure(edit->Model().Text());
    if (main_.Structure.Maps.empty()) {
        main_.HostPrompter().Tell("Žádná mapa nebyla definována!");
        return;
    }
    TMapForm& form = MapForm();
    form.MapToSelect = map;
    form.AreaToSelect = area;
    form.Prepare(main_.Structure.Areas, main_.Structure.Maps, main_.Structure.MapEntries,
                 main_.DocumentFileName(), main_.HostSettings().LinkDatabase);
    if (form.exec() == QDialog::Accepted) {
        WriteMapsBack();
    }
}

void MapCommands::WriteMapsBack() {
    editor::THTMLRichEdit* edit = main_.ActiveEdit();
    if (edit == nullptr) {
        return;
    }
    const std::string before = edit->Model().Text();
    std::vector<std::string> hrefs;
    const std::string after = structure::WriteMaps(before, main_.Structure.Areas,
                                                   main_.HostSettings().UpperCaseTags, &hrefs);
    for (const std::string& href : hrefs) {
        main_.AddToLinkDatabase(href);
    }
    // Only the changed stretch is replaced: one step to undo, and the rest keeps its colours.
    const structure::TTextReplacement change = structure::ChangedStretch(before, after);
    if (change.Length > 0 || !change.Text.empty()) {
        edit->ReplaceRange(change.Start, change.Length, change.Text);
        // The stretch may begin inside a tag: colouring starts at that tag's "<".
        const std::size_t open = change.Start > 0 ? after.rfind('<', change.Start - 1) : 0;
        const editor::Position from =
            open == std::string::npos ? 0 : static_cast<editor::Position>(open);
        edit->ColorFrom(from, change.Start + static_cast<editor::Position>(change.Text.size()));
    }
    edit->Model().SetCaret(0);
}

void MapCommands::ClickableMapClick() {
    if (main_.ActiveEdit() == nullptr) {
        return;
    }
    const std::optional<std::string> name =
        main_.HostPrompter().InputLine("Jméno mapy", "Jméno mapy", "");
    if (name) {
        main_.InsertIntoActive(
            structure::EmptyMapText(base::Utf8ToCp1250(*name), main_.HostSettings().UpperCaseTags));
    }
}

void MapCommands::MapWizardClick() {
    if (main_.ActiveEdit() == nullptr) {
        return;
    }
    TMapWizard& wizard = MapWizard();
    wizard.Clear();
    wizard.DocumentFileName = main_.DocumentFileName();
    if (wizard.exec() != QDialog::Accepted) {
        return;
    }
    main_.InsertIntoActive(wizard.Text(main_.HostSettings().UpperCaseTags));
    EditMaps(base::Utf8ToCp1250(wizard.Name->text().toStdString()));
}

} // namespace zn::app::ui
