// The "&Plug-ins" menu of the main window: entries from the store, the start-up message about
// broken entries, running an example plug-in on a document, and the list written at exit.
#include "app/SettingsKeys.h"
#include "app/SettingsStore.h"
#include "app/ui/PluginMenu.h"
#include "app/ui/TMDIChild.h"
#include "app/ui/TMainForm.h"
#include "base/Prompter.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QTemporaryDir>
#include <QtTest>

using namespace zn::app;
using namespace zn::app::ui;
using namespace zn::base;

class TestPlugins : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    ScriptedPrompter prompter_;

    static std::string BuildFile(const char* name) {
        return (QFileInfo(QStringLiteral(ZN_APP_BINARY)).absolutePath() + "/" + name).toStdString();
    }

private slots:
    void initTestCase() {
        qputenv("ZNACKAR_PLUGIN_HOST", QByteArray::fromStdString(BuildFile("znackar-plugin-host")));
    }

    void menuRunsPluginAndDropsBrokenEntries() {
        const std::string strip = BuildFile("plugins/strip-tags.so");
        const std::string gone = dir_.filePath(QStringLiteral("gone.so")).toStdString();
        const std::string store = dir_.filePath(QStringLiteral("s.sqlite")).toStdString();
        {
            SettingsStore seed(store);
            seed.WriteInteger(KVHTMLKey, "SaveInfo", 1);
            seed.WriteString(KVHTMLKey, "Version", VersionText);
            seed.WriteStringList(PluginsKey, {gone + ",", strip + ",Ctrl+Shift+F5"});
        }
        {
            SettingsStore settings(store);
            TMainForm form(settings);
            form.SetPrompter(&prompter_);
            form.SetCommandLine({});
            form.show();
            QTRY_VERIFY(form.FirstShowDone());
            QCOMPARE(prompter_.shown.size(), size_t(1));
            QCOMPARE(prompter_.shown[0],
                     "Tyto plug-iny byly kvůli chybě odregistrovány:\r\n  - " + gone + "\r\n");

            QMenu* menu = form.Menu(MainMenuId::Plugins);
            QVERIFY(menu->menuAction()->isVisible());
            const QList<QAction*> actions = menu->actions();
            QCOMPARE(actions.size(), 3); // the plug-in, a separator, the settings item
            QCOMPARE(actions[0]->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+F5")));

            TMDIChild* document = form.Documents().value(0);
            QVERIFY(document);
            auto& model = document->EditedText().Model();
            model.Load("<p><b>tu</b>k</p>");
            model.Select(3, 10);
            actions[0]->trigger();
            QCOMPARE(model.Text(), std::string("<p>tuk</p>"));
            document->EditedText().Undo();
            QCOMPARE(model.Text(), std::string("<p><b>tu</b>k</p>"));
            model.SetModified(false);
            document->UpdateModified();

            // Building again never doubles the entries.
            form.ApplyPlugins();
            QCOMPARE(menu->actions().size(), 3);
        }
        SettingsStore after(store);
        QCOMPARE(after.ReadStringList(PluginsKey),
                 std::vector<std::string>{strip + ",Ctrl+Shift+F5"});
    }
};

QTEST_MAIN(TestPlugins)
#include "test_plugins.moc"
