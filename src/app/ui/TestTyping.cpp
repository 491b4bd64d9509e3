// Typing the text of ZNACKAR_TEST_TYPE into the active document through ordinary key events.
#include "app/ui/TestTyping.h"

#include "app/ui/TMDIChild.h"
#include "app/ui/TMainForm.h"
#include "editor/ui/HtmlEditView.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>

namespace zn::app::ui {

void TypeFromEnvironment(TMainForm& form) {
    const QString text = qEnvironmentVariable("ZNACKAR_TEST_TYPE");
    if (text.isEmpty())
        return;
    auto* poll = new QTimer(&form);
    poll->setInterval(50);
    QObject::connect(poll, &QTimer::timeout, &form, [&form, poll, text] {
        TMDIChild* document = form.FirstShowDone() ? form.ActiveDocument() : nullptr;
        if (!document)
            return;
        poll->stop();
        poll->deleteLater();
        QWidget* view = &document->EditorView();
        for (const QChar c : text) {
            const int key = c.toUpper().unicode();
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
            QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
            QApplication::sendEvent(view, &press);
            QApplication::sendEvent(view, &release);
        }
    });
    poll->start();
}

} // namespace zn::app::ui
