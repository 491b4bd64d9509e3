// The dialog "Kouzelník pro obrazovou galerii": the picture list with its link, caption and
// thumbnail, the look of the gallery (the schema) and its preview.
#pragma once

#include "base/Links.h"
#include "base/Prompter.h"
#include "structure/GalleryLayout.h"

#include <QDialog>
#include <QImage>

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QSlider;
class QSpinBox;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace zn::structure::ui {

class GalleryPreview;

class TPicGalleryForm : public QDialog {
    Q_OBJECT

public:
    TPicGalleryForm(base::Prompter& prompter, QWidget* parent = nullptr);

    /// The entries of the list in order.
    std::vector<TGalleryPicture> Pictures() const;
    /// Adds the pictures (full file names) with links made under `Links`.
    void AddFiles(const QStringList& fileNames);
    /// The schema the controls show, and putting one into them.
    TGallerySchema Schema() const;
    void SetSchema(const TGallerySchema& schema);
    /// Fills the schema list again (before each showing).
    void Prepare();

    /// Links of added pictures are made for this document and these settings.
    base::LinkSettings Links;
    /// The picture open dialog: the chosen full file names.
    std::function<QStringList()> AskPictures;
    /// The colour editor: a new "#RRGGBB" text, nothing on Storno.
    std::function<std::optional<std::string>(const std::string& color)> EditColor;
    /// The stored schemas.
    std::function<std::vector<std::string>()> SchemaNames;
    std::function<TGallerySchema(const std::string& name)> LoadSchema;
    std::function<bool(const std::string& name, const TGallerySchema& schema)> SaveSchema;
    std::function<bool(const std::string& name)> DeleteSchema;

    /// Run-time patterns, kept while the program runs.
    std::string ThumbnailPattern{kThumbnailPattern};
    std::string CaptionPattern{kCaptionPattern};

    QTreeWidget* ListView1;
    QToolButton* AddSB;
    QToolButton* DelSB;
    QToolButton* SelectAllSB;
    QToolButton* GroupSB;
    QLineEdit* OdkazEdit;
    QLineEdit* TextEdit;
    QLineEdit* NahledEdit;
    /// Edit1 ... Edit10 in the order of the schema's integers.
    std::array<QSpinBox*, 10> Edits{};
    QCheckBox* CheckBox1;
    QCheckBox* CheckBox2;
    QCheckBox* BorderChB;
    QCheckBox* BoldChB;
    QCheckBox* ItalChb;
    QSlider* TrackBar1;
    QComboBox* FaceCB;
    QPushButton* FontColor;
    QComboBox* schemacombo;
    QPushButton* SaveBtn;
    QPushButton* DS;
    GalleryPreview* Preview;
    QPushButton* GenerateBtn;

    /// "Soubory náhledů ..." and "Očíslovat titulky ..." on the selected entries.
    void ThumbnailNames();
    void NumberCaptions();
    void DeleteSelected();

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    enum Column { ColPicture, ColLink, ColCaption, ColThumbnail };
    void BuildList(QWidget* owner);
    QWidget* BuildSchemaControls();
    void SelectionChanged();
    void EntryEdited(Column column, const QString& text);
    void SchemaChanged();
    void ChooseColor(base::TColor& color);
    void SaveBtnClick();
    void DSClick();
    void SchemaChosen(const QString& name);
    void UpdatePreview();
    QTreeWidgetItem* CurrentEntry() const;
    QList<QTreeWidgetItem*> SelectedEntries() const;

    base::Prompter& prompter_;
    TGallerySchema colors_; ///< holds the four colours; the rest lives in the controls
    bool filling_ = false;  ///< controls are being filled: their change handlers keep still
    QImage picture_;        ///< the selected picture as the preview shows it
    QString pictureKey_;    ///< file and size that picture_ was made for
};

} // namespace zn::structure::ui
