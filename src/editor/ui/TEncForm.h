// The conversion dialog "Změna kódování českých znaků": source and target encoding with a
// preview of the sample converted.
#pragma once

#include "editor/EncChanger.h"

#include <QDialog>

#include <functional>
#include <string>

class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSplitter;

namespace zn::editor::ui {

class TEncForm : public QDialog {
    Q_OBJECT

public:
    explicit TEncForm(base::Prompter* prompter, QWidget* parent = nullptr);

    QListWidget* fromLB;
    QListWidget* toLB;
    QLineEdit* prevEdit;
    QCheckBox* OnlySelectedChB; ///< "Provádět změny pouze na označeném textu"
    QPushButton* ConfigButton;  ///< "Konfigurace"
    QPushButton* OKButton;
    QSplitter* Splitter; ///< the list panel above, the rest below
    /// "Konfigurace": shows the dialog of installed encodings (set by the main window).
    std::function<void()> OnConfigure;

    /// Refills both lists from the loaded encodings, keeping the chosen names when present.
    void Prepare();
    /// Shows the dialog with the sample (document bytes); on OK stores the choice in `changer`.
    bool Execute(TEncChanger& changer, const std::string& sample);
    /// `Panel2.Height`: the height of the list panel.
    int ListPanelHeight() const;
    void SetListPanelHeight(int height);

private:
    void UpdatePreview();

    TEncChanger preview_;
    std::string sample_;
};

} // namespace zn::editor::ui
