// The Go-to-picture dialog: its entries, the item height and the caret position it returns.
#include "structure/ui/TGOTOIMGForm.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

using namespace zn;
using namespace zn::structure;

class TestGotoImg : public QObject {
    Q_OBJECT

private slots:
    void entriesAndChosenPosition() {
        ui::TGOTOIMGForm form;
        QCOMPARE(form.windowTitle(), QStringLiteral("Jít na obrázek"));
        const std::string text = "<p><img src=\"pic[1].gif\"> <img alt=x>";
        const TStructure found = ScanStructure(text);
        form.Fill(found.Pictures, "", true); // no file exists: entries without pictures
        QCOMPARE(form.ImageLB->count(), 2);
        QCOMPARE(form.ImageLB->item(1)->text(),
                 QStringLiteral("Unnamed picture[%1]").arg(text.find("<img alt") + 3));
        QVERIFY(!form.ChosenPosition().has_value());

        form.ImageLB->setCurrentRow(0);
        QTimer::singleShot(0, &form, [&form] {
            form.findChild<QDialogButtonBox*>()->buttons().constFirst()->click();
        });
        QCOMPARE(form.exec(), int(QDialog::Accepted));
        // Just after the "<" of the first picture, although its name holds a "[".
        QCOMPARE(form.ChosenPosition(), std::optional<editor::Position>(text.find("<img") + 1));
    }

    void itemHeightChangesAtOnce() {
        ui::TGOTOIMGForm form;
        form.Fill({{"a.gif", 2}, {"b.gif", 9}}, "", false);
        form.show();
        QCOMPARE(form.UpDown1->value(), 32);
        QCOMPARE(form.ImageLB->visualItemRect(form.ImageLB->item(0)).height(), 32);
        form.UpDown1->setValue(60);
        QCOMPARE(form.ImageLB->visualItemRect(form.ImageLB->item(1)).height(), 60);
        form.UpDown1->setValue(5);
        QCOMPARE(form.UpDown1->value(), 18);
    }
};

QTEST_MAIN(TestGotoImg)
#include "test_TGOTOIMGForm.moc"
