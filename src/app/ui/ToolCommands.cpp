// The small tools' menu items: they take the selected text and put the result in its place.
#include "app/ui/ToolCommands.h"

#include "app/ui/FormState.h"
#include "app/ui/TMainForm.h"
#include "app/ui/TagPanelBridge.h"
#include "tags/ui/FocusedField.h"
#include "tags/ui/TColorForm.h"
#include "tags/ui/TDuhaForm.h"
#include "tags/ui/TNumChng.h"
#include "tags/ui/TagPanelWriters.h"

#include <QAction>
#include <QLineEdit>

namespace zn::app::ui {
namespace {

QColor ToQColor(base::TColor c) {
    return QColor(base::RedOf(c), base::GreenOf(c), base::BlueOf(c));
}

base::TColor FromQColor(const QColor& c) {
    return base::RGBColor(static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
                          static_cast<std::uint8_t>(c.blue()));
}

} // namespace

ToolCommands::ToolCommands(TMainForm& main)
    : QObject(&main), main_(main), numChanger_(std::make_unique<tags::ui::TNumChanger>(&main)) {}

ToolCommands::~ToolCommands() = default;

void ToolCommands::Install() {
    QMenu* menu = main_.Menu(MainMenuId::Funkce);
    NumberSystemItem = main_.AddCommand(
        menu,
        {"Ciselnasoustava1", "Číselná soustava...", {}, "Převádění mezi číselnými soustavami"},
        [this] { NumberSystemClick(); });
    RainbowItem =
        main_.AddCommand(menu, {"Duhovytext1", "Duhový text...", {}, {}, EnableRule::DocumentOpen},
                         [this] { RainbowClick(); });
    ColorItem = main_.AddCommand(
        menu, {"Editovatbarvu1", "Editovat barvu...", {}, "Editace barvy pomocí dialogu"},
        [this] { EditColorClick(); });
}

void ToolCommands::NumberSystemClick() {
    const auto selection = tags::ui::SelectedTextOfFocusedField(main_);
    if (!selection) {
        return;
    }
    if (numChanger_->Execute(selection->text)) {
        tags::ui::InsertIntoFocusedField(main_, numChanger_->Result);
    }
}

void ToolCommands::EditColorClick() {
    const auto selection = tags::ui::SelectedTextOfFocusedField(main_);
    if (!selection) {
        return;
    }
    tags::ui::TColorForm& form = main_.Inspector->Inspector().Writers().ColorForm();
    if (std::optional<std::string> text = form.Edit(selection->text.toStdString())) {
        tags::ui::InsertIntoFocusedField(main_, QString::fromStdString(*text));
    }
}

tags::ui::TDuhaForm& ToolCommands::DuhaForm() {
    if (duhaForm_ == nullptr) {
        tags::ui::TColorForm& colors = main_.Inspector->Inspector().Writers().ColorForm();
        duhaForm_ = new tags::ui::TDuhaForm(
            [&colors](const std::string& text) { return colors.Edit(text); }, &main_);
        tags::ui::TDuhaForm* form = duhaForm_;
        duhaState_ = std::make_unique<FormState>(form, RBFormStore, main_.HostStore());
        duhaState_->AddColor(
            QStringLiteral("StartPanel.Color"), [form] { return ToQColor(form->StartColor()); },
            [form](const QColor& c) { form->SetStartColor(FromQColor(c)); });
        duhaState_->AddColor(
            QStringLiteral("StopPanel.Color"), [form] { return ToQColor(form->StopColor()); },
            [form](const QColor& c) { form->SetStopColor(FromQColor(c)); });
        duhaState_->Restore();
    }
    return *duhaForm_;
}

void ToolCommands::RainbowClick() {
    editor::THTMLRichEdit* edit = main_.ActiveEdit();
    if (edit == nullptr) {
        return;
    }
    tags::ui::TDuhaForm& form = DuhaForm();
    form.DuhaText->setText(tags::ui::FromBytes(edit->Model().SelText()));
    if (form.exec() != QDialog::Accepted) {
        return;
    }
    edit->InsertText(
        form.Result(tags::ui::ToBytes(form.DuhaText->text()), main_.HostSettings().UpperCaseTags));
}

} // namespace zn::app::ui
