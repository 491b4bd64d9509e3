// Connects the Tag Inspector to the active document, the scanner and the picture viewer.
#include "app/ui/TagPanelBridge.h"

#include "app/ui/FormState.h"
#include "app/ui/PPrevForm.h"
#include "app/ui/TMDIChild.h"
#include "app/ui/TMainForm.h"
#include "base/ui/LinkDialogs.h"
#include "editor/ui/HtmlEditView.h"
#include "structure/DocumentStructure.h"
#include "structure/PictureType.h"
#include "structure/ui/PictureImage.h"
#include "structure/ui/TGOTOIMGForm.h"

#include <QAction>
#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QScrollArea>
#include <QSpinBox>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace zn::app::ui {
namespace {

/// The scroll area of the panels: a narrow column beside the documents to begin with; the
/// user may widen the dock.
class PanelScroll : public QScrollArea {
public:
    using QScrollArea::QScrollArea;
    QSize sizeHint() const override { return {290, QScrollArea::sizeHint().height()}; }
};

} // namespace

TInspectorBridge::TInspectorBridge(TMainForm& form, QStackedWidget* pages, QWidget* tp)
    : QObject(&form), form_(form) {
    inspector_ = new tags::ui::TTagInspector(*this, pages, tp, this);
    inspector_->StylySB()->setChecked(form_.HostSettings().StylySBDown);
    connect(inspector_->StylySB(), &QToolButton::toggled, this,
            [this](bool down) { form_.HostSettings().StylySBDown = down; });
    connect(&form_, &TMainForm::TagChanged, this, &TInspectorBridge::TagChanged);
    // Addresses typed into the three link fields feed the link history once the focus leaves.
    for (const char* name : {"RefCombo", "AHRCB", "FSrc"}) {
        if (auto* combo = inspector_->Panels().As<QComboBox>(name)) {
            form_.RegisterUrlField(combo);
        }
    }
    connect(&form_, &TMainForm::LinkDatabaseChanged, this, &TInspectorBridge::FillLinkHistory);
    FillLinkHistory();
    GotoIMAGE1 =
        form_.AddCommand(form_.Menu(MainMenuId::Upravy),
                         {"GotoIMAGE1",
                          QStringLiteral("Jít na obrázek..."),
                          {},
                          QStringLiteral("Jít na obrázek|Přesune kurzor na vybraný obrázek"),
                          EnableRule::DocumentOpen},
                         [this] { GotoPicture(); });
}

void TInspectorBridge::GotoPicture() {
    TMDIChild* document = form_.ActiveDocument();
    if (document == nullptr) {
        return;
    }
    if (gotoForm_ == nullptr) {
        gotoForm_ = new structure::ui::TGOTOIMGForm(&form_);
        gotoState_ = std::make_unique<FormState>(gotoForm_, GotoIMGWinStore, form_.HostStore());
        QSpinBox* height = gotoForm_->UpDown1;
        gotoState_->AddInteger(
            QStringLiteral("UpDown1.Position"), [height] { return height->value(); },
            [height](int value) { height->setValue(value); });
        gotoState_->Restore();
    }
    editor::THTMLRichEdit& edit = document->EditedText();
    form_.Structure = structure::ScanStructure(edit.Model().Text());
    gotoForm_->Fill(form_.Structure.Pictures, form_.DocumentFileName(), true);
    if (gotoForm_->exec() != QDialog::Accepted) {
        return;
    }
    if (const std::optional<editor::Position> caret = gotoForm_->ChosenPosition()) {
        edit.Model().SetCaret(*caret);
        document->EditorView().setFocus();
    }
}

TInspectorBridge::~TInspectorBridge() = default;

void TInspectorBridge::FillLinkHistory() {
    auto* ref = inspector_->Panels().As<QComboBox>("RefCombo");
    if (ref == nullptr) {
        return;
    }
    const QString text = ref->currentText();
    const bool guard = inspector_->WriteGuard;
    inspector_->WriteGuard = true;
    ref->clear();
    for (const std::string& link : form_.HostSettings().LinkDatabase) {
        ref->addItem(QString::fromStdString(link));
    }
    ref->setEditText(text);
    inspector_->WriteGuard = guard;
}

