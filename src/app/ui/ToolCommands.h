// The small tools of the "&Funkce" menu: the number-system converter, rainbow text and the
// colour editor.
#pragma once

#include <QObject>
#include <QPointer>

#include <memory>

class QAction;

namespace zn::tags::ui {
class TDuhaForm;
class TNumChanger;
} // namespace zn::tags::ui

namespace zn::app::ui {

class FormState;
class TMainForm;

class ToolCommands : public QObject {
    Q_OBJECT

public:
    explicit ToolCommands(TMainForm& main);
    ~ToolCommands() override;

    /// The three items of "&Funkce".
    void Install();

    void NumberSystemClick();
    void RainbowClick();
    void EditColorClick();

    tags::ui::TDuhaForm& DuhaForm();

    QAction* NumberSystemItem = nullptr;
    QAction* RainbowItem = nullptr;
    QAction* ColorItem = nullptr;

private:
    TMainForm& main_;
    std::unique_ptr<tags::ui::TNumChanger> numChanger_;
    QPointer<tags::ui::TDuhaForm> duhaForm_;
    std::unique_ptr<FormState> duhaState_;
};

} // namespace zn::app::ui
