// The commands "Parametry dokumentu..." and "Události pro JavaScripty...": the document's
// head and body parameters and the script events of the current tag.
#pragma once

#include "app/ui/FormState.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>

class QAction;

namespace zn::tags::ui {
class TInfoForm;
class Tjsform;
} // namespace zn::tags::ui

namespace zn::app::ui {

class TMainForm;

/// Owns both dialogs (made on first use and kept, with their stored properties). Each command
/// acts on the active document at the moment it runs and does nothing without one.
class ParameterCommands : public QObject {
    Q_OBJECT

public:
    explicit ParameterCommands(TMainForm& main);
    ~ParameterCommands() override;

    /// The two items of "&HTML" and their tool buttons.
    void Install();

    void InfoItemClick();
    void JSSBClick();

    tags::ui::TInfoForm& InfoForm();
    tags::ui::Tjsform& JSForm();

    QAction* InfoItem = nullptr;
    QAction* JSSB = nullptr;
    /// Replaces the scheme file dialogs in tests: (save) -> chosen file, empty when cancelled.
    std::function<QString(bool save)> SchemeNameAsker;

private:
    QString AskSchemeName(bool save);

    TMainForm& main_;
    QPointer<tags::ui::TInfoForm> infoForm_;
    QPointer<tags::ui::Tjsform> jsForm_;
    std::unique_ptr<FormState> infoState_;
    std::unique_ptr<FormState> jsState_;
    DialogMemory openDialog_; ///< `OpenDialog` of the colour schemes
    DialogMemory saveDialog_; ///< `SaveDialog` of the colour schemes
    DialogMemory pictureDialog_;
};

} // namespace zn::app::ui
