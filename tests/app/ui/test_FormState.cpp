// Form-state stores: a window's placement and listed properties survive re-creating it.
#include "app/Settings.h"
#include "app/SettingsNames.h"
#include "app/SettingsStore.h"
#include "app/ui/FormState.h"
#include "app/ui/FormStores.h"
#include "app/ui/SettingsConvert.h"
#include "app/ui/WindowPlacement.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFileDialog>
#include <QFontDatabase>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QSplitter>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <QtTest>
#include <functional>
#include <memory>
#include <set>

using namespace zn::app;
using namespace zn::app::ui;

namespace {

const char* const kKey = "\\Software\\KVHTML\\FrameWizard";

/// A window like the program's dialogs: components with names, remembered by a FormState.
class TestDialog : public QDialog {
public:
    explicit TestDialog(SettingsStore& store, PlacementKind placement = PlacementKind::Full)
        : state_(this, QString::fromLatin1(kKey), placement, store) {
        auto* layout = new QVBoxLayout(this);
        Check = Add<QCheckBox>("fonly", layout);
        Combo = Add<QComboBox>("FindCB", layout);
        Combo->setEditable(true);
        Spin = Add<QSpinBox>("ColsSp", layout);
        Spin->setRange(0, 1000);
        Lines = Add<QPlainTextEdit>("NoFrames", layout);
        Split = Add<QSplitter>("Panel2", layout);
        Split->addWidget(new QWidget);
        Split->addWidget(new QWidget);
        Save = new QAction(QStringLiteral("&Uložit"), this);
        Save->setObjectName(QStringLiteral("FileSaveItem"));
        Save->setShortcut(QKeySequence(QStringLiteral("Ctrl+S")));

        state_.AddCheckBox(Check);
        state_.AddComboItems(Combo);
        state_.AddSpinBox(Spin);
        state_.AddLines(Lines);
        state_.AddSplitter(Split);
        state_.AddShortcut(Save);
        state_.AddColor(
            QStringLiteral("BarvaP.Color"), [this] { return Color; },
            [this](const QColor& c) { Color = c; });
        state_.AddFont(
            QStringLiteral("FL.Font"), [this] { return Font; },
            [this](const QFont& f) { Font = f; });
        state_.AddDialog(QStringLiteral("OpenDialog1"), Dialog);
        state_.Restore();
    }

    QCheckBox* Check;
    QComboBox* Combo;
    QSpinBox* Spin;
    QPlainTextEdit* Lines;
    QSplitter* Split;
    QAction* Save;
    QColor Color = Qt::black;
    QFont Font;
    DialogMemory Dialog;

private:
    template <class W>
    W* Add(const char* name, QVBoxLayout* layout) {
        auto* widget = new W;
        widget->setObjectName(QString::fromLatin1(name));
        layout->addWidget(widget);
        return widget;
    }

    FormState state_; // after the widgets it binds: saves before they go
};

} // namespace

class FormStateTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    QString File() const { return dir_.filePath(QStringLiteral("settings.sqlite")); }

