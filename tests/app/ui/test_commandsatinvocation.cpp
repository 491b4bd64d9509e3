// Commands act on the document as it is at the key press: typing followed at once by Ctrl+S
// saves every time, with the main window's timer stopped so no tick can help.
#include "app/SettingsKeys.h"
#include "app/SettingsStore.h"
#include "app/ui/TMDIChild.h"
#include "app/ui/TMainForm.h"
#include "base/Prompter.h"
#include "editor/ui/HtmlEditView.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "MainFormRun.h"

using namespace zn::app;
using namespace zn::app::ui;

class TestCommandsAtInvocation : public QObject, protected zn::test::MainFormRun {
    Q_OBJECT

    TMDIChild& StartOn(const QString& page) {
        Start({page.toStdString()});
        form_->activateWindow();
        [&] { QVERIFY(QTest::qWaitForWindowActive(form_.get())); }();
        form_->Timer1->stop(); // from here on only the key presses decide
        TMDIChild* document = form_->ActiveDocument();
        document->EditorView().setFocus();
        return *document;
    }

private slots:
    void cleanup() { StopAndForget(); }

    void everySaveRightAfterTypingLands() {
        const QString page = Put(QStringLiteral("page.html"), "");
        TMDIChild& document = StartOn(page);
        auto& view = document.EditorView();
        QByteArray expected;
        for (int i = 0; i < 100; ++i) {
            const char typed = static_cast<char>('a' + i % 26);
            QTest::keyClick(&view, typed);
            QTest::keyClick(&view, Qt::Key_S, Qt::ControlModifier);
            expected += typed;
            QCOMPARE(Read(page), expected);
            QVERIFY(!document.Modified());
        }
        QVERIFY(prompter_.shown.empty());
    }

    void undoRightAfterTypingUndoes() {
        TMDIChild& document = StartOn(Put(QStringLiteral("undo.html"), "x"));
        QTest::keyClick(&document.EditorView(), 'q');
        QTest::keyClick(&document.EditorView(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(QByteArray::fromStdString(document.EditedText().Model().Text()), QByteArray("x"));
    }
};

QTEST_MAIN(TestCommandsAtInvocation)
#include "test_commandsatinvocation.moc"
