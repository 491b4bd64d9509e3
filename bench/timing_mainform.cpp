// Timing of the main window (run with QT_QPA_PLATFORM=offscreen): building and first showing,
// opening many documents, and the 200 ms periodic update with them open.
#include "app/SettingsKeys.h"
#include "app/SettingsStore.h"
#include "app/ui/TMDIChild.h"
#include "app/ui/TMainForm.h"
#include "base/Prompter.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

using namespace zn::app;
using namespace zn::app::ui;

namespace {

constexpr int kDocuments = 30;
constexpr int kTicks = 500;

double Ms(const QElapsedTimer& timer) {
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString storePath = dir.filePath(QStringLiteral("settings.sqlite"));
    {
        SettingsStore seed(storePath.toStdString());
        seed.WriteInteger(KVHTMLKey, "SaveInfo", 1);
        seed.WriteString(KVHTMLKey, "Version", VersionText);
    }
    QFile sample(QStringLiteral(ZN_DATA_DIR "/sample.html"));
    sample.open(QIODevice::ReadOnly);
    const QByteArray page = sample.readAll();
    QStringList files;
    for (int i = 0; i < kDocuments; ++i) {
        const QString name = dir.filePath(QStringLiteral("page%1.html").arg(i));
        QFile file(name);
        file.open(QIODevice::WriteOnly);
        file.write(page.repeated(20));
        files.push_back(name);
    }

    SettingsStore store(storePath.toStdString());
    zn::base::ScriptedPrompter prompter;
    QElapsedTimer timer;
    timer.start();
    auto form = std::make_unique<TMainForm>(store);
    form->SetPrompter(&prompter);
    form->SetCommandLine({"/no/such/file.html"});
    form->show();
    while (!form->FirstShowDone())
        QCoreApplication::processEvents();
    std::printf("main window built and shown: %.1f ms\n", Ms(timer));

    timer.restart();
    form->OpenFiles(files);
    QCoreApplication::processEvents();
    std::printf("%d documents of %lld KB opened: %.1f ms (%.2f ms each)\n", kDocuments,
                static_cast<long long>(page.size() * 20 / 1024), Ms(timer), Ms(timer) / kDocuments);

    form->PeriodicUpdate();
    timer.restart();
    for (int i = 0; i < kTicks; ++i)
        form->PeriodicUpdate();
    std::printf("periodic update with %d documents: %.3f ms per tick (every 200 ms)\n", kDocuments,
                Ms(timer) / kTicks);

    timer.restart();
    form->CloseAll();
    QCoreApplication::processEvents();
    std::printf("closing %d documents: %.1f ms\n", kDocuments, Ms(timer));
    form.reset();
    return 0;
}
