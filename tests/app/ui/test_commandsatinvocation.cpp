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

using namespace zn::app;
using namespace zn::app::ui;

class TestCommandsAtInvocation : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    zn::base::ScriptedPrompter prompter_;
    std::unique_ptr<SettingsStore> store_;
    std::unique_ptr<TMainForm> form_;

    QByteArray FileBytes(const QString& path) {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }

    TMDIChild& StartOn(const QString& page) {
        const std::string storePath =
            dir_.filePath(QStringLiteral("settings.sqlite")).toStdString();
        {
            SettingsStore seed(storePath);
            seed.WriteInteger(KVHTMLKey, "SaveInfo", 1);
            seed.WriteString(KVHTMLKey, "Version", VersionText);
        }
        store_ = std::make_unique<SettingsStore>(storePath);
        form_ = std::make_unique<TMainForm>(*store_);
        form_->SetPrompter(&prompter_);
        form_->SetCommandLine({page.toStdString()});
        form_->show();
        form_->activateWindow();
        [&] {
            QTRY_VERIFY(form_->FirstShowDone());
            QVERIFY(QTest::qWaitForWindowActive(form_.get()));
        }();
        form_->Timer1->stop(); // from here on only the key presses decide
        TMDIChild* document = form_->ActiveDocument();
        document->EditorView().setFocus();
        return *document;
    }

private slots:
    void cleanup() {
        if (form_) {
            for (TMDIChild* document : form_->Documents()) {
                document->EditedText().Model().SetModified(false);
                document->UpdateModified();
            }
        }
        form_.reset();
        store_.reset();
    }

    void everySaveRightAfterTypingLands() {
        const QString page = dir_.filePath(QStringLiteral("page.html"));
        {
            QFile file(page);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        TMDIChild& document = StartOn(page);
        auto& view = document.EditorView();
        QByteArray expected;
        for (int i = 0; i < 100; ++i) {
            const char typed = static_cast<char>('a' + i % 26);
            QTest::keyClick(&view, typed);
            QTest::keyClick(&view, Qt::Key_S, Qt::ControlModifier);
            expected += typed;
            QCOMPARE(FileBytes(page), expected);
            QVERIFY(!document.Modified());
        }
        QVERIFY(prompter_.shown.empty());
    }

    void undoRightAfterTypingUndoes() {
        const QString page = dir_.filePath(QStringLiteral("undo.html"));
        {
            QFile file(page);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("x");
        }
        TMDIChild& document = StartOn(page);
        QTest::keyClick(&document.EditorView(), 'q');
        QTest::keyClick(&document.EditorView(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(QByteArray::fromStdString(document.EditedText().Model().Text()), QByteArray("x"));
    }
};

QTEST_MAIN(TestCommandsAtInvocation)
#include "test_commandsatinvocation.moc"
