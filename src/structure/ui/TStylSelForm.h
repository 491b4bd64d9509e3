// "Výběr stylu": the rules of the document's style block, to add, edit and delete.
#pragma once

#include "structure/DocumentStructure.h"
#include "structure/StyleRules.h"

#include <QDialog>

#include <functional>
#include <optional>
#include <string>
#include <utility>

class QListWidget;
class QPushButton;

namespace zn::structure::ui {

class TStylSelForm : public QDialog {
    Q_OBJECT

public:
    explicit TStylSelForm(QWidget* parent = nullptr);

    /// Lists the rules' selectors in list order, the first selected.
    void Prepare(const StyleList& styles);
    /// The rules as the user left them.
    const StyleList& Styles() const { return styles_; }

    void EditClick();   ///< the selected rule's body through `EditBody`
    void DeleteClick(); ///< removes the selected rule, no question asked
    void NewClick();    ///< a rule from `AskNewRule`, or the existing one of its selector

    /// The rule editor on a body; the new body on OK.
    std::function<std::optional<std::string>(const std::string& body)> EditBody;
    /// The kind and name of a new rule; nothing when cancelled.
    std::function<std::optional<std::pair<TStyleKind, std::string>>()> AskNewRule;

    QListWidget* StylLB;
    QPushButton* EditBut;
    QPushButton* DelBut;
    QPushButton* Button1;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Fill(std::optional<std::size_t> select);
    void UpdateButtons();

    StyleList styles_;
};

} // namespace zn::structure::ui
