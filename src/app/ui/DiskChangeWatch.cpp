// Checking the active document's file when the main window is activated.
#include "app/ui/DiskChangeWatch.h"

#include "app/ui/TMDIChild.h"
#include "app/ui/TMainForm.h"

#include <QEvent>
#include <QPointer>
#include <QTimer>

namespace zn::app::ui {

DiskChangeWatch::DiskChangeWatch(TMainForm& form) : QObject(&form), form_(form) {
    form.installEventFilter(this);
}

bool DiskChangeWatch::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &form_ && event->type() == QEvent::WindowActivate) {
        QTimer::singleShot(0, this, [this] {
            if (TMDIChild* document = form_.ActiveDocument())
                document->CheckDiskChange();
        });
    }
    return false;
}

} // namespace zn::app::ui
