// Automatic insertion in a running main window: definitions made in the window, saved, loaded
// again at the next start, and the replacement command with its one undo step and its errors.
#include "app/SettingsKeys.h"
#include "app/SettingsStore.h"
#include "app/ui/AutoInsertCommands.h"
#include "app/ui/TMainForm.h"
#include "base/Cp1250.h"
#include "editor/THTMLRichEdit.h"
#include "editor/ui/TAutoDefForm.h"

#include <QAction>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QtTest>

#include "MainFormRun.h"

using namespace zn::app::ui;
using namespace std::chrono;

class TestAutoInsert : public QObject, protected zn::test::MainFormRun {
    Q_OBJECT

    std::string Text() { return form_->ActiveEdit()->Model().Text(); }

private slots:
    void init() { prompter_ = zn::base::ScriptedPrompter(); }
    void cleanup() { StopAndForget(); }

    void definitionsSavedInTheWindowAreLoadedAtTheNextStartAndReplace() {
        const QString page = Put(QStringLiteral("page.html"), "<P>dnes: DN, xx</P>");
        TMainForm& form = Start({page.toStdString()});
        auto* commands = form.findChild<AutoInsertCommands*>();
        commands->AutoInsertItem->trigger(); // no window yet: nothing happens
        form.PeriodicUpdate();
        QVERIFY(!commands->AutoInsertItem->isEnabled());
        commands->DefinitionsItem->trigger();
        zn::editor::ui::TAutoDefForm& defs = commands->AutoDefForm();
        QVERIFY(defs.isVisible() && !defs.Memo1->isVisible());
        prompter_.inputs = {"dn", "DN", "xx", std::nullopt};
        defs.AddItem->trigger(); // dn
        defs.AddItem->trigger(); // DN exists: told and asked again, xx added, then cancelled
        defs.AddItem->trigger();
        QCOMPARE(prompter_.shown, (std::vector<std::string>{"Zadejte značku", "Zadejte značku",
                                                            "Značka stejného již existuje!",
                                                            "Zadejte značku", "Zadejte značku"}));
        defs.Memo1->setPlainText(QStringLiteral("*fnc*(UPPERCASE,\"ň\")"));
        defs.SelectItem(0);
        defs.Memo1->setPlainText(QStringLiteral("*fnc*(DATE,\"d.m.yyyy\")\nkonec\n"));
        defs.ZnackyLB->item(1)->setCheckState(Qt::Unchecked);
        const QString file = Put(QStringLiteral("moje.chn"), "");
        defs.AskSaveName = [file] { return file; };
        defs.SaveButton->trigger();
        QCOMPARE(Read(file), QByteArray("dn\0\1*fnc*(DATE,\"d.m.yyyy\")\r\nkonec\r\n\0"
                                        "xx\0\0*fnc*(UPPERCASE,\"\xF2\")\r\n\0",
                                        63));
        Stop();

        TMainForm& again = Start({page.toStdString()});
        commands = again.findChild<AutoInsertCommands*>();
        QVERIFY(commands->Exists());
        zn::editor::ui::TAutoDefForm& loaded = commands->AutoDefForm();
        QVERIFY(!loaded.isVisible());
        QCOMPARE(loaded.List().Items().size(), std::size_t(2));
        loaded.Clock = [] { return zn::editor::LocalTime{local_days{year{2026} / 12 / 5}}; };
        again.PeriodicUpdate();
        QVERIFY(commands->AutoInsertItem->isEnabled());
        commands->AutoInsertItem->trigger();
        QCOMPARE(Text(), std::string("<P>5.12.2026\r\nkoneces: 5.12.2026\r\nkonec, xx</P>"));
        again.ActiveEdit()->Undo();
        QCOMPARE(Text(), std::string("<P>dnes: DN, xx</P>"));
        QCOMPARE(store_->ReadString(zn::app::KVHTMLKey, zn::app::AdfOpenValue),
                 std::optional<std::string>(file.toStdString()));
    }

    void anExpansionErrorIsToldAndEarlierReplacementsStay() {
        TMainForm& form = Start({Put(QStringLiteral("p.html"), "a b").toStdString()});
        auto* commands = form.findChild<AutoInsertCommands*>();
        zn::editor::ui::TAutoDefForm& defs = commands->AutoDefForm();
        const QString file =
            Put(QStringLiteral("d.chn"), QByteArray("a\0\1A1\0b\0\1*fnc*(SUM,x)\0c\0\1", 25));
        QVERIFY(defs.LoadFile(file));
        QCOMPARE(prompter_.shown.size(), std::size_t(1)); // the cut-off record "c"
        form.PeriodicUpdate();
        commands->AutoInsertItem->trigger();
        QCOMPARE(QString::fromStdString(Text()), QStringLiteral("A1 b"));
        QVERIFY(prompter_.shown.back().find("SUM") != std::string::npos);
    }
};

QTEST_MAIN(TestAutoInsert)
#include "test_autoinsert.moc"