private slots:
    void PropertiesSurviveRecreatingTheWindowAndARestart() {
        QList<int> splitterSizes;
        {
            SettingsStore store(File().toStdString());
            TestDialog dialog(store);
            dialog.setGeometry(QRect(120, 130, 420, 310));
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            dialog.Check->setChecked(true);
            dialog.Combo->addItems({QStringLiteral("<TABLE"), QStringLiteral("příliš žluťoučký")});
            dialog.Spin->setValue(4);
            dialog.Lines->setPlainText(QStringLiteral("Váš prohlížeč neumí rámy.\n<A HREF=x>"));
            dialog.Split->setSizes({60, 140});
            splitterSizes = dialog.Split->sizes(); // scaled to the splitter's width
            QVERIFY(splitterSizes[0] < splitterSizes[1] / 2);
            dialog.Save->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+U")));
            dialog.Color = QColor(255, 0, 0);
            dialog.Font = QFont(QStringLiteral("DejaVu Sans"), 13, QFont::Bold, true);
            dialog.Dialog = {QStringLiteral("/home/jana/web/index.html"), 2,
                             QStringLiteral("/home/jana/web")};
        } // destroyed: saves itself

        SettingsStore store(File().toStdString()); // the next run
        TestDialog again(store);
        again.show();
        QVERIFY(QTest::qWaitForWindowExposed(&again));
        QCOMPARE(again.geometry(), QRect(120, 130, 420, 310));
        QVERIFY(again.Check->isChecked());
        QCOMPARE(again.Combo->itemText(1), QStringLiteral("příliš žluťoučký"));
        QCOMPARE(again.Spin->value(), 4);
        QCOMPARE(again.Lines->toPlainText(),
                 QStringLiteral("Váš prohlížeč neumí rámy.\n<A HREF=x>"));
        QCOMPARE(again.Split->sizes(), splitterSizes);
        QCOMPARE(again.Save->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+U")));
        QCOMPARE(again.Color, QColor(255, 0, 0));
        QCOMPARE(again.Font, QFont(QStringLiteral("DejaVu Sans"), 13, QFont::Bold, true));
        QCOMPARE(again.Dialog.FileName, QStringLiteral("/home/jana/web/index.html"));
        QCOMPARE(again.Dialog.FilterIndex, 2);

        // The stored layout, as the README describes it.
        QCOMPARE(store.ReadInteger(kKey, "BarvaP.Color"), 0x0000FF);
        QCOMPARE(store.ReadString(kKey, "FileSaveItem.ShortCut"), std::string("Ctrl+Shift+U"));
    }

    void AnEmptiedShortcutStaysEmpty() {
        SettingsStore store(":memory:");
        {
            TestDialog dialog(store);
            dialog.Save->setShortcut(QKeySequence());
        }
        TestDialog again(store);
        QVERIFY(again.Save->shortcut().isEmpty());
    }

    void ValuesOfAnotherTypeAreIgnored() {
        SettingsStore store(":memory:");
        store.WriteInteger(kKey, "Placement.State", StateMinimized); // opens normal
        store.WriteString(kKey, "ColsSp.Value", "12");
        store.WriteInteger(kKey, "OpenDialog1.FileName", 5);
        store.WriteString(kKey, "FL.Font", "not a font description");
        store.WriteIntegerList(std::string(kKey) + "\\Panel2.Sizes", {1, 2, 3});
        TestDialog dialog(store);
        QCOMPARE(dialog.Spin->value(), 0);
        QVERIFY(dialog.Dialog.FileName.isEmpty());
        QCOMPARE(dialog.Font, QFont());
        QCOMPARE(dialog.Save->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
        QVERIFY(!(dialog.windowState() & Qt::WindowMinimized));
    }

    void AcceptingADialogSavesAtOnce() {
        SettingsStore store(":memory:");
        TestDialog dialog(store);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.Check->setChecked(true);
        dialog.accept(); // hidden and kept, as the program keeps its dialogs
        QCOMPARE(store.ReadInteger(kKey, "fonly.Checked"), 1);
    }

    void MaximisedStateSurvives() {
        SettingsStore store(":memory:");
        {
            TestDialog dialog(store);
            dialog.setGeometry(QRect(50, 60, 300, 200));
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            dialog.setWindowState(Qt::WindowMaximized);
            QTRY_VERIFY(dialog.isMaximized());
        }
        QCOMPARE(store.ReadInteger(kKey, "Placement.State"), StateMaximized);
        TestDialog again(store);
        QVERIFY(again.windowState() & Qt::WindowMaximized);
        // Leaving the maximised state gives back the size it had before.
        again.show();
        QVERIFY(QTest::qWaitForWindowExposed(&again));
        again.setWindowState(Qt::WindowNoState);
        QTRY_COMPARE(again.geometry().size(), QSize(300, 200));
    }

    void PositionFromAScreenThatIsGoneIsNotTaken() {
        SettingsStore store(":memory:");
        {
            TestDialog dialog(store, PlacementKind::Position);
            dialog.move(200, 150);
        }
        store.WriteInteger(kKey, "Placement.Left", -30000);
        TestDialog lost(store, PlacementKind::Position);
        QVERIFY(lost.pos().x() > -30000);
    }

    void StoredStateIsAppliedAtTheFirstPaint() {
        const std::pair<int, Qt::WindowState> cases[] = {
            {StateMaximized, Qt::WindowMaximized},
            {StateNormal, Qt::WindowNoState},
            {7, Qt::WindowNoState},
        };
        for (const auto& [stored, expected] : cases) {
            QMainWindow window;
            window.setCentralWidget(new QPlainTextEdit);
            // The form-state store restored maximised; the stored State overrides it.
            window.setWindowState(stored == StateMaximized ? Qt::WindowNoState
                                                           : Qt::WindowMaximized);
            ApplyStateAtFirstPaint(&window, stored);
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            QTRY_COMPARE(window.windowState() & (Qt::WindowMaximized | Qt::WindowMinimized),
                         Qt::WindowStates(expected));
            // Once only: later changes by the user stay.
            window.setWindowState(Qt::WindowNoState);
            window.update();
            QTest::qWait(20);
            QCOMPARE(window.windowState() & Qt::WindowMaximized, Qt::WindowStates());
        }
        QCOMPARE(SettingFromWindowState(Qt::WindowMaximized | Qt::WindowActive),
                 int(StateMaximized));
    }

    void DialogMemoryPreparesAFileDialog() {
        QTemporaryDir web;
        QFile(web.filePath(QStringLiteral("index.html"))).open(QIODevice::WriteOnly);
        QFileDialog dialog;
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setNameFilters({QStringLiteral("HTML (*.html *.htm)"), QStringLiteral("Vše (*)")});
        DialogMemory memory{web.filePath(QStringLiteral("index.html")), 2, QString()};
        memory.ApplyTo(dialog);
        QCOMPARE(dialog.directory().absolutePath(), QDir(web.path()).absolutePath());
        QCOMPARE(dialog.selectedNameFilter(), QStringLiteral("Vše (*)"));

        DialogMemory taken;
        taken.TakeFrom(dialog);
        QCOMPARE(taken.FilterIndex, 2);
        QCOMPARE(taken.InitialDir, QDir(web.path()).absolutePath());
    }

    void FontsConvert() {
        const StoredFont system; // "System", bold, 11 px
        const QFont font = FontFromStored(system);
        QCOMPARE(font.family(), QFontDatabase::systemFont(QFontDatabase::FixedFont).family());
        QCOMPARE(font.pixelSize(), 11);
        QVERIFY(font.bold());
        QCOMPARE(StoredFromFont(font, system), system);

        QFont chosen(QStringLiteral("DejaVu Serif"));
        chosen.setPixelSize(15);
        chosen.setItalic(true);
        const StoredFont stored = StoredFromFont(chosen, system);
        QCOMPARE(stored.Family, std::string("DejaVu Serif"));
        QCOMPARE(stored.PixelHeight, 15);
        QVERIFY(stored.Italic && !stored.Bold);
        QCOMPARE(stored.Charset, system.Charset);
    }

    void EveryStoreKeepsItsPlacementAndPropertiesAcrossARestart() {
        int n = 0;
        for (const FormStore& form : AllFormStores) {
            const std::string file =
                dir_.filePath(QStringLiteral("store%1.sqlite").arg(++n)).toStdString();
            const QRect placed(140 + n, 90 + n, 320 + n, 240 + n);
            // One run: a window of this store with a check box, restored from the file.
            const auto run = [&](const std::function<void(QDialog&, QCheckBox&)>& act) {
                SettingsStore store(file);
                QDialog window;
                auto* probe = new QCheckBox(&window);
                probe->setObjectName(QStringLiteral("Probe"));
                FormState state(&window, form, store);
                state.AddCheckBox(probe);
                state.Restore();
                act(window, *probe);
            };
            run([&](QDialog& window, QCheckBox& probe) {
                window.setGeometry(placed);
                window.show();
                QVERIFY(QTest::qWaitForWindowExposed(&window));
                probe.setChecked(true);
            });
            run([&](QDialog& window, QCheckBox& probe) {
                QVERIFY2(probe.isChecked(), form.Key);
                if (form.Placement == PlacementKind::None)
                    return;
                window.show();
                QVERIFY(QTest::qWaitForWindowExposed(&window));
                QCOMPARE(window.geometry().topLeft(), placed.topLeft());
                if (form.Placement == PlacementKind::Full)
                    QCOMPARE(window.geometry(), placed);
            });
            SettingsStore store(file);
            const bool geometry = store.ValueExists(form.Key, "Placement.Geometry");
            QCOMPARE(geometry, form.Placement == PlacementKind::Full);
            if (form.Placement == PlacementKind::None)
                QVERIFY2(!store.ValueExists(form.Key, "Placement.Left"), form.Key);
        }
        // Only the document windows share a key, the main window's.
        std::set<std::string> keys;
        for (const FormStore& form : AllFormStores)
            keys.insert(NormalizeKeyPath(form.Key));
        QCOMPARE(keys.size(), std::size(AllFormStores) - 1);
    }
};

QTEST_MAIN(FormStateTest)
#include "test_FormState.moc"
