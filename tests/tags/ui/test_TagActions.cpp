// The tag commands through their real menu items, shortcuts and tool buttons.
#include "TagTestWindow.h"

#include "base/Cp1250.h"

#include "tags/TagCommands.h"
#include "tags/ui/FocusedField.h"

#include <QAction>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

using namespace zn::tags;
using namespace zn::base;
using zn::base::Answer;

class TestTagActions : public QObject {
    Q_OBJECT

private:
    static void Activate(QWidget& window, QWidget* focus) {
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        if (focus != nullptr) {
            focus->setFocus();
            QTRY_VERIFY(focus->hasFocus());
        }
    }

private slots:
    void menuItemsWriteTagsInTheChosenCase() {
        const struct {
            const char* action;
            const char* before;
            const char* upper;
            const char* lower;
        } rows[] = {
            {"Bold1", "a[b]c", "a<B>[b]</B>c", "a<b>[b]</b>c"},
            {"N14", "a|", "a&amp;|", "a&amp;|"},
            {"Vytvoitodkaz1", "[a.html]", "<A HREF=\"a.html\">a.html</A>|",
             "<a href=\"a.html\">a.html</a>|"},
            {"CommentSB", "|", "<!--| -->", "<!--| -->"},
        };
        for (const bool upper : {true, false}) {
            test::TagTestWindow w;
            w.settings.UpperCaseTags = upper;
            for (const auto& row : rows) {
                w.Load(row.before);
                w.Trigger(row.action);
                QCOMPARE(w.Shown(), std::string(upper ? row.upper : row.lower));
            }
        }
    }

    void shortcutsReachTheirCommands() {
        test::TagTestWindow w;
        Activate(w, w.view);
        w.Load("a[b]c");
        QTest::keyClick(w.view, Qt::Key_B, Qt::ControlModifier);
        QCOMPARE(w.Shown(), std::string("a<B>[b]</B>c"));
        w.Load("x|");
        QTest::keyClick(w.view, Qt::Key_Return, Qt::ShiftModifier);
        QCOMPARE(w.Shown(), std::string("x<BR>\r\n|"));
        w.Load("<B|>bold</B>");
        QTest::keyClick(w.view, Qt::Key_T, Qt::ControlModifier);
        QCOMPARE(w.Shown(), std::string("<B>[bold]</B>"));
    }

    void altDelRemovesOneTagPair() {
        test::TagTestWindow w;
        Activate(w, w.view);
        int removals = 0;
        w.Edit().OnBusy = [&](bool busy) { removals += busy ? 1 : 0; };
        w.Load("<I><B|>x</B></I>");
        QSignalSpy menuItem(w.actions->Action("Removetag1"), &QAction::triggered);
        QTest::keyClick(w.view, Qt::Key_Delete, Qt::AltModifier);
        QCOMPARE(w.Shown(), std::string("<I>|x</I>"));
        QCOMPARE(menuItem.count(), 1); // the menu item took the key, the view did not
        QCOMPARE(removals, 1);
        // With the menu item disabled (no current tag) the view's own Alt+Del still acts once.
        w.actions->UpdateStates();
        QVERIFY(!w.actions->Action("Removetag1")->isEnabled());
        w.Load("<I|>x</I>");
        removals = 0;
        QTest::keyClick(w.view, Qt::Key_Delete, Qt::AltModifier);
        QCOMPARE(w.Shown(), std::string("|x"));
        QCOMPARE(removals, 1);
    }

    void dateGoesIntoTheFocusedField() {
        test::TagTestWindow w;
        Activate(w, w.titleEdit);
        w.Load("doc|");
        w.titleEdit->setText(QStringLiteral("Title: "));
        w.titleEdit->setCursorPosition(7);
        QSignalSpy edited(w.titleEdit, &QLineEdit::textChanged);
        const QDate today = QDate::currentDate();
        w.Trigger("InsDate");
        const QString date = ui::DateText(QDate::currentDate(), QLocale::system());
        QVERIFY(QDate::currentDate() == today); // not across midnight
        QCOMPARE(w.titleEdit->text(), QStringLiteral("Title: ") + date);
        QCOMPARE(edited.count(), 1);
        QCOMPARE(w.Shown(), std::string("doc|"));

        // The document view focused: into the document, replacing its selection.
        w.view->setFocus();
        QTRY_VERIFY(w.view->hasFocus());
        w.Load("[old] text");
        w.Trigger("DateSB");
        QCOMPARE(w.Shown(), zn::base::Utf8ToCp1250(date.toStdString()) + "| text");

        // A focused button takes nothing, and the document stays as it was.
        w.button->setFocus();
        QTRY_VERIFY(w.button->hasFocus());
        w.Load("x|");
        w.Trigger("InsTime");
        QCOMPARE(w.Shown(), std::string("x|"));
    }

    void dateAndTimeSkipMultiLineBoxes() {
        test::TagTestWindow w;
        auto* box = new QPlainTextEdit(w.titleEdit->parentWidget());
        w.titleEdit->parentWidget()->layout()->addWidget(box);
        Activate(w, box);
        box->setPlainText(QStringLiteral("první\ndruhý"));
        w.Load("doc|");
        w.Trigger("InsDate");
        w.Trigger("InsTime");
        QCOMPARE(box->toPlainText(), QStringLiteral("první\ndruhý"));
        QCOMPARE(w.Shown(), std::string("doc|"));
    }

