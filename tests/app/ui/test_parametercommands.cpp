// "Parametry dokumentu..." and "Události pro JavaScripty..." in a running main window: the
// dialogs read the document, write it in one undo step and report bad scheme files.
#include "app/ui/ParameterCommands.h"
#include "tags/ui/TInfoForm.h"
#include "tags/ui/Tjsform.h"

#include <QAction>
#include <QLineEdit>
#include <QTableWidget>

#include "MainFormRun.h"

using namespace zn::app::ui;
using zn::tags::ui::TInfoForm;

class TestParameterCommands : public QObject, protected zn::test::MainFormRun {
    Q_OBJECT

    ParameterCommands& Start(const QByteArray& page) {
        MainFormRun::Start({Put(QStringLiteral("page.html"), page).toStdString()});
        return *form_->findChild<ParameterCommands*>();
    }
    std::string Text() { return form_->ActiveEdit()->Model().Text(); }
    /// Runs `act` on a dialog once it shows, then closes it with OK or Storno.
    static void WhenShown(QDialog& dialog, std::function<void()> act, bool ok = true) {
        QTimer::singleShot(0, &dialog, [&dialog, act, ok] {
            act();
            ok ? dialog.accept() : dialog.reject();
        });
    }

private slots:
    void cleanup() { StopAndForget(); }

    void parametersAreReadEditedAndWrittenAsOneStep() {
        const QByteArray page = "<HTML><HEAD><TITLE>Stara</TITLE></HEAD><BODY LINK=red></BODY>"
                                "</HTML>";
        ParameterCommands& commands = Start(page);
        const QString colors = Put(QStringLiteral("other.htm"), "<BODY TEXT = red VLINK=lime>");
        const QString scheme = Put(QStringLiteral("bad.csh"), QByteArray(40, '#'));
        QStringList files{scheme, colors};
        commands.SchemeNameAsker = [&](bool) { return files.takeFirst(); };
        TInfoForm& form = commands.InfoForm();
        WhenShown(form, [&] {
            QCOMPARE(form.Values()[zn::tags::LinkColor], std::string("red"));
            form.OpenButtonClick(); // the bad scheme: a message, nothing changes
            form.OpenButtonClick(); // colours of the other page
            form.SelectNode(zn::tags::Title);
            form.Edt->setText(QStringLiteral("Nová"));
        });
        commands.InfoItem->trigger();
        QCOMPARE(prompter_.shown.size(), std::size_t(1));
        QVERIFY(QString::fromStdString(prompter_.shown[0]).contains(scheme));
        QCOMPARE(Text(), std::string("<HTML><HEAD><TITLE>Nov\xE1</TITLE></HEAD><BODY "
                                     "LINK=\"red\" TEXT=\"#000000\" ALINK=\"#FF0000\" "
                                     "VLINK=\"lime\" BGCOLOR=\"#C0C0C0\"></BODY></HTML>"));
        form_->ActiveEdit()->Undo();
        QCOMPARE(Text(), page.toStdString());
    }

    void eventsGridWritesIntoTheCurrentTag() {
        ParameterCommands& commands = Start("<CENTER><A HREF=x>a</A></CENTER>");
        zn::editor::THTMLRichEdit& edit = *form_->ActiveEdit();
        edit.Model().SetCaret(2);
        form_->UpdateCommandStates();
        QVERIFY(!commands.JSSB->isEnabled());
        commands.JSSBClick(); // no events for CENTER: no dialog to answer
        QVERIFY(!commands.JSForm().isVisible());
        edit.Model().SetCaret(10);
        form_->UpdateCommandStates();
        QVERIFY(commands.JSSB->isEnabled());
        zn::tags::ui::Tjsform& js = commands.JSForm();
        WhenShown(js, [&] {
            QCOMPARE(js.JSGrid->rowCount(), 12);
            js.JSGrid->item(0, 1)->setText(QStringLiteral("alert(\"x\")"));
        });
        commands.JSSB->trigger();
        QCOMPARE(Text(),
                 std::string("<CENTER><A HREF=x ONCLICK=\"alert(&quot;x&quot;)\">a</A></CENTER>"));
    }
};

QTEST_MAIN(TestParameterCommands)
#include "test_parametercommands.moc"