std::string TInspectorBridge::ChooseLinkFor(const std::string& current, int browseKind) {
    if (linkDialog_ == nullptr) {
        linkDialog_ = new QFileDialog(&form_);
    }
    static const QStringList kFilters[] = {{QStringLiteral("Všechny soubory (*)")},
                                           {QStringLiteral("Obrázky (*.gif *.jpg *.jpeg *.png)"),
                                            QStringLiteral("Všechny soubory (*)")},
                                           {QStringLiteral("Zvuky (*.wav *.mid *.midi *.au *.mp3)"),
                                            QStringLiteral("Všechny soubory (*)")}};
    linkDialog_->setNameFilters(kFilters[std::clamp(browseKind, 0, 2)]);
    base::ui::LinkPrompter prompter(&form_, "Značkář");
    const QString chosen = base::ui::ChooseLink(*linkDialog_, tags::ui::FromBytes(current),
                                                form_.LinkSettings(), prompter);
    return tags::ui::ToBytes(chosen);
}

void TInspectorBridge::OpenInPictureProgram(const std::string& fileName, bool editor) {
    const Settings& s = form_.HostSettings();
    form_.RunExternal(QString::fromStdString(editor ? s.ExternalEditor : s.ExternalViewer),
                      QString::fromStdString(fileName));
}

base::TColor TInspectorBridge::DocumentBodyColor() {
    TMDIChild* document = form_.ActiveDocument();
    return document != nullptr ? document->DocBackground : 0xFFFFFF;
}

QWidget* TInspectorBridge::DialogParent() {
    return &form_;
}

QWidget* TInspectorBridge::DockContent(QStackedWidget* pages) {
    auto* content = new QWidget();
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    auto* bar = new QHBoxLayout();
    bar->setContentsMargins(4, 2, 4, 0);
    bar->addStretch(1);
    bar->addWidget(inspector_->StylySB());
    layout->addLayout(bar);
    // The tallest panel (a table's) scrolls in a short window instead of stretching the dock.
    auto* scroll = new PanelScroll(content);
    scroll->setObjectName(QStringLiteral("InspectorScroll"));
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(pages);
    layout->addWidget(scroll, 1);
    return content;
}

void TInspectorBridge::TagChanged(TMDIChild* document) {
    if (document == form_.ActiveDocument()) {
        inspector_->ReadCurrentTag();
    }
}

editor::THTMLRichEdit* TInspectorBridge::InspectedEdit() {
    TMDIChild* document = form_.ActiveDocument();
    return document != nullptr ? &document->EditedText() : nullptr;
}

std::string TInspectorBridge::InspectedFileName() {
    return form_.DocumentFileName();
}

tags::ui::InspectorOptions TInspectorBridge::InspectorSettings() {
    const Settings& s = form_.HostSettings();
    return {s.AutoShow, s.AutoPutDim, s.AutoPlaySnd, s.UpperCaseTags};
}

base::TColor TInspectorBridge::DocumentTextColor() {
    TMDIChild* document = form_.ActiveDocument();
    return document != nullptr ? document->DocText : 0;
}

tags::TDocumentLists TInspectorBridge::ScanDocument() {
    tags::TDocumentLists lists;
    editor::THTMLRichEdit* edit = InspectedEdit();
    if (edit == nullptr) {
        return lists;
    }
    structure::TStructure found = structure::ScanStructure(edit->Model().Text());
    lists.Classes = std::move(found.Classes);
    lists.MapNames = std::move(found.MapNames);
    for (const structure::TMap& pair : found.Maps) {
        lists.Pairs.push_back({pair.Src, pair.Name});
    }
    for (const structure::TArea& area : found.Areas) {
        lists.Areas.push_back({area.Alt, area.Map});
    }
    form_.Structure = std::move(found);
    return lists;
}

QImage TInspectorBridge::LoadPreviewPicture(const std::string& fileName) {
    if (!structure::IsJpegFile(fileName) && !structure::IsGifFile(fileName)) {
        return {};
    }
    // Broken pictures leave the preview empty; the message is not repeated on every caret move.
    return structure::ui::LoadPictureFile(QString::fromStdString(fileName), nullptr);
}

void TInspectorBridge::PageColorsRead(base::TColor body, base::TColor text, base::TColor link) {
    if (TMDIChild* document = form_.ActiveDocument()) {
        document->SetPageColors(body, text, link);
    }
}

void TInspectorBridge::PicturePreviewed(const QImage& picture, bool show) {
    TPPrevForm* viewer = form_.PictureViewer();
    if (show) {
        viewer->ShowPicture(picture);
    } else {
        viewer->SetPicture(picture);
    }
}

std::optional<std::string> TInspectorBridge::EditStyleText(const std::string& css) {
    return OpenStyleEditor ? OpenStyleEditor(css) : std::nullopt;
}

void TInspectorBridge::EditMap(const std::string& map, const std::string& area) {
    if (OpenMapEditor) {
        OpenMapEditor(map, area);
    }
}

} // namespace zn::app::ui
