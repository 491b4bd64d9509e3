// Qt's own dialogs and buttons speak Czech once the translations are installed.
#include "app/ui/CzechTranslations.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QtTest>

class TestCzechTranslations : public QObject {
    Q_OBJECT

private slots:
    void standardButtonsAndDialogsAreCzech() {
        QVERIFY(zn::app::ui::InstallCzechTranslations(*QCoreApplication::instance()));
        QDialogButtonBox box(QDialogButtonBox::Cancel | QDialogButtonBox::Save);
        const QString cancel = box.button(QDialogButtonBox::Cancel)->text();
        const QString save = box.button(QDialogButtonBox::Save)->text();
        QVERIFY2(cancel != QStringLiteral("&Cancel") && cancel != QStringLiteral("Cancel"),
                 qPrintable(cancel));
        QVERIFY2(save.contains(QStringLiteral("Uložit")), qPrintable(save));
        QCOMPARE(QCoreApplication::translate("QFileDialog", "Save As"),
                 QStringLiteral("Uložit jako"));
    }
};

QTEST_MAIN(TestCzechTranslations)
#include "test_czechtranslations.moc"
