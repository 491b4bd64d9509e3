// Asks about files changed by other programs when the main window is activated.
#pragma once

#include <QObject>

namespace zn::app::ui {

class TMainForm;

/// When the main window becomes active, the active document checks its file (the question
/// comes after the activation, from the event loop). Documents check themselves when they are
/// activated inside the window.
class DiskChangeWatch : public QObject {
public:
    explicit DiskChangeWatch(TMainForm& form);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TMainForm& form_;
};

} // namespace zn::app::ui
