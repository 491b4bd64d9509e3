// Running the thumbnail workers behind a modal progress window.
#include "structure/ui/GalleryProgress.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <thread>

namespace zn::structure::ui {

GalleryProgress::GalleryProgress(int total, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("GalleryProgress"));
    setWindowTitle(QStringLiteral("Vytváří se náhledy ..."));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    Label = new QLabel(QStringLiteral("Vytváří se náhledy ..."), this);
    layout->addWidget(Label);
    Bar = new QProgressBar(this);
    Bar->setRange(0, std::max(1, total));
    Bar->setValue(0);
    Bar->setFormat(QStringLiteral("%v / %m"));
    layout->addWidget(Bar);
    StornoBtn = new QPushButton(QStringLiteral("Storno"), this);
    StornoBtn->setObjectName(QStringLiteral("StornoBtn"));
    layout->addWidget(StornoBtn, 0, Qt::AlignHCenter);
    connect(StornoBtn, &QPushButton::clicked, this, &GalleryProgress::Stop);
    resize(360, sizeHint().height());
}

void GalleryProgress::Stop() {
    if (stop_.request_stop()) {
        Label->setText(QStringLiteral("Vytváření náhledů se přerušuje ..."));
        StornoBtn->setEnabled(false);
    }
}

void GalleryProgress::reject() {
    // Escape and closing the window stop the run like "Storno"; the window closes when the
    // workers have stopped.
    Stop();
}

void GalleryProgress::SetDone(int done) {
    Bar->setValue(done);
}

std::vector<TThumbnailResult> GalleryProgress::Run(QWidget* parent,
                                                   const std::vector<TThumbnailJob>& jobs,
                                                   int maxWidth, int maxHeight, bool& cancelled) {
    GalleryProgress window(int(jobs.size()), parent);
    std::vector<TThumbnailResult> results;
    std::jthread worker;
    QTimer::singleShot(0, &window, [&] {
        worker = std::jthread([&] {
            results = MakeThumbnails(
                jobs, maxWidth, maxHeight,
                [&window](int done, int) {
                    QMetaObject::invokeMethod(
                        &window, [&window, done] { window.SetDone(done); }, Qt::QueuedConnection);
                },
                window.stop_.get_token());
            // Posted after every progress report, so it is handled last.
            QMetaObject::invokeMethod(
                &window, [&window] { window.QDialog::done(QDialog::Accepted); },
                Qt::QueuedConnection);
        });
        emit window.Started();
    });
    window.exec();
    if (worker.joinable())
        worker.join();
    cancelled = window.StopRequested();
    return results;
}

} // namespace zn::structure::ui
