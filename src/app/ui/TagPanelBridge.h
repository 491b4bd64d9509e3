// The main window's side of the Tag Inspector: runs the scanner, loads pictures and hands the
// results to the inspector as plain data.
#pragma once

#include "tags/ui/TagPanel.h"

#include <QObject>

#include <functional>
#include <memory>

class QAction;
class QFileDialog;

namespace zn::structure::ui {
class TGOTOIMGForm;
}

class QStackedWidget;
class QWidget;

namespace zn::app::ui {

class FormState;
class TMainForm;
class TMDIChild;

class TInspectorBridge : public QObject, public tags::ui::InspectorHost {
    Q_OBJECT

public:
    TInspectorBridge(TMainForm& form, QStackedWidget* pages, QWidget* tp);
    ~TInspectorBridge() override;

    tags::ui::TTagInspector& Inspector() { return *inspector_; }
    /// The content of the HTML panel's dock: the "Styly" button above the pages.
    QWidget* DockContent(QStackedWidget* pages);

    // --- InspectorHost ---
    editor::THTMLRichEdit* InspectedEdit() override;
    std::string InspectedFileName() override;
    tags::ui::InspectorOptions InspectorSettings() override;
    base::TColor DocumentTextColor() override;
    tags::TDocumentLists ScanDocument() override;
    QImage LoadPreviewPicture(const std::string& fileName) override;
    void PageColorsRead(base::TColor body, base::TColor text, base::TColor link) override;
    void PicturePreviewed(const QImage& picture, bool show) override;
    void EditMap(const std::string& map, const std::string& area) override;
    /// Opens the image map editor (set by the map commands).
    std::function<void(const std::string& map, const std::string& area)> OpenMapEditor;
    std::optional<std::string> EditStyleText(const std::string& css) override;
    /// Opens the style editor on an inline style (set by the style commands).
    std::function<std::optional<std::string>(const std::string& css)> OpenStyleEditor;
    std::string ChooseLinkFor(const std::string& current, int browseKind) override;
    void OpenInPictureProgram(const std::string& fileName, bool editor) override;
    base::TColor DocumentBodyColor() override;
    QWidget* DialogParent() override;

    /// "Jít na obrázek...": the caret goes just after the chosen picture tag's "<".
    void GotoPicture();
    QAction* GotoIMAGE1 = nullptr;

private:
    void TagChanged(TMDIChild* document);
    /// The link history: the items of `RefCombo` from the link database.
    void FillLinkHistory();

    TMainForm& form_;
    tags::ui::TTagInspector* inspector_;
    structure::ui::TGOTOIMGForm* gotoForm_ = nullptr;
    std::unique_ptr<FormState> gotoState_;
    QFileDialog* linkDialog_ = nullptr;
};

} // namespace zn::app::ui
