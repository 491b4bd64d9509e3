// The picture gallery command of the main window: "Kouzelník pro Obrázkovou galerii...".
#pragma once

#include "app/ui/FormState.h"
#include "structure/GalleryLayout.h"
#include "structure/GalleryThumbnails.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>
#include <vector>

class QAction;

namespace zn::structure::ui {
class TPicGalleryForm;
}

namespace zn::app::ui {

class TMainForm;

/// Owns the gallery wizard (made on first use and kept with its picture list until the program
/// ends). After "&Generovat" the thumbnails are made on worker threads behind a progress window
/// and the table is inserted into the document active at that moment, as one undo step; a run
/// stopped with "Storno" inserts nothing.
class GalleryCommands : public QObject {
    Q_OBJECT

public:
    explicit GalleryCommands(TMainForm& main);
    ~GalleryCommands() override;

    /// The item in "Funkce".
    void Install();

    void KouzelnkproObrzkovougalerii1Click();
    /// Makes the thumbnails and inserts the table; false when the user stopped the run.
    bool Generate(const std::vector<structure::TGalleryPicture>& pictures,
                  const structure::TGallerySchema& schema);

    structure::ui::TPicGalleryForm& PicGalleryForm();

    /// Replaces the thumbnail run with its progress window (jobs, largest size -> results,
    /// cancelled), for tests.
    std::function<std::vector<structure::TThumbnailResult>(
        const std::vector<structure::TThumbnailJob>&, int, int, bool&)>
        RunThumbnails;

    QAction* KouzelnkproObrzkovougalerii1 = nullptr;

private:
    QStringList AskPictures();

    TMainForm& main_;
    QPointer<structure::ui::TPicGalleryForm> form_;
    std::unique_ptr<FormState> formState_;
    DialogMemory pictureDialog_; ///< `KvOpenPictureDialog1`
};

} // namespace zn::app::ui
