// The link operations with real dialogs: the URL box, file dialogs and associated icons.
#include "base/ui/LinkDialogs.h"
#include "base/ui/TAddUrl.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QImage>
#include <QLineEdit>
#include <QMimeDatabase>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace zn::base;
using namespace zn::base::ui;

namespace {

/// Runs `act` on the modal dialog as soon as it is shown.
void WhenModal(std::function<void(QWidget*)> act) {
    QTimer::singleShot(0, [act = std::move(act)] {
        QTRY_VERIFY(QApplication::activeModalWidget() != nullptr);
        act(QApplication::activeModalWidget());
    });
}

QPushButton* ButtonOf(QWidget* dialog, const QString& text) {
    for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
        if (button->text() == text) {
            return button;
        }
    }
    return nullptr;
}

void WriteFile(const QString& name, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(name).absolutePath());
    QFile file(name);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class TestLinkDialogs : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // Load the MIME database before the tests point the XDG folders elsewhere.
        QVERIFY(QMimeDatabase().mimeTypeForName(QStringLiteral("image/gif")).isValid());
    }

    void tAddUrlGivesTheEditedText() {
        QString caption;
        QString initial;
        WhenModal([&](QWidget* box) {
            caption = box->windowTitle();
            auto* edit = box->findChild<QLineEdit*>(QStringLiteral("URLEdit"));
            QVERIFY(edit != nullptr);
            initial = edit->text();
            edit->setText(QStringLiteral("b.gif"));
            QVERIFY(ButtonOf(box, QStringLiteral("Storno")) != nullptr);
            ButtonOf(box, QStringLiteral("OK"))->click();
        });
        const auto result =
            TAddUrl::Execute(nullptr, QString::fromUtf8(kRenameCaption), QStringLiteral("a.gif"));
        QCOMPARE(caption, QString::fromUtf8(kRenameCaption));
        QCOMPARE(initial, QStringLiteral("a.gif"));
        QCOMPARE(result, std::optional<QString>(QStringLiteral("b.gif")));

        WhenModal([](QWidget* box) { ButtonOf(box, QStringLiteral("Storno"))->click(); });
        QVERIFY(!TAddUrl::Execute(nullptr, QStringLiteral("přidat URL"), QString()));
    }

    void chooseLinkWithAFileDialog() {
        QTemporaryDir dir;
        WriteFile(dir.filePath("web/index.html"), "<HTML>");
        WriteFile(dir.filePath("web/img/a.gif"), "GIF");
        WriteFile(dir.filePath("web/img/b.gif"), "GIF");
        LinkSettings settings;
        settings.DocumentFileName = dir.filePath("web/index.html").toStdString();
        zn::base::ScriptedPrompter prompter;
        QFileDialog dialog;
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setFileMode(QFileDialog::ExistingFile);

        QString startFolder;
        WhenModal([&](QWidget* box) {
            auto* files = qobject_cast<QFileDialog*>(box);
            QVERIFY(files != nullptr);
            startFolder = files->directory().absolutePath();
            files->selectFile(dir.filePath("web/img/b.gif"));
            QMetaObject::invokeMethod(files, "accept");
        });
        QCOMPARE(ChooseLink(dialog, QStringLiteral("img/a.gif"), settings, prompter),
                 QStringLiteral("img/b.gif"));
        QCOMPARE(startFolder, QDir(dir.filePath("web/img")).absolutePath());

        WhenModal([](QWidget* box) { qobject_cast<QDialog*>(box)->reject(); });
        QCOMPARE(ChooseLink(dialog, QStringLiteral("http://example.cz/"), settings, prompter),
                 QStringLiteral("http://example.cz/"));
    }

    void associatedIconOfTheDefaultApplication() {
        QTemporaryDir dir;
        QImage picture(16, 16, QImage::Format_ARGB32);
        picture.fill(Qt::red);
        QVERIFY(QDir().mkpath(dir.filePath("icons")));
        QVERIFY(picture.save(dir.filePath("icons/viewer.png")));
        WriteFile(dir.filePath("data/applications/test-viewer.desktop"),
                  "[Desktop Entry]\nType=Application\nName=Viewer\nExec=/opt/viewer/view %f\n"
                  "Icon=" +
                      dir.filePath("icons/viewer.png").toUtf8() + "\n");
        WriteFile(dir.filePath("config/mimeapps.list"),
                  "[Default Applications]\nimage/gif=test-viewer.desktop\n");
        qputenv("XDG_CONFIG_HOME", dir.filePath("config").toUtf8());
        qputenv("XDG_CONFIG_DIRS", dir.filePath("no-config").toUtf8());
        qputenv("XDG_DATA_HOME", dir.filePath("data").toUtf8());
        qputenv("XDG_DATA_DIRS", dir.filePath("no-data").toUtf8());

        QString program;
        QIcon icon = AssociatedIcon(QStringLiteral("gif"), program);
        QCOMPARE(program, QStringLiteral("/opt/viewer/view"));
        QVERIFY(!icon.isNull());

        icon = AssociatedIcon(QStringLiteral("png"), program);
        QCOMPARE(program, QString::fromUtf8(kNoProgram));
        QVERIFY(icon.isNull());
        icon = AssociatedIcon(QStringLiteral("zzqqx"), program);
        QCOMPARE(program, QString::fromUtf8(kNoProgram));
        QVERIFY(icon.isNull());
    }
};

QTEST_MAIN(TestLinkDialogs)
#include "test_LinkDialogs.moc"
