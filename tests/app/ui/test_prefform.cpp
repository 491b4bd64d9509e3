// "Možnosti": a shortcut given in the dialog works at once and after a restart, a taken one is
// refused; applying reaches open documents, keeps their modified state and can be repeated.
#include "MainFormRun.h"

#include "app/ui/PluginListDialog.h"
#include "app/ui/PrefCommands.h"
#include "app/ui/TPrefForm.h"
#include "editor/ui/HtmlEditView.h"

#include <QCheckBox>
#include <QKeySequenceEdit>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>

using namespace zn::app;
using namespace zn::app::ui;

class TestPrefForm : public QObject, zn::test::MainFormRun {
    Q_OBJECT

    TPrefForm& Prefs() {
        TPrefForm& prefs = form_->findChild<PrefCommands*>()->Form();
        prefs.LoadControls();
        return prefs;
    }
    static int LineOf(const TPrefForm& prefs, const QString& text) {
        const auto found = prefs.MenuItemsLB->findItems(text, Qt::MatchExactly);
        return found.isEmpty() ? -1 : prefs.MenuItemsLB->row(found.first());
    }
    static void GiveShortcut(TPrefForm& prefs, const QString& line, const char* keys) {
        prefs.MenuItemsLB->setCurrentRow(LineOf(prefs, line));
        QVERIFY(prefs.HKey->isEnabled());
        prefs.HKey->setKeySequence(QKeySequence(QString::fromLatin1(keys)));
    }

private slots:
    void initTestCase() {
        const QString build = QFileInfo(QStringLiteral(ZN_APP_BINARY)).absolutePath();
        qputenv("ZNACKAR_PLUGIN_HOST", (build + "/znackar-plugin-host").toUtf8());
    }

    void pluginTabInstallsIntoTheMenu() {
        Start({});
        TPrefForm& prefs = Prefs();
        const QString strip =
            QFileInfo(QStringLiteral(ZN_APP_BINARY)).absolutePath() + "/plugins/strip-tags.so";
        prefs.PluginPage->Install({strip});
        QCOMPARE(form_->Plugins().Items().size(), size_t(0)); // not before Apply
        prefs.Apply();
        QCOMPARE(form_->Menu(MainMenuId::Plugins)->actions().first()->data().toString(), strip);
        QCOMPARE(store_->ReadStringList(PluginsKey),
                 std::vector<std::string>{strip.toStdString() + ","});
        StopAndForget();
    }

    void shortcutWorksAtOnceAndAfterARestart() {
        Start({});
        TPrefForm& prefs = Prefs();
        prefs.PageControl1->setCurrentIndex(static_cast<int>(PrefTab::Klavesy));
        QVERIFY(LineOf(prefs, QStringLiteral("[&Soubor]")) == 0);
        QVERIFY(LineOf(prefs, QStringLiteral("    &Konec")) < 0); // after "Zavřít vš&e"
        prefs.MenuItemsLB->setCurrentRow(0);
        QVERIFY(!prefs.HKey->isEnabled()); // a menu has no shortcut
        GiveShortcut(prefs, QStringLiteral("    &Uložit"), "Ctrl+Alt+U");
        // Taken by "&Uložit" in the list, though not applied yet: refused for "&Otevřít...".
        GiveShortcut(prefs, QStringLiteral("    &Otevřít..."), "Ctrl+Alt+U");
        prefs.MenuItemsLB->setCurrentRow(0);
        QCOMPARE(prompter_.shown.back(),
                 std::string("Klávesová zkratka Ctrl+Alt+U už patří položce „Uložit“."));
        QCOMPARE(form_->FileSaveItem->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
        prefs.Apply();
        QCOMPARE(form_->FileSaveItem->shortcut(), QKeySequence(QStringLiteral("Ctrl+Alt+U")));
        QCOMPARE(form_->FileOpenItem->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
        // Edits closed with "&Storno" are dropped.
        Prefs();
        GiveShortcut(prefs, QStringLiteral("    &Uložit"), "Ctrl+Alt+J");
        prefs.MenuItemsLB->setCurrentRow(0);
        prefs.reject();
        QCOMPARE(form_->FileSaveItem->shortcut(), QKeySequence(QStringLiteral("Ctrl+Alt+U")));
        Stop();
        Start({});
        QCOMPARE(form_->FileSaveItem->shortcut(), QKeySequence(QStringLiteral("Ctrl+Alt+U")));
        StopAndForget();
    }

    void applyReachesOpenDocumentsTwiceAlike() {
        const QString page = Put(QStringLiteral("a.html"), "<P>text</P>");
        Start({page.toStdString()});
        TMDIChild* document = form_->ActiveDocument();
        QVERIFY(document);
        document->InsertText("x");
        QVERIFY(document->Modified());
        TPrefForm& prefs = Prefs();
        prefs.ChooseColor = [](ColorNumber) { return std::optional<ColorNumber>(0x00FFFF); };
        prefs.CLbkg->click();
        prefs.UseHLChb->setChecked(false);
        prefs.ParLB->item(static_cast<int>(AutoShowSwitch))->setCheckState(Qt::Unchecked);
        QCOMPARE(prefs.ParLB->item(static_cast<int>(AutoPutDimSwitch))->checkState(),
                 Qt::Unchecked);
        prefs.CopyP->setText(QStringLiteral("\\obr\\"));
        for (int i = 0; i < 2; ++i) {
            prefs.Apply();
            const Settings& s = form_->HostSettings();
            QCOMPARE(s.CopyPath, std::string("obr"));
            QVERIFY(!s.AutoPutDim && !s.UseHighLight);
            QCOMPARE(store_->ReadInteger(KVHTMLKey, "AutoPutDim"), std::optional<int>(0));
            QVERIFY(document->Modified());
            QCOMPARE(document->EditorView().backgroundColor(), QColor(255, 255, 0));
            QCOMPARE(document->EditedText().Model().SelStart(), zn::editor::Position(0));
            QVERIFY(!document->EditedText().SyntaxHighLighting);
        }
        // Storno after Použít keeps what was applied; the next showing offers it again.
        prefs.CopyP->setText(QStringLiteral("jinam"));
        prefs.reject();
        QCOMPARE(form_->HostSettings().CopyPath, std::string("obr"));
        QCOMPARE(Prefs().CopyP->text(), QStringLiteral("obr"));
        QVERIFY(!prefs.UseHLChb->isChecked());
        StopAndForget();
    }
};

QTEST_MAIN(TestPrefForm)
#include "test_prefform.moc"
