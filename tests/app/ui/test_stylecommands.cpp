// The style editor in a running main window: a rule of the style block edited on two pages and
// written back as one undoable change; the Tag Inspector's STYLE button on an inline style.
#include "app/ui/StyleCommands.h"
#include "app/ui/TagPanelBridge.h"
#include "structure/ui/TStylSelForm.h"
#include "structure/ui/TStyleForm.h"
#include "tags/ui/TagPanelPanels.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

#include "MainFormRun.h"

using namespace zn::app::ui;

namespace {

const char* const kPage = "<HTML><HEAD><STYLE TYPE=\"text/css\">\r\n<!--\r\nP {color: red; "
                          "outline: 1px}\r\n-->\r\n</STYLE></HEAD>\r\n<BODY><P STYLE=\"color: "
                          "blue\">x</P></BODY></HTML>";

} // namespace

class TestStyleCommands : public QObject, protected zn::test::MainFormRun {
    Q_OBJECT

    StyleCommands* commands_ = nullptr;

    std::string Text() { return form_->ActiveEdit()->Model().Text(); }
    void Start() {
        MainFormRun::Start({Put(QStringLiteral("page.html"), kPage).toStdString()});
        commands_ = form_->findChild<StyleCommands*>();
        QVERIFY(commands_);
    }

private slots:
    void init() { prompter_ = zn::base::ScriptedPrompter(); }
    void cleanup() { StopAndForget(); }

    void ruleEditedOnTwoPagesIsOneUndoStep() {
        Start();
        QString notice;
        QTimer::singleShot(0, this, [this, &notice] {
            zn::structure::ui::TStylSelForm& selector = commands_->SelForm();
            QTimer::singleShot(0, this, [this, &notice] {
                zn::structure::ui::TStyleForm& editor = commands_->StyleForm();
                notice = editor.DroppedL->text();
                editor.As<QComboBox>("SizeCB")->setEditText(QStringLiteral("14"));
                editor.Pages->setCurrentIndex(3);
                editor.As<QComboBox>("BMtopCB")->setEditText(QStringLiteral("2"));
                editor.accept();
            });
            selector.EditClick();
            selector.accept();
        });
        commands_->EditorCSSstyl1->trigger();
        QVERIFY(notice.endsWith(QStringLiteral("outline")));
        QVERIFY(Text().find("\r\nP { font-size: 14px; color: #FF0000; margin-top: 2px;}\r\n") !=
                std::string::npos);
        QCOMPARE(form_->Structure.Styles.size(), std::size_t(1));
        form_->ActiveEdit()->Undo();
        QCOMPARE(Text(), std::string(kPage));
    }

    void styleButtonRewritesTheInlineStyle() {
        Start();
        const std::string page = kPage;
        form_->Inspector->Inspector().StylySB()->setChecked(true); // attributes and styles
        form_->ActiveEdit()->Model().SetCaret(page.find("<P STYLE") + 2);
        QCoreApplication::processEvents();
        zn::tags::ui::TInspectorPanels& panels = form_->Inspector->Inspector().Panels();
        QCOMPARE(panels.TextOf("StyleEdit"), std::string("color: blue"));
        QTimer::singleShot(0, this, [this] {
            zn::structure::ui::TStyleForm& editor = commands_->StyleForm();
            editor.As<QCheckBox>("Underline")->setChecked(true);
            editor.accept();
        });
        panels.As<QPushButton>("SpeedButton12")->click();
        QVERIFY(Text().find("<P STYLE=\" color: #0000FF; text-decoration:  underline;\">") !=
                std::string::npos);
    }
};

QTEST_MAIN(TestStyleCommands)
#include "test_stylecommands.moc"