    void dateAndTimeInTheLocaleFormats() {
        const QTime time(9, 5, 7);
        const QDate date(2024, 3, 5);
        const QLocale czech(QLocale::Czech, QLocale::Czechia);
        const QLocale english(QLocale::English, QLocale::UnitedStates);
        // Long time format with seconds, without the time zone that Qt's long format adds.
        QCOMPARE(ui::TimeText(time, czech), QStringLiteral("9:05:07"));
        QCOMPARE(ui::TimeText(time, english), QStringLiteral("9:05:07 AM"));
        QCOMPARE(ui::TimeText(QTime(21, 0, 0), QLocale::c()), QStringLiteral("21:00:00"));
        QCOMPARE(ui::DateText(date, czech), QStringLiteral("05.03.24"));
        QCOMPARE(ui::DateText(date, english), QStringLiteral("3/5/24"));
    }

    void selectedTextOfTheFocusedField() {
        test::TagTestWindow w;
        Activate(w, w.combo);
        w.combo->setEditText(QStringLiteral("#FF0000"));
        w.combo->lineEdit()->setSelection(1, 6);
        auto selected = ui::SelectedTextOfFocusedField(w);
        QVERIFY(selected);
        QCOMPARE(selected->text, QStringLiteral("FF0000"));
        selected->target.ReplaceSelection(QStringLiteral("00FF00"));
        QCOMPARE(w.combo->currentText(), QStringLiteral("#00FF00"));

        w.view->setFocus();
        QTRY_VERIFY(w.view->hasFocus());
        w.Load("p[\x9Elu\x9D]");
        selected = ui::SelectedTextOfFocusedField(w);
        QVERIFY(selected);
        QCOMPARE(selected->text, QStringLiteral("žluť"));
        w.hasDocument = false;
        QVERIFY(!ui::SelectedTextOfFocusedField(w));
    }

    void submenuButtonsOpenACopyOfTheSubmenu() {
        test::TagTestWindow w;
        Activate(w, w.view);
        auto* textButton = w.tp->findChild<QToolButton*>(QStringLiteral("TextSB"));
        QVERIFY(textButton != nullptr);
        QTest::mouseClick(textButton, Qt::LeftButton);
        QPointer<QMenu> first = w.actions->LastPopup();
        QVERIFY(first != nullptr);
        QTRY_VERIFY(first->isVisible());
        QVERIFY(first->actions().contains(w.actions->Action("Bold1")));
        QCOMPARE(first->actions().size(), w.actions->Menu("TextMenu")->actions().size());
        w.Load("[t]");
        first->actions().constFirst()->trigger(); // "Tučný"
        QCOMPARE(w.Shown(), std::string("<B>[t]</B>"));
        first->close();

        auto* special = w.tp->findChild<QToolButton*>(QStringLiteral("SpecChSB"));
        QVERIFY(special != nullptr);
        QTest::mouseClick(special, Qt::LeftButton);
        QTRY_VERIFY(first.isNull()); // the previous copy is gone
        QVERIFY(w.actions->LastPopup()->actions().contains(w.actions->Action("Mezera1")));
        w.actions->LastPopup()->close();

        QAction* plugin = w.pluginMenu->addAction(QStringLiteral("Rot13"));
        auto* plugins = w.speedPanel->findChild<QToolButton*>(QStringLiteral("PluginsSB"));
        QVERIFY(plugins != nullptr);
        QTest::mouseClick(plugins, Qt::LeftButton);
        QCOMPARE(w.actions->LastPopup()->actions(), QList<QAction*>({plugin}));
        w.actions->LastPopup()->close();
    }

    void nothingHappensWithoutADocument() {
        test::TagTestWindow w;
        w.hasDocument = false;
        w.Load("keep|");
        w.prompter.answers = {Answer::Yes};
        for (QAction* action : w.findChildren<QAction*>()) {
            if (!action->objectName().isEmpty()) {
                action->trigger();
            }
        }
        QCOMPARE(w.Shown(), std::string("keep|"));
        QVERIFY(w.prompter.shown.empty());
        w.actions->UpdateStates();
        QVERIFY(!w.actions->Action("Bold1")->isEnabled());
        QVERIFY(!w.actions->Action("InsDate")->isEnabled());
    }

    void statesFollowTheCurrentTag() {
        test::TagTestWindow w;
        Activate(w, w.view);
        w.Load("<B|>x</B>");
        w.actions->UpdateStates();
        QVERIFY(w.actions->Action("Removetag1")->isEnabled());
        QVERIFY(w.actions->Action("Selectbetweentagpair2")->isEnabled());
        QVERIFY(!w.actions->Menu("InsertTagMenu")->menuAction()->isEnabled());
        QVERIFY(w.actions->Action("InsDate")->isEnabled());
        w.Load("<B>x|</B>");
        w.actions->UpdateStates();
        QVERIFY(!w.actions->Action("Removetag1")->isEnabled());
        QVERIFY(w.actions->Menu("InsertTagMenu")->menuAction()->isEnabled());
        w.button->setFocus();
        QTRY_VERIFY(w.button->hasFocus());
        w.actions->UpdateStates();
        QVERIFY(!w.actions->Action("InsDate")->isEnabled());
    }

    void userItemsUseTheGenericHandlers() {
        test::TagTestWindow w;
        auto* item = new QAction(QStringLiteral("Q"), &w);
        item->setStatusTip(QStringLiteral("&hellip;"));
        w.actions->Menu("TextMenu")->addAction(item);
        w.actions->BindGeneric(item, ui::GenericHandler::EnteredMenuPar);
        w.Load("[x]");
        item->trigger();
        QCOMPARE(w.Shown(), std::string("<Q>[x]</Q>"));
        auto* byHint = new QAction(QStringLiteral("…"), &w);
        byHint->setStatusTip(QStringLiteral("&hellip;"));
        w.actions->BindGeneric(byHint, ui::GenericHandler::MenuByHint);
        w.Load("|");
        byHint->trigger();
        QCOMPARE(w.Shown(), std::string("&hellip;|"));
    }
};

QTEST_MAIN(TestTagActions)
#include "test_TagActions.moc"
