// The Tag Inspector on a text control: the focus rule, the automatic dimensions of a picture,
// the link rule and the panels it shows; typing into its fields and dropping colours.
#include "tags/ui/TagPanel.h"

#include "editor/THTMLRichEdit.h"
#include "tags/ui/TColorForm.h"
#include "tags/ui/TagPanelWriters.h"

#include <QAccessible>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

using namespace zn;
using namespace zn::tags::ui;

namespace {

class FakeHost : public InspectorHost {
public:
    editor::THTMLRichEdit edit;
    std::string fileName;
    InspectorOptions options;
    int loads = 0;
    int scans = 0;
    base::TColor body = 0, text = 0, link = 0;

    editor::THTMLRichEdit* InspectedEdit() override { return &edit; }
    std::string InspectedFileName() override { return fileName; }
    InspectorOptions InspectorSettings() override { return options; }
    base::TColor DocumentTextColor() override { return 0x123456; }
    tags::TDocumentLists ScanDocument() override {
        ++scans;
        tags::TDocumentLists lists;
        lists.Pairs = {{"m.gif", "#mapa"}};
        lists.Areas = {{"Dům", "#mapa"}};
        return lists;
    }
    QImage LoadPreviewPicture(const std::string&) override {
        ++loads;
        QImage picture(32, 20, QImage::Format_RGB32);
        picture.fill(Qt::red);
        return picture;
    }
    void PageColorsRead(base::TColor b, base::TColor t, base::TColor l) override {
        body = b;
        text = t;
        link = l;
    }
    void PicturePreviewed(const QImage&, bool) override {}
    std::vector<std::string> editedMap;
    void EditMap(const std::string& map, const std::string& area) override {
        editedMap = {map, area};
    }
};

} // namespace

class TestTagInspector : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    std::unique_ptr<QWidget> window_;
    std::unique_ptr<FakeHost> host_;
    TTagInspector* inspector_ = nullptr;
    QStackedWidget* pages_ = nullptr;
    QWidget* tp_ = nullptr;

    /// A page with the caret just inside the tag that starts with `tagStart`.
    void Load(const std::string& text, const std::string& tagStart) {
        host_->edit.Model().Load(text);
        host_->edit.Model().SetCaret(static_cast<editor::Position>(text.find(tagStart) + 2));
        QCoreApplication::processEvents();
    }
    std::string Text() { return host_->edit.Model().Text(); }
    template <typename T>
    T* Control(const char* name) {
        return inspector_->Panels().As<T>(name);
    }

