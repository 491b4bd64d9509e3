// The find, replace and encoding commands in a running main window: the dialogs, their stored
// properties and the tool buttons.
#include "app/EncodingList.h"
#include "app/SettingsKeys.h"
#include "app/SettingsStore.h"
#include "app/ui/EncodingCommands.h"
#include "app/ui/SearchCommands.h"
#include "app/ui/TMDIChild.h"
#include "app/ui/TMainForm.h"
#include "base/Cp1250.h"
#include "base/Prompter.h"
#include "editor/ui/TComboBox98.h"
#include "editor/ui/TFindForm.h"
#include "editor/ui/TReplaceForm.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "MainFormRun.h"

using namespace zn::app;
using namespace zn::app::ui;

class TestSearchCommands : public QObject, protected zn::test::MainFormRun {
    Q_OBJECT

    TMainForm& Start(const QByteArray& page) {
        return MainFormRun::Start({Put(QStringLiteral("page.html"), page).toStdString()});
    }

    std::string Text() { return form_->ActiveEdit()->Model().Text(); }

    /// Answers the next modal dialog with OK once it runs.
    static void AcceptSoon(QDialog& dialog) {
        QTimer::singleShot(0, &dialog, [&dialog] { dialog.accept(); });
    }

private slots:
    void init() { prompter_ = zn::base::ScriptedPrompter(); }
    void cleanup() { StopAndForget(); }

    void firstStartInstallsTheShippedEncodingsAndIsoButtonConverts() {
        TMainForm& form = Start("<P>\xA9\xBB"
                                "astn\xFD</P>");
        QVERIFY(ReadInstalledEncodings(*store_).size() >= 3);
        auto* encodings = form.findChild<EncodingCommands*>();
        QVERIFY(encodings);
        encodings->IsoToWinButton->trigger();
        QCOMPARE(Text(), zn::base::Utf8ToCp1250("<P>Šťastný</P>"));
        QVERIFY(form.ActiveDocument()->Modified());
    }

    void findWithDiacriticsOptionFindsTheWordAndF3ReportsTheEnd() {
        TMainForm& form = Start(zn::base::Utf8ToCp1250("Je to příliš dlouhé").c_str());
        auto* search = form.findChild<SearchCommands*>();
        zn::editor::ui::TFindForm& find = search->FindForm();
        find.FindCB->setEditText(QStringLiteral("prilis"));
        QVERIFY(find.DIntelChB->isChecked());
        AcceptSoon(find);
        search->FindItem->trigger();
        QCOMPARE(form.ActiveEdit()->Model().Sel().caret, zn::editor::Position(12));
        search->FindNextItem->trigger();
        QCOMPARE(prompter_.shown, std::vector<std::string>{"Hledání skončilo"});
        QCOMPARE(store_->ReadStringList("Software\\KVHTML\\Find\\FindCB.Items"),
                 std::vector<std::string>{"prilis"});
    }

    void replaceAllWithoutPromptingIsOneUndoStep() {
        TMainForm& form = Start("a b a b a");
        auto* search = form.findChild<SearchCommands*>();
        zn::editor::ui::TReplaceForm& replace = search->ReplaceForm();
        replace.FindCB->setEditText(QStringLiteral("a"));
        replace.WitCB->setEditText(QStringLiteral("aa"));
        replace.RepAllChb->setChecked(true);
        AcceptSoon(replace);
        search->ReplaceItem->trigger();
        QCOMPARE(Text(), std::string("aa b aa b aa"));
        QCOMPARE(store_->ReadInteger("Software\\KVHTML\\Replace", "RepAllChb.Checked"), 1);
        form.ActiveEdit()->Undo();
        QCOMPARE(Text(), std::string("a b a b a"));
    }

    void commandsDoNothingWithoutADocument() {
        TMainForm& form = Start("x");
        for (TMDIChild* document : form.Documents())
            document->close();
        QTRY_VERIFY(form.ActiveEdit() == nullptr);
        form.findChild<EncodingCommands*>()->IsoToWinButton->trigger();
        form.findChild<SearchCommands*>()->FindNextItem->trigger();
        QVERIFY(prompter_.shown.empty());
    }
};

QTEST_MAIN(TestSearchCommands)
#include "test_searchcommands.moc"
