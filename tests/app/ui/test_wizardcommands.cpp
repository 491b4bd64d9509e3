// The table wizard, the batch picture insertion and the frameset wizard in a running main
// window: what reaches the document, undo, the questions and what is remembered.
#include "app/ui/TagPanelBridge.h"
#include "app/ui/WizardCommands.h"
#include "base/Cp1250.h"
#include "structure/GifWriter.h"
#include "structure/JpegFile.h"
#include "structure/ui/TFramefrm.h"
#include "tags/ui/TPicturePrefForm.h"
#include "tags/ui/TTableForm.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QTableWidget>

#include "MainFormRun.h"

using namespace zn::app::ui;
using zn::base::Answer;

class TestWizardCommands : public QObject, protected zn::test::MainFormRun {
    Q_OBJECT

    WizardCommands& Start(const QByteArray& page) {
        MainFormRun::Start({Put(QStringLiteral("web/page.html"), page).toStdString()});
        return *form_->findChild<WizardCommands*>();
    }
    std::string Text() { return form_->ActiveEdit()->Model().Text(); }
    /// Answers the next modal dialog once it runs.
    static void AnswerSoon(QDialog& dialog, bool ok) {
        QTimer::singleShot(0, &dialog, [&dialog, ok] { ok ? dialog.accept() : dialog.reject(); });
    }

private slots:
    void init() { prompter_ = zn::base::ScriptedPrompter(); }
    void cleanup() { StopAndForget(); }

    void tableKeepsItsGridBetweenUsesAndIsOneUndoStep() {
        WizardCommands& wizard = Start("<P></P>");
        zn::tags::ui::TTableForm& table = wizard.TableForm();
        table.RowsUpDown->Step(3); // one body row
        table.ColsUpDown->Step(-2);
        QCOMPARE(table.TableStringGrid->rowCount(), 2);
        QCOMPARE(table.TableStringGrid->columnCount(), 2);
        table.TableStringGrid->setItem(0, 1, new QTableWidgetItem(QStringLiteral("Cena")));
        table.TableStringGrid->setItem(1, 1, new QTableWidgetItem(QStringLiteral("5 Kč")));
        AnswerSoon(table, false);
        wizard.TableItem->trigger();
        QCOMPARE(Text(), std::string("<P></P>"));
        form_->ActiveEdit()->Model().SetCaret(3);
        AnswerSoon(table, true);
        wizard.TableItem->trigger();
        QCOMPARE(Text(), zn::base::Utf8ToCp1250("<P><TABLE BORDER=1>\r\n<TR><TH><TH>Cena\r\n"
                                                "<TR><TH><TD>5 Kč\r\n</TABLE></P>"));
        QCOMPARE(form_->ActiveEdit()->Model().Sel().caret, zn::editor::Position(9));
        form_->ActiveEdit()->Undo();
        QCOMPARE(Text(), std::string("<P></P>"));
    }

    void picturesGetLinksSizesAndOneMessageForUnreadableOnes() {
        WizardCommands& wizard = Start("");
        zn::structure::SaveBitmapAsGif(zn::structure::TRgbImage(32, 20),
                                       Put(QStringLiteral("web/img/a.gif")).toStdString());
        zn::structure::JpegSaveFile(zn::structure::TRgbImage(100, 50),
                                    Put(QStringLiteral("webold/b.jpg")).toStdString());
        const QString broken = Put(QStringLiteral("web/c.gif"), "GIF89a broken");
        QString folder;
        wizard.PictureNamesAsker = [&](const QString& initial) {
            folder = initial;
            return QStringList{File(QStringLiteral("web/img/a.gif")),
                               File(QStringLiteral("webold/b.jpg")), broken};
        };
        zn::tags::ui::TPicturePrefForm& options = wizard.PicturePrefForm();
        options.CB1->setChecked(true);
        options.CB3->setChecked(true);
        AnswerSoon(options, true);
        wizard.InsertPictures1->trigger();
        QCOMPARE(folder, File(QStringLiteral("web")));
        QCOMPARE(QString::fromStdString(Text()),
                 QStringLiteral("<IMG SRC=\"img/a.gif\" ALIGN=\"LEFT\"  WIDTH=32 HEIGHT=20>\r\n"
                                "<IMG SRC=\"FILE://%1\" ALIGN=\"RIGHT\"  WIDTH=100 HEIGHT=50>\r\n"
                                "<IMG SRC=\"c.gif\" ALIGN=\"LEFT\" >\r\n")
                     .arg(File(QStringLiteral("webold/b.jpg"))));
        QCOMPARE(prompter_.shown.size(), std::size_t(1));
        QVERIFY(QString::fromStdString(prompter_.shown[0]).endsWith(QStringLiteral("\n") + broken));
        AnswerSoon(options, false);
        wizard.InsertPictures1->trigger();
        QCOMPARE(QString::fromStdString(Text()).count(QStringLiteral("<IMG")), 3);
    }

    void framesetReplacesTheTextOnlyWhenConfirmedAndOpensFramePages() {
        WizardCommands& wizard = Start("old");
        const QString menu = Put(QStringLiteral("web/menu.html"), "<P>menu</P>");
        zn::structure::ui::TFramefrm& frames = wizard.Framefrm();
        prompter_.answers = {Answer::Cancel};
        wizard.ND2->trigger();
        QVERIFY(!frames.isVisible());
        frames.RowsSp->setValue(3);
        frames.fonly->setChecked(true);
        frames.Frames->setItem(0, 0, new QTableWidgetItem(QStringLiteral("menu.html")));
        frames.Frames->setCurrentCell(2, 0);
        frames.resizeablechb->setChecked(false);
        prompter_.answers = {Answer::Yes};
        AnswerSoon(frames, true);
        wizard.ND2->trigger();
        const QString text = QString::fromStdString(
            zn::base::Cp1250ToUtf8(form_->Documents().front()->EditedText().Model().Text()));
        QVERIFY2(text.startsWith(QStringLiteral("<FRAMESET ROWS=\"33%,33%,*\" BORDER=3>\r\n  "
                                                "<FRAME SRC=\"menu.html\" NAME=\"1x1_rám\"")),
                 qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("NAME=\"1x3_rám\" SCROLLING=AUTO NORESIZE>")));
        QCOMPARE(form_->ActiveDocument()->Caption(), menu);
        QVERIFY(form_->Inspector->Inspector()
                    .Panels()
                    .As<QComboBox>("RefTarget")
                    ->findText(QStringLiteral("1x3_rám")) >= 0);
        QCOMPARE(store_->ReadInteger("Software\\KVHTML\\FrameWizard", "RowsSp.Value").value_or(0),
                 3);
        form_->Documents().front()->EditedText().Undo();
        QCOMPARE(form_->Documents().front()->EditedText().Model().Text(), std::string("old"));
    }
};

QTEST_MAIN(TestWizardCommands)
#include "test_wizardcommands.moc"