private slots:
    void init() {
        window_ = std::make_unique<QWidget>();
        host_ = std::make_unique<FakeHost>();
        host_->fileName = QDir(dir_.path()).filePath("page.html").toStdString();
        QFile picture(QDir(dir_.path()).filePath("a.gif"));
        QVERIFY(picture.open(QIODevice::WriteOnly));
        picture.write("GIF");
        picture.close();
        auto* layout = new QVBoxLayout(window_.get());
        pages_ = new QStackedWidget(window_.get());
        tp_ = new QToolBar(pages_);
        pages_->addWidget(tp_);
        layout->addWidget(pages_);
        inspector_ = new TTagInspector(*host_, pages_, tp_, window_.get());
        host_->edit.OnTagChange = [this] { inspector_->ReadCurrentTag(); };
        window_->resize(320, 600);
        window_->show();
        QApplication::setActiveWindow(window_.get());
    }
    void cleanup() {
        host_->edit.OnTagChange = nullptr;
        window_.reset();
        host_.reset();
    }

    void typingInAFocusedFieldSurvivesARead() {
        host_->options.AutoShow = false;
        Load("<p><img alt=old border=1 src=a.gif></p>", "<img");
        auto* alt = Control<QLineEdit>("IMGAlt");
        QCOMPARE(alt->text(), QStringLiteral("old"));
        // Screen readers hear the caption of the field.
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(alt);
        QVERIFY(accessible != nullptr);
        QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("ALT"));
        alt->setFocus();
        QTRY_VERIFY(alt->hasFocus());
        alt->setText(QStringLiteral("typed"));
        host_->edit.SetAttribute("BORDER", "5", true);
        QCOMPARE(Control<QLineEdit>("IMGBorder")->text(), QStringLiteral("5"));
        QCOMPARE(alt->text(), QStringLiteral("typed"));
        QCOMPARE(inspector_->CurrentPanel()->objectName(), QStringLiteral("IMGPanel"));
    }

    void automaticDimensionsOncePerPicture() {
        Load("x <img src=a.gif width=10> y <b>z</b>", "<img");
        QTRY_COMPARE(QString::fromStdString(Text()),
                     QStringLiteral("x <img src=a.gif width=32 HEIGHT=20> y <b>z</b>"));
        QCOMPARE(host_->loads, 1);
        QVERIFY(Control<QWidget>("IMGImage")->isVisible());
        // Out and back in: the same picture is neither loaded nor measured again.
        host_->edit.Model().SetCaret(static_cast<editor::Position>(Text().find("<b>") + 1));
        QCOMPARE(inspector_->CurrentPanel()->objectName(), QStringLiteral("ChangePanel"));
        host_->edit.Model().SetCaret(static_cast<editor::Position>(Text().find("<img") + 2));
        QCoreApplication::processEvents();
        QCOMPARE(host_->loads, 1);
        QCOMPARE(QString::fromStdString(Text()),
                 QStringLiteral("x <img src=a.gif width=32 HEIGHT=20> y <b>z</b>"));
    }

    void autoPutDimOffWritesNothing() {
        host_->options.AutoPutDim = false;
        Load("<img src=a.gif width=10>", "<img");
        QCoreApplication::processEvents();
        QCOMPARE(QString::fromStdString(Text()), QStringLiteral("<img src=a.gif width=10>"));
        QVERIFY(Control<QWidget>("IMGImage")->isVisible());
    }

    void missingPictureHidesThePreview() {
        Load("<img src=none.gif>", "<img");
        QVERIFY(!Control<QWidget>("IMGImage")->isVisible());
        QCOMPARE(host_->loads, 0);
        QVERIFY(inspector_->LastPreviewed.empty());
    }

    void linkRuleGivesABareAnAddressOnlyAfterAnother() {
        Load("<a>x</a>", "<a>");
        QCoreApplication::processEvents();
        QCOMPARE(QString::fromStdString(Text()), QStringLiteral("<a>x</a>"));
        Load("<a href=old.html>x</a> <a>y</a>", "<a href");
        QCOMPARE(Control<QComboBox>("RefCombo")->currentText(), QStringLiteral("old.html"));
        host_->edit.Model().SetCaret(static_cast<editor::Position>(Text().find("<a>") + 2));
        QTRY_COMPARE(QString::fromStdString(Text()),
                     QStringLiteral("<a href=old.html>x</a> <a HREF=\"http://\">y</a>"));
        QCOMPARE(Control<QComboBox>("RefCombo")->currentText(), QStringLiteral("http://"));
    }

    void mapAndAreaUseTheScan() {
        Load("<map name=mapa><area alt=Dům href=d.html></map>", "<area");
        QCOMPARE(Control<QLabel>("MaName")->text(), QStringLiteral("mapa"));
        QCOMPARE(host_->scans, 1);
        Control<QPushButton>("SpeedButton32")->click();
        QCOMPARE(host_->editedMap, (std::vector<std::string>{"mapa", "Dům"}));
        // A tag that needs no scan does not run one on every keystroke.
        Load("<td width=5>", "<td");
        host_->edit.SetAttribute("WIDTH", "6", true);
        QCOMPARE(host_->scans, 1);
    }

    void soundPlayerHiddenWithoutAFile() {
        Load("<bgsound src=missing.wav loop=2>", "<bgsound");
        QCOMPARE(inspector_->CurrentPanel()->objectName(), QStringLiteral("BGSPanel"));
        QCOMPARE(Control<QLineEdit>("Rep")->text(), QStringLiteral("2"));
        QVERIFY(!Control<QWidget>("SndMP")->isVisible());
        Load("<bgsound>", "<bgsound");
        QVERIFY(!Control<QWidget>("SndMP")->isVisible());
    }

    void readingNeverTakesTheFocus() {
        auto* other = new QLineEdit(window_.get());
        window_->layout()->addWidget(other);
        other->setFocus();
        QTRY_VERIFY(other->hasFocus());
        Load("<table border=1><tr><td>", "<table");
        QCOMPARE(inspector_->CurrentPanel()->objectName(), QStringLiteral("TablePanel"));
        QVERIFY(other->hasFocus());
    }

    void typingIntoFieldsRewritesTheTagOneUndoStepPerWord() {
        host_->options.AutoShow = false;
        Load("<p><img src=a.gif></p>", "<img");
        QVERIFY(!host_->edit.Model().CanUndo()); // filling the panel wrote nothing
        auto* width = Control<QLineEdit>("IMGWidth");
        width->setFocus();
        QTRY_VERIFY(width->hasFocus());
        QTest::keyClicks(width, "120");
        QCOMPARE(QString::fromStdString(Text()),
                 QStringLiteral("<p><img src=a.gif WIDTH=120></p>"));
        auto* alt = Control<QLineEdit>("IMGAlt");
        alt->setFocus();
        QTRY_VERIFY(alt->hasFocus());
        QTest::keyClicks(alt, "a \"b\">");
        QCOMPARE(QString::fromStdString(Text()),
                 QStringLiteral("<p><img src=a.gif WIDTH=120 ALT=\"a &quot;b&quot;&gt;\"></p>"));
        QCOMPARE(alt->text(), QStringLiteral("a \"b\">"));
        QVERIFY(alt->hasFocus());
        host_->edit.Undo();
        QCOMPARE(QString::fromStdString(Text()),
                 QStringLiteral("<p><img src=a.gif WIDTH=120 ALT=\"a \"></p>"));
        host_->edit.Undo();
        host_->edit.Undo();
        QCOMPARE(QString::fromStdString(Text()), QStringLiteral("<p><img src=a.gif></p>"));
        QVERIFY(!host_->edit.Model().CanUndo());
    }

    void droppedColourIsWrittenWithoutADialog() {
        Load("<body link=\"#00ff00\">", "<body");
        inspector_->Writers().DropColor("LinkL", "LinkL"); // onto itself: nothing
        QCOMPARE(QString::fromStdString(Text()), QStringLiteral("<body link=\"#00ff00\">"));
        inspector_->Writers().DropColor("LinkL", "TextL");
        QCOMPARE(QString::fromStdString(Text()),
                 QStringLiteral("<body link=\"#00ff00\" TEXT=\"#00FF00\">"));
        QVERIFY(!inspector_->Writers().ColorForm().isVisible());
        QCOMPARE(host_->text, base::RGBColor(0, 0xFF, 0));
    }
};

QTEST_MAIN(TestTagInspector)
#include "test_TagPanel.moc"
