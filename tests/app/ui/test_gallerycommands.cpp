// The gallery wizard in a running main window: pictures added, a schema stored and chosen
// again, thumbnails made behind the progress window, the table inserted, and "Storno".
#include "app/GallerySchemas.h"
#include "app/ui/GalleryCommands.h"
#include "base/Cp1250.h"
#include "structure/JpegFile.h"
#include "structure/ui/GalleryProgress.h"
#include "structure/ui/TPicGalleryForm.h"

#include <QComboBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <QTreeWidget>

#include "MainFormRun.h"

using namespace zn::app::ui;
using zn::structure::ui::GalleryProgress;
using zn::structure::ui::TPicGalleryForm;

class TestGalleryCommands : public QObject, protected zn::test::MainFormRun {
    Q_OBJECT

    GalleryCommands& Start() {
        MainFormRun::Start({Put(QStringLiteral("web/page.html"), "").toStdString()});
        return *form_->findChild<GalleryCommands*>();
    }
    QString Text() {
        return QString::fromStdString(zn::base::Cp1250ToUtf8(form_->ActiveEdit()->Model().Text()));
    }
    QString Photo(const QString& name, int width, int height) {
        const QString file = Put(name);
        zn::structure::JpegSaveFile(zn::structure::TRgbImage(width, height), file.toStdString());
        return file;
    }

private slots:
    void init() { prompter_ = zn::base::ScriptedPrompter(); }
    void cleanup() { StopAndForget(); }

    void generatesThumbnailsAndTheTable() {
        GalleryCommands& gallery = Start();
        TPicGalleryForm& wizard = gallery.PicGalleryForm();
        const QString broken = Put(QStringLiteral("web/foto/Zlý.jpg"), "not a jpeg");
        wizard.AskPictures = [&] {
            return QStringList{Photo(QStringLiteral("web/foto/Léto.jpg"), 400, 200), broken};
        };
        QTimer::singleShot(0, &wizard, [&] {
            wizard.AddSB->click();
            QCOMPARE(wizard.ListView1->topLevelItemCount(), 2);
            QCOMPARE(wizard.NahledEdit->text(), QStringLiteral("foto/Létoicon.jpg"));
            wizard.TextEdit->setText(QStringLiteral("Moře"));
            emit wizard.TextEdit->textEdited(QStringLiteral("Moře"));
            wizard.Edits[9]->setValue(1);
            wizard.schemacombo->setEditText(QStringLiteral("Úzká"));
            wizard.SaveBtn->click();
            wizard.SetSchema({});
            wizard.schemacombo->textActivated(QStringLiteral("Úzká"));
            QCOMPARE(wizard.Schema().PocetSloupcu, 1);
            wizard.GenerateBtn->click();
        });
        gallery.KouzelnkproObrzkovougalerii1->trigger();
        QCOMPARE(zn::app::LoadGallerySchema(*store_, "Úzká").PocetSloupcu, 1);
        QCOMPARE(zn::structure::JpegFileSize(
                     File(QStringLiteral("web/foto/Létoicon.jpg")).toStdString()),
                 (zn::structure::TPictureSize{100, 50}));
        const QString text = Text();
        QVERIFY2(
            text.contains(QStringLiteral("<TD ALIGN=center VALIGN=middle  BGCOLOR=#808080 "
                                         "WIDTH=120 HEIGHT=70><A HREF=\"foto/Léto.jpg\"><IMG "
                                         "SRC=\"foto/Létoicon.jpg\" WIDTH=100 HEIGHT=50></A>")),
            qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("<A HREF=\"foto/Léto.jpg\">Moře</A>")));
        QVERIFY(text.contains(QStringLiteral("<IMG SRC=\"foto/Zlýicon.jpg\">")));
        QVERIFY(!QFile::exists(File(QStringLiteral("web/foto/Zlýicon.jpg"))));
        QCOMPARE(prompter_.shown.size(), std::size_t(1));
        QVERIFY(QString::fromStdString(prompter_.shown[0]).contains(broken));
        form_->ActiveEdit()->Undo();
        QCOMPARE(Text(), QString());
    }

    void stornoStopsTheRunAndWritesNoTable() {
        GalleryCommands& gallery = Start();
        std::vector<zn::structure::TGalleryPicture> pictures;
        for (int i = 0; i < 40; ++i) {
            const QString name = QStringLiteral("web/p%1.jpg").arg(i);
            Photo(name, 1600, 1200);
            pictures.push_back({name.mid(4).toStdString(),
                                {},
                                {},
                                QStringLiteral("p%1t.jpg").arg(i).toStdString()});
        }
        int cancelled = 0;
        gallery.RunThumbnails = [&](const auto& jobs, int width, int height, bool& stopped) {
            // "Storno" once the first thumbnails are written.
            QTimer poll;
            poll.setInterval(1);
            QObject::connect(&poll, &QTimer::timeout, [&] {
                auto* shown = form_->findChild<GalleryProgress*>();
                if (shown && shown->Bar->value() > 0 && shown->StornoBtn->isEnabled())
                    shown->StornoBtn->click();
            });
            poll.start();
            auto results = GalleryProgress::Run(form_.get(), jobs, width, height, stopped);
            cancelled = int(std::count_if(results.begin(), results.end(), [](const auto& r) {
                return r.Status == zn::structure::TThumbnailStatus::Cancelled;
            }));
            return results;
        };
        QVERIFY(!gallery.Generate(pictures, {}));
        QVERIFY(cancelled > 0);
        QCOMPARE(Text(), QString());
        QCOMPARE(prompter_.shown.size(), std::size_t(1));
        const QString message = QString::fromStdString(prompter_.shown[0]);
        QCOMPARE(message.count(QStringLiteral("t.jpg")), 40 - cancelled);
    }
};

QTEST_MAIN(TestGalleryCommands)
#include "test_gallerycommands.moc"
