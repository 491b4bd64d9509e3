// The style windows: the rule editor's pages, automatic units, colour panels and the notice of
// dropped properties; the selector's rule list; the new-rule dialog's name lists.
#include "structure/ui/StyleColorPanel.h"
#include "structure/ui/TStylSelForm.h"
#include "structure/ui/TStyleForm.h"
#include "structure/ui/TTypStylu.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

using namespace zn::structure;
using namespace zn::structure::ui;

class TestStyleForms : public QObject {
    Q_OBJECT

private slots:
    void pagesAndTheRuleWrittenBack() {
        TStyleForm form;
        QCOMPARE(form.windowTitle(), QStringLiteral("Editor Stylů"));
        QStringList pages;
        for (int i = 0; i < form.Pages->count(); ++i) {
            pages << form.Pages->tabText(i);
        }
        QCOMPARE(pages, (QStringList{"&Písmo", "Po&zadí", "&Blok", "B&ox", "&Okraj", "&List",
                                     "&Umístění", "&Rozšíření"}));
        form.Prepare("font-size: 12px; color: #FF0000");
        QVERIFY(form.DroppedL->isHidden());
        QCOMPARE(form.As<QComboBox>("UnitsSizeCB")->currentText(), QStringLiteral("px"));
        QCOMPARE(form.CssText(), std::string(" font-size: 12px; color: #FF0000;"));

        form.Prepare("outline: 1px; color: rgb(0, 0, 255)");
        QVERIFY(!form.DroppedL->isHidden());
        QVERIFY(form.DroppedL->text().endsWith(QStringLiteral(": outline")));
        QCOMPARE(form.As<TStyleColorPanel>("FontColorPanel")->text(),
                 QStringLiteral("rgb(0, 0, 255)"));
        QCOMPARE(form.As<TStyleColorPanel>("BkgColorPanel")->text(), QStringLiteral("žádná"));
        QCOMPARE(form.CssText(), std::string(" color: rgb(0, 0, 255);"));
    }

    void typedValuesSetTheirUnits() {
        TStyleForm form;
        form.Prepare("");
        const std::tuple<const char*, const char*, const char*, const char*> typed[] = {
            {"SizeCB", "UnitsSizeCB", "14", "px"},
            {"SizeCB", "UnitsSizeCB", "larger", ""},
            {"Indent", "IndentUnitsCB", "3", "px"},
            {"LClipCB", "LCuCB", "auto", ""}};
        for (const auto& [value, units, text, unit] : typed) {
            auto* combo = form.As<QComboBox>(value);
            QLineEdit* edit = combo != nullptr ? combo->lineEdit() : form.As<QLineEdit>(value);
            edit->clear();
            QTest::keyClicks(edit, QString::fromLatin1(text));
            QCOMPARE(form.As<QComboBox>(units)->currentText(), QString::fromLatin1(unit));
        }
        // The box width and the positioning width are one property.
        QTest::keyClicks(form.As<QComboBox>("BWidthCB")->lineEdit(), "20");
        QCOMPARE(form.As<QComboBox>("WidthCB")->currentText(), QStringLiteral("20"));
        QCOMPARE(form.CssText(), std::string(" font-size: larger; text-indent: 3px; width: 20px;"
                                             " clip: rect(   auto);"));
    }

    void colourPanelsAskTheColourEditor() {
        TStyleForm form;
        std::string asked;
        form.ChooseColor = [&asked](const std::string& shown) {
            asked = shown;
            return std::optional<std::string>("#00FF00");
        };
        form.Prepare("color: #f00; background-color: Navy");
        auto* panel = form.As<TStyleColorPanel>("FontColorPanel");
        QTest::mouseClick(form.As<TStyleColorPanel>("BkgColorPanel"), Qt::LeftButton);
        QCOMPARE(asked, std::string("#000080"));
        QTest::mouseClick(panel, Qt::LeftButton);
        QCOMPARE(panel->text(), QString());
        QCOMPARE(form.CssText(), std::string(" color: #00FF00; background-color: #00FF00;"));
    }

    void selectorAddsEditsAndDeletes() {
        TStylSelForm form;
        QCOMPARE(form.windowTitle(), QStringLiteral("Výběr stylu"));
        form.Prepare({{"P", "color: red"}, {".a", ""}});
        QCOMPARE(form.StylLB->currentRow(), 0);
        std::vector<std::pair<TStyleKind, std::string>> asked{{TStyleKind::Own, "abc"},
                                                              {TStyleKind::Own, "a"}};
        form.AskNewRule = [&asked]() -> std::optional<std::pair<TStyleKind, std::string>> {
            auto next = asked.front();
            asked.erase(asked.begin());
            return next;
        };
        form.EditBody = [](const std::string& body) {
            return std::optional<std::string>(body + "!");
        };
        form.Button1->click();
        QCOMPARE(form.StylLB->currentItem()->text(), QStringLiteral(".abc"));
        form.Button1->click(); // already listed: only selected
        QCOMPARE(form.StylLB->count(), 3);
        QCOMPARE(form.StylLB->currentRow(), 1);
        QTest::keyClick(form.StylLB, Qt::Key_Delete);
        QCOMPARE(form.StylLB->currentItem()->text(), QStringLiteral(".abc"));
        form.StylLB->setCurrentRow(0);
        QTest::keyClick(form.StylLB, Qt::Key_Return);
        QCOMPARE(form.Styles(), (StyleList{{"P", "color: red!"}, {".abc", ""}}));
        form.Prepare({});
        QVERIFY(!form.EditBut->isEnabled() && !form.DelBut->isEnabled());
    }

    void newRuleNamesAndAMissingList() {
        zn::base::ScriptedPrompter prompter;
        TTypStylu dialog(prompter);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Nový styl"));
        dialog.DataFolder = ZN_DATA_DIR;
        dialog.SetKind(TStyleKind::Tag);
        QVERIFY(dialog.StylName->findText(QStringLiteral("BLOCKQUOTE")) >= 0);
        dialog.SetKind(TStyleKind::Own);
        QCOMPARE(dialog.StylName->count(), 0);
        dialog.DataFolder = "/nonexistent";
        dialog.SetKind(TStyleKind::Selector);
        QCOMPARE(dialog.StylName->count(), 0);
        QCOMPARE(prompter.shown.size(), std::size_t(1));
        QVERIFY(prompter.shown[0].find("/nonexistent/custom/sstyles.txt") != std::string::npos);
    }
};

QTEST_MAIN(TestStyleForms)
#include "test_TStyleForm.moc"
