// The "Najít" dialog: the search text with its history, where to start and the options.
#pragma once

#include <QDialog>

class QCheckBox;
class QRadioButton;

namespace zn::editor::ui {

class TComboBox98;

class TFindForm : public QDialog {
    Q_OBJECT

public:
    explicit TFindForm(QWidget* parent = nullptr);

    TComboBox98* FindCB;
    QRadioButton* FromCaret; ///< "o&d kurzoru"
    QRadioButton* WholeFile; ///< "&celý soubor"
    QCheckBox* CaseChB;      ///< "&rozlišovat velká a malá"
    QCheckBox* DIntelChB;    ///< "&inteligence diakritiky"

    /// `FromRG.ItemIndex`: 0 from the caret, 1 the whole file.
    int FromIndex() const;
    void SetFromIndex(int index);
    /// The options word: 1 match case, 2 ignore diacritics.
    int Options() const;
    /// The search text as document bytes (Windows-1250).
    std::string SearchBytes() const;
    /// Whether the dialog was ever accepted.
    bool Used() const { return used_; }

    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    bool used_ = false;
};

} // namespace zn::editor::ui
