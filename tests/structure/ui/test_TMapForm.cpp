// The map editor window on a scan's lists: choosing maps and areas, auto-save, the clipboard,
// deleting, and pictures that are missing or broken.
#include "base/Prompter.h"
#include "structure/ui/MapCanvas.h"
#include "structure/ui/TMapForm.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

using namespace zn::structure;
using namespace zn::structure::ui;

class TestTMapForm : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    zn::base::ScriptedPrompter prompter_;
    AreaList areas_;

    void Open(TMapForm& form, const char* picture, const std::string& map = "m") {
        const MapList pairs{{picture, "#mm"}, {picture, "#m"}};
        form.MapToSelect = map;
        form.Prepare(areas_, pairs, {"#mm - [x]", "#m - [x]"},
                     dir_.filePath(QStringLiteral("page.html")).toStdString(), {});
    }

private slots:
    void init() {
        prompter_ = zn::base::ScriptedPrompter();
        areas_ = {{"0,0,10,10", 1, "#m", "", "a.html", "a", "k", "1", false},
                  {"5,5,3", 2, "#m", "_top", "", "b", "", "", true},
                  {"1,1,2,2", 0, "#mm", "", "", "other", "", "", false}};
        QFile::copy(QStringLiteral(ZN_DATA_DIR "/obrazek.gif"), dir_.filePath("pic.gif"));
        QFile broken(dir_.filePath("broken.gif"));
        broken.open(QIODevice::WriteOnly);
        broken.write("GIF89a broken");
    }

    void choosesTheMapByItsWholeNameAndStoresWhatIsDrawn() {
        TMapForm form(prompter_);
        form.AreaToSelect = "b";
        Open(form, "pic.gif");
        QCOMPARE(form.MapCombo->currentIndex(), 1);
        QCOMPARE(form.MapLB->count(), 2);
        QCOMPARE(form.MapLB->currentItem()->text(), QStringLiteral("b"));
        QVERIFY(form.Canvas->HasPicture());
        form.MapLB->setCurrentRow(0);
        form.SetEditMode(false);
        form.CanvasPressed(TMouseButton::Left, 30, 20);
        QVERIFY(!form.OKButton->parentWidget()->isEnabled()); // busy while drawing
        form.CanvasPressed(TMouseButton::Left, 2, 4);
        QCOMPARE(areas_[0].Coords, std::string("2,4,30,20"));
        QVERIFY(form.PointSB->isChecked());
        QVERIFY(prompter_.shown.empty());
    }

    void autoSaveOffDiscardsUnsavedFields() {
        TMapForm form(prompter_);
        Open(form, "pic.gif");
        form.Asa->setChecked(false);
        form.AKEdit->setText(QStringLiteral("zzz"));
        form.MapLB->setCurrentRow(1);
        QCOMPARE(areas_[0].AccessKey, std::string("k"));
        form.Asa->setChecked(true);
        form.TIEdit->setText(QStringLiteral("7"));
        QCOMPARE(areas_[1].TabIndex, std::string("7"));
    }

    void copyAndPasteCarryEverythingButTheName() {
        TMapForm form(prompter_);
        Open(form, "pic.gif");
        form.CopyArea();
        QVERIFY(QGuiApplication::clipboard()->text().contains(QChar(0xA7)));
        form.MapLB->setCurrentRow(1);
        form.PasteArea();
        TArea expected = areas_[0];
        expected.Alt = "b";
        QCOMPARE(areas_[1], expected);
        QGuiApplication::clipboard()->setText(QStringLiteral("%1 no area"));
        form.MapLB->setCurrentRow(0);
        form.PasteArea();
        QCOMPARE(areas_[0].Alt, std::string("a"));
        QVERIFY(prompter_.shown.empty());
    }

    void deletingTheLastAreaLeavesNothingChosen() {
        TMapForm form(prompter_);
        Open(form, "pic.gif");
        form.DeleteArea();
        QCOMPARE(form.MapLB->currentItem()->text(), QStringLiteral("b"));
        form.DeleteArea();
        QCOMPARE(form.MapLB->count(), 0);
        QCOMPARE(form.MapLB->currentRow(), -1);
        QCOMPARE(areas_.size(), std::size_t(1));
    }

    void brokenPictureLeavesAnEmptyCanvasMissingOneCloses() {
        TMapForm form(prompter_);
        Open(form, "broken.gif");
        QVERIFY(!form.Canvas->HasPicture());
        QCOMPARE(form.MapLB->count(), 2);
        QVERIFY(prompter_.shown.empty());
        Open(form, "none.gif");
        QCOMPARE(prompter_.shown.size(), std::size_t(1));
        QVERIFY(prompter_.shown[0].starts_with("Nelze otevřít soubor "));
        form.show();
        QTRY_VERIFY(!form.isVisible());
    }
};

QTEST_MAIN(TestTMapForm)
#include "test_TMapForm.moc"
