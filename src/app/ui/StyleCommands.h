// The CSS style editor of the main window: "Editor CSS stylů" on the document's style block,
// and the rule editor opened from the Tag Inspector on a tag's inline style.
#pragma once

#include <QObject>
#include <QPointer>

#include <optional>
#include <string>

class QAction;

namespace zn::structure::ui {
class TStyleForm;
class TStylSelForm;
class TTypStylu;
} // namespace zn::structure::ui

namespace zn::tags::ui {
class TFontForm;
}

namespace zn::app::ui {

class TMainForm;

/// Owns the three style windows (made on first use and kept). Each command acts on the active
/// document and does nothing without one.
class StyleCommands : public QObject {
    Q_OBJECT

public:
    explicit StyleCommands(TMainForm& main);
    ~StyleCommands() override;

    /// The menu item, its tool button and the Tag Inspector's way to the rule editor.
    void Install();

    /// Scans the document and shows the rule selector; on OK the rules are written into the
    /// style block as one undoable change and the document is scanned again.
    void EditStyles();
    /// The rule editor on one rule's text; the rebuilt text on OK.
    std::optional<std::string> EditRule(const std::string& css);

    structure::ui::TStylSelForm& SelForm();
    structure::ui::TStyleForm& StyleForm();
    structure::ui::TTypStylu& TypStylu();

    QAction* EditorCSSstyl1 = nullptr;

private:
    TMainForm& main_;
    QPointer<structure::ui::TStylSelForm> selForm_;
    QPointer<structure::ui::TStyleForm> styleForm_;
    QPointer<structure::ui::TTypStylu> typStylu_;
    QPointer<tags::ui::TFontForm> fontForm_;
};

} // namespace zn::app::ui
