// The "Zaměnit" dialog: what to replace and by what, with their histories, and the options.
#pragma once

#include <QDialog>

#include <string>

class QCheckBox;
class QRadioButton;

namespace zn::editor::ui {

class TComboBox98;

class TReplaceForm : public QDialog {
    Q_OBJECT

public:
    explicit TReplaceForm(QWidget* parent = nullptr);

    TComboBox98* FindCB; ///< "Co:"
    TComboBox98* WitCB;  ///< "Čím:"
    QRadioButton* FromCaret;
    QRadioButton* WholeFile;
    QCheckBox* CaseChB;
    QCheckBox* DIntelChB; ///< shown disabled and clear: replacing never ignores diacritics
    QCheckBox* RepAllChb;
    QCheckBox* PromptChb;

    int FromIndex() const;
    void SetFromIndex(int index);
    /// The options word: 1 match case, 8 replace all.
    int Options() const;
    std::string SearchBytes() const;
    std::string ReplacementBytes() const;

    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;
};

} // namespace zn::editor::ui
