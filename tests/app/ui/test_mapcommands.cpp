// The image map commands in a running main window: OK writes the maps as one undoable change,
// the empty map, the wizard's text, and a document without maps.
#include "app/ui/MapCommands.h"
#include "base/Prompter.h"
#include "structure/ui/TMapForm.h"
#include "structure/ui/TMapWizard.h"

#include <QAction>
#include <QButtonGroup>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "MainFormRun.h"

using namespace zn::app::ui;
using zn::structure::TMouseButton;

namespace {

const char* const kPage = "<IMG SRC=\"pic.gif\" USEMAP=\"#m\">\r\n<MAP NAME=\"m\">\r\n"
                          "<AREA ALT=\"a\" SHAPE=\"rect\" COORDS=\"1,2,3,4\" HREF=\"a.html\">\r\n"
                          "</MAP>\r\n<P>end</P>";

} // namespace

class TestMapCommands : public QObject, protected zn::test::MainFormRun {
    Q_OBJECT

    MapCommands* commands_ = nullptr;

    void Start(const QByteArray& page) {
        QFile::copy(QStringLiteral(ZN_DATA_DIR "/obrazek.gif"), File(QStringLiteral("pic.gif")));
        MainFormRun::Start({Put(QStringLiteral("page.html"), page).toStdString()});
        commands_ = form_->findChild<MapCommands*>();
        QVERIFY(commands_);
    }
    std::string Text() { return form_->ActiveEdit()->Model().Text(); }
    /// Closes the map editor with Storno once it shows.
    void RejectMapFormWhenShown() {
        QTimer::singleShot(20, this, [this] {
            auto* editor = form_->findChild<zn::structure::ui::TMapForm*>();
            if (editor != nullptr && editor->isVisible()) {
                editor->reject();
            } else {
                RejectMapFormWhenShown();
            }
        });
    }

private slots:
    void init() { prompter_ = zn::base::ScriptedPrompter(); }
    void cleanup() { StopAndForget(); }

    void okWritesTheMapAsOneUndoStep() {
        Start(kPage);
        QTimer::singleShot(0, this, [this] {
            zn::structure::ui::TMapForm& editor = commands_->MapForm();
            prompter_.inputs = {"b"};
            QVERIFY(editor.NewArea());
            editor.TypeR->button(2)->click();
            editor.CanvasPressed(TMouseButton::Left, 10, 10);
            editor.CanvasPressed(TMouseButton::Left, 13, 14);
            editor.OKButton->click();
        });
        commands_->Mapeditor1->trigger();
        const std::string written = Text();
        QVERIFY(written.find("<AREA ALT=\"b\" SHAPE=\"circle\" COORDS=\"10,10,4\" HREF=\"\">\r\n"
                             "</MAP>\r\n<P>end</P>") != std::string::npos);
        form_->ActiveEdit()->Undo();
        QCOMPARE(Text(), std::string(kPage));
    }

    void documentWithoutMapsIsTold() {
        Start("<P>no map</P>");
        commands_->Mapeditor1->trigger();
        QCOMPARE(prompter_.shown, std::vector<std::string>{"Žádná mapa nebyla definována!"});
    }

    void emptyMapAndWizardText() {
        Start("");
        prompter_.inputs = {"q"};
        commands_->ClickableMAP1->trigger();
        QCOMPARE(Text(), std::string("\r\n<MAP NAME=\"q\"></MAP>"));
        QTimer::singleShot(0, this, [this] {
            zn::structure::ui::TMapWizard& wizard = commands_->MapWizard();
            wizard.IMG->setText(QStringLiteral("pic.gif"));
            wizard.Name->setText(QStringLiteral("w"));
            // The editor opens on the new map next; its picture exists, so it stays open.
            RejectMapFormWhenShown();
            wizard.accept();
        });
        commands_->Mapwizard1->trigger();
        QVERIFY(Text().find("<A HREF=\" \"><IMG SRC=\"pic.gif\" WIDTH=\"32\" HEIGHT=\"32\" "
                            "USEMAP=\"#w\" ISMAP></A>\r\n<MAP NAME=\"w\">\r\n</MAP>\r\n") !=
                std::string::npos);
    }
};

QTEST_MAIN(TestMapCommands)
#include "test_mapcommands.moc"
