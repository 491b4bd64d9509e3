// The dialog "Parametry dokumentu": the page-wide parameters of a document in a tree, one
// editor on the right for the selected one, colour schemes and colours of another page.
#pragma once

#include "base/Prompter.h"
#include "tags/DocumentParameters.h"

#include <QDialog>
#include <QImage>

#include <functional>
#include <optional>
#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace zn::tags::ui {

/// What the dialog needs from the main window.
struct TInfoFormHost {
    /// The colour editor with a colour text; the new text on OK.
    std::function<std::optional<std::string>(const std::string&)> EditColor;
    /// The picture a link of the document names; a null image when there is none.
    std::function<QImage(const std::string&)> LoadPicture;
    /// A picture chosen for the background, as a link; nothing when cancelled.
    std::function<std::optional<std::string>(const std::string&)> ChoosePicture;
    /// The scheme file to open (`save` false) or to save; empty when cancelled.
    std::function<QString(bool save)> SchemeFileName;
    base::Prompter* Prompter = nullptr;
};

class TInfoForm : public QDialog {
    Q_OBJECT

public:
    explicit TInfoForm(TInfoFormHost host, QWidget* parent = nullptr);

    /// Reads the parameters of the document and shows them (the first node selected).
    void ReadDocument(const editor::THTMLRichEdit& edit);
    const TParameters& Values() const { return values_; }

    /// The node of a parameter becomes the selected one; the right-hand controls follow it.
    void SelectNode(int index);
    int Selected() const { return selected_; }
    void OpenButtonClick();
    void SaveButtonClick();
    void ColorPanelClick();

    QTreeWidget* InfoTV;
    QLabel* Lbl;
    QLineEdit* Edt;
    QComboBox* CB;
    QLabel* ColorPanel;
    QLabel* Img;
    QLabel* presmhint;
    QToolButton* OpenButton;
    QToolButton* SaveButton;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void EdtChange(const QString& text);
    /// The colour sample and the picture preview after a change of the values.
    void Refresh();
    void ShowValues();

    TInfoFormHost host_;
    TParameters values_ = DefaultParameters();
    int selected_ = 0;
    bool showing_ = false; ///< the controls are being filled: their changes are no edits
    QTreeWidgetItem* items_[kParameterCount] = {};
};

} // namespace zn::tags::ui
