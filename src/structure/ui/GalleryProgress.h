// The progress window of the gallery: thumbnails are made on worker threads while it shows how
// many are done; its "Storno" stops them after the pictures in hand.
#pragma once

#include "structure/GalleryThumbnails.h"

#include <QDialog>

#include <stop_token>
#include <vector>

class QLabel;
class QProgressBar;
class QPushButton;

namespace zn::structure::ui {

class GalleryProgress : public QDialog {
    Q_OBJECT

public:
    GalleryProgress(int total, QWidget* parent = nullptr);

    /// Makes the thumbnails while the window is shown modally and returns a result per job.
    /// `cancelled` tells whether the user stopped the run (the results of the pictures not
    /// started are then Cancelled). The window closes only when every worker has stopped.
    static std::vector<TThumbnailResult> Run(QWidget* parent,
                                             const std::vector<TThumbnailJob>& jobs, int maxWidth,
                                             int maxHeight, bool& cancelled);

    /// "Storno": no new picture is started; the window stays until the workers stop.
    void Stop();
    bool StopRequested() const { return stop_.stop_requested(); }

    QLabel* Label;
    QProgressBar* Bar;
    QPushButton* StornoBtn;

signals:
    /// Shown (for tests) when the run starts.
    void Started();

protected:
    void reject() override;

private:
    void SetDone(int done);

    std::stop_source stop_;
};

} // namespace zn::structure::ui
