// The gallery wizard as a main-window command: schemas from the settings store, thumbnails
// behind the progress window, the table into the active document.
#include "app/ui/GalleryCommands.h"

#include "app/GallerySchemas.h"
#include "app/SettingsKeys.h"
#include "app/ui/FormStores.h"
#include "app/ui/TMainForm.h"
#include "app/ui/TagPanelBridge.h"
#include "base/Links.h"
#include "base/ui/LinkDialogs.h"
#include "editor/THTMLRichEdit.h"
#include "structure/ui/GalleryProgress.h"
#include "structure/ui/TPicGalleryForm.h"
#include "tags/ui/TColorForm.h"
#include "tags/ui/TagPanelWriters.h"

#include <QAction>
#include <QFileDialog>
#include <QMenu>

namespace zn::app::ui {

using structure::TThumbnailStatus;
using structure::ui::TPicGalleryForm;

GalleryCommands::GalleryCommands(TMainForm& main) : QObject(&main), main_(main) {
    setObjectName(QStringLiteral("GalleryCommands"));
}

GalleryCommands::~GalleryCommands() = default;

void GalleryCommands::Install() {
    KouzelnkproObrzkovougalerii1 =
        main_.AddCommand(main_.Menu(MainMenuId::Funkce),
                         {"KouzelnkproObrzkovougalerii1",
                          "Kouzelník pro Obrázkovou galerii...",
                          {},
                          "Kouzelník pro obrazovou galerii|Vloží tabulku s náhledy obrázků",
                          EnableRule::DocumentOpen},
                         [this] { KouzelnkproObrzkovougalerii1Click(); });
}

TPicGalleryForm& GalleryCommands::PicGalleryForm() {
    if (!form_) {
        form_ = new TPicGalleryForm(main_.HostPrompter(), &main_);
        formState_ = std::make_unique<FormState>(form_, GalleryWizardStore, main_.HostStore());
        formState_->AddDialog(QStringLiteral("KvOpenPictureDialog1"), pictureDialog_);
        formState_->Restore();
        SettingsStore& store = main_.HostStore();
        store.CreateKey(SchemaKey);
        form_->SchemaNames = [&store] { return GallerySchemaNames(store); };
        form_->LoadSchema = [&store](const std::string& name) {
            return LoadGallerySchema(store, name);
        };
        form_->SaveSchema = [&store](const std::string& name,
                                     const structure::TGallerySchema& schema) {
            return SaveGallerySchema(store, name, schema);
        };
        form_->DeleteSchema = [&store](const std::string& name) {
            return DeleteGallerySchema(store, name);
        };
        form_->AskPictures = [this] { return AskPictures(); };
        form_->EditColor = [this](const std::string& color) -> std::optional<std::string> {
            if (main_.Inspector == nullptr)
                return std::nullopt;
            return main_.Inspector->Inspector().Writers().ColorForm().Edit(color);
        };
    }
    return *form_;
}

QStringList GalleryCommands::AskPictures() {
    QFileDialog dialog(form_, QStringLiteral("Přidat obrázky"));
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setNameFilters({QStringLiteral("Web obrázek (*.jpg *.jpeg *.gif)"),
                           QStringLiteral("JPEG obrázek (*.jpg *.jpeg)"),
                           QStringLiteral("GIF obrázek (*.gif)")});
    // Without a remembered picture the dialog starts in the document's folder.
    if (pictureDialog_.FileName.isEmpty())
        pictureDialog_.InitialDir =
            QString::fromStdString(base::DocumentFolder(main_.DocumentFileName()));
    pictureDialog_.ApplyTo(dialog);
    pictureDialog_.InitialDir.clear();
    if (dialog.exec() != QDialog::Accepted)
        return {};
    pictureDialog_.TakeFrom(dialog);
    return dialog.selectedFiles();
}

void GalleryCommands::KouzelnkproObrzkovougalerii1Click() {
    if (!main_.ActiveEdit())
        return;
    TPicGalleryForm& form = PicGalleryForm();
    form.Links = main_.LinkSettings();
    form.Prepare();
    if (form.exec() != QDialog::Accepted)
        return;
    const std::vector<structure::TGalleryPicture> pictures = form.Pictures();
    if (!pictures.empty())
        Generate(pictures, form.Schema());
}

bool GalleryCommands::Generate(const std::vector<structure::TGalleryPicture>& pictures,
                               const structure::TGallerySchema& schema) {
    const std::string document = main_.DocumentFileName();
    std::vector<structure::TThumbnailJob> jobs;
    for (const structure::TGalleryPicture& picture : pictures)
        jobs.push_back({base::LinkToFileName(picture.Picture, document),
                        base::LinkToFileName(picture.Thumbnail, document)});
    bool cancelled = false;
    const std::vector<structure::TThumbnailResult> results =
        RunThumbnails ? RunThumbnails(jobs, schema.SirkaNahledu, schema.VyskaNahledu, cancelled)
                      : structure::ui::GalleryProgress::Run(&main_, jobs, schema.SirkaNahledu,
                                                            schema.VyskaNahledu, cancelled);
    std::string written;
    std::string skipped;
    std::vector<std::optional<structure::TPictureSize>> sizes;
    for (std::size_t i = 0; i < results.size(); ++i) {
        sizes.push_back(results[i].Size);
        if (results[i].Status == TThumbnailStatus::Written)
            written += "\n" + jobs[i].Target;
        else if (results[i].Status == TThumbnailStatus::Skipped)
            skipped += "\n" + results[i].Message;
    }
    if (cancelled) {
        main_.HostPrompter().Tell(
            "Vytváření náhledů bylo přerušeno, tabulka galerie nebyla vložena." +
                (written.empty() ? std::string() : "\nVytvořené náhledy zůstaly:" + written),
            base::Severity::Warning);
        return false;
    }
    // The document may have closed while the thumbnails were made.
    if (main_.ActiveEdit() != nullptr)
        main_.InsertIntoActive(structure::GalleryTableText(pictures, sizes, schema,
                                                           main_.HostSettings().UpperCaseTags));
    if (!skipped.empty())
        main_.HostPrompter().Tell("Tyto náhledy nebyly vytvořeny:" + skipped,
                                  base::Severity::Warning);
    return true;
}

} // namespace zn::app::ui
