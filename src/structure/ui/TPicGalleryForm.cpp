// The gallery wizard: binding the picture list, the schema controls and the preview.
#include "structure/ui/TPicGalleryForm.h"

#include "base/HtmlColor.h"
#include "structure/JpegFile.h"
#include "structure/PictureType.h"
#include "structure/ui/GalleryPreview.h"
#include "structure/ui/PictureImage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace zn::structure::ui {

namespace {

/// The integer controls: name, caption and schema member, in the order of Edit1 ... Edit10.
struct TIntControl {
    const char* Name;
    const char* Caption;
    int TGallerySchema::*Field;
};

const TIntControl kIntControls[10] = {
    {"Edit1", "Šíř&ka rámečku:", &TGallerySchema::SirkaRamecku},
    {"Edit2", "Výška &rámečku:", &TGallerySchema::VyskaRamecku},
    {"Edit3", "Max. šířka &náhledu:", &TGallerySchema::SirkaNahledu},
    {"Edit4", "Max. výška ná&hledu:", &TGallerySchema::VyskaNahledu},
    {"Edit5", "Výška titu&lku:", &TGallerySchema::VyskaTitulku},
    {"Edit6", "Horiz. vzdál. rámečků:", &TGallerySchema::HVR},
    {"Edit7", "Vert. vzdál. rámečků:", &TGallerySchema::VVR},
    {"Edit8", "Horiz. vzdál. od okraje:", &TGallerySchema::HVO},
    {"Edit9", "Vert. vzdál.od okraje:", &TGallerySchema::VVO},
    {"Edit10", "&Počet sloupců:", &TGallerySchema::PocetSloupcu},
};

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

std::string S(const QString& text) {
    return text.toStdString();
}

void PaintColorButton(QPushButton* button, base::TColor color) {
    const QString html = Q(base::ColorToHtml(color));
    button->setStyleSheet(QStringLiteral("background-color: %1;").arg(html));
    button->setToolTip(html);
}

QCheckBox* NewCheckBox(QWidget* parent, const char* name, const char* caption) {
    auto* box = new QCheckBox(QString::fromUtf8(caption), parent);
    box->setObjectName(QLatin1String(name));
    return box;
}

QToolButton* NewToolButton(QWidget* parent, const char* name, const char* caption) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setText(QString::fromUtf8(caption));
    return button;
}

} // namespace

TPicGalleryForm::TPicGalleryForm(base::Prompter& prompter, QWidget* parent)
    : QDialog(parent), prompter_(prompter) {
    setObjectName(QStringLiteral("PicGalleryForm"));
    setWindowTitle(QStringLiteral("Kouzelník pro obrazovou galerii "));
    setAcceptDrops(true);
    auto* layout = new QVBoxLayout(this);
    auto* columns = new QHBoxLayout();
    auto* left = new QWidget(this);
    BuildList(left);
    columns->addWidget(left, 3);
    columns->addWidget(BuildSchemaControls(), 2);
    layout->addLayout(columns, 1);
    auto* buttons = new QDialogButtonBox(this);
    GenerateBtn = buttons->addButton(QStringLiteral("&Generovat"), QDialogButtonBox::AcceptRole);
    GenerateBtn->setObjectName(QStringLiteral("GenerateBtn"));
    buttons->addButton(QStringLiteral("Storno"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    SetSchema(TGallerySchema{});
    resize(900, 560);
}

void TPicGalleryForm::BuildList(QWidget* owner) {
    auto* layout = new QVBoxLayout(owner);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* tools = new QHBoxLayout();
    AddSB = NewToolButton(owner, "AddSB", "Přidat ...");
    DelSB = NewToolButton(owner, "DelSB", "&Smazat");
    DelSB->setShortcut(Qt::CTRL | Qt::Key_D);
    SelectAllSB = NewToolButton(owner, "SelectAllSB", "Vybrat všechny");
    GroupSB = NewToolButton(owner, "GroupSB", "Skupinové operace");
    GroupSB->setPopupMode(QToolButton::InstantPopup);
    auto* group = new QMenu(GroupSB);
    group->addAction(QStringLiteral("Soubory náhledů ..."), this, &TPicGalleryForm::ThumbnailNames);
    group->addAction(QStringLiteral("Očíslovat titulky ..."), this,
                     &TPicGalleryForm::NumberCaptions);
    GroupSB->setMenu(group);
    for (QToolButton* button : {AddSB, DelSB, SelectAllSB, GroupSB})
        tools->addWidget(button);
    tools->addStretch(1);
    layout->addLayout(tools);
    ListView1 = new QTreeWidget(owner);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setHeaderLabels({QStringLiteral("Obrazek"), QStringLiteral("Odkaz"),
                                QStringLiteral("Titulek"), QStringLiteral("Nahled")});
    ListView1->setRootIsDecorated(false);
    ListView1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    ListView1->header()->setSectionResizeMode(QHeaderView::Interactive);
    layout->addWidget(ListView1, 1);
    auto* form = new QFormLayout();
    OdkazEdit = new QLineEdit(owner);
    OdkazEdit->setObjectName(QStringLiteral("OdkazEdit"));
    TextEdit = new QLineEdit(owner);
    TextEdit->setObjectName(QStringLiteral("TextEdit"));
    NahledEdit = new QLineEdit(owner);
    NahledEdit->setObjectName(QStringLiteral("NahledEdit"));
    form->addRow(QStringLiteral("Odkaz:"), OdkazEdit);
    form->addRow(QStringLiteral("Titulek:"), TextEdit);
    form->addRow(QStringLiteral("Soubor náhledu:"), NahledEdit);
    layout->addLayout(form);
    connect(AddSB, &QToolButton::clicked, this, [this] {
        if (AskPictures)
            AddFiles(AskPictures());
    });
    connect(DelSB, &QToolButton::clicked, this, &TPicGalleryForm::DeleteSelected);
    connect(SelectAllSB, &QToolButton::clicked, ListView1, &QTreeWidget::selectAll);
    connect(ListView1, &QTreeWidget::itemSelectionChanged, this,
            &TPicGalleryForm::SelectionChanged);
    connect(OdkazEdit, &QLineEdit::textEdited, this,
            [this](const QString& text) { EntryEdited(ColLink, text); });
    connect(TextEdit, &QLineEdit::textEdited, this,
            [this](const QString& text) { EntryEdited(ColCaption, text); });
    connect(NahledEdit, &QLineEdit::textEdited, this,
            [this](const QString& text) { EntryEdited(ColThumbnail, text); });
}

QWidget* TPicGalleryForm::BuildSchemaControls() {
    auto* panel = new QWidget(this);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* grid = new QGridLayout();
    for (int i = 0; i < 10; ++i) {
        Edits[i] = new QSpinBox(panel);
        Edits[i]->setObjectName(QLatin1String(kIntControls[i].Name));
        Edits[i]->setRange(0, 1000);
        auto* label = new QLabel(QString::fromUtf8(kIntControls[i].Caption), panel);
        label->setBuddy(Edits[i]);
        grid->addWidget(label, i % 5, (i / 5) * 2);
        grid->addWidget(Edits[i], i % 5, (i / 5) * 2 + 1);
        connect(Edits[i], &QSpinBox::valueChanged, this, &TPicGalleryForm::SchemaChanged);
    }
    layout->addLayout(grid);
    CheckBox1 = NewCheckBox(panel, "CheckBox1", "Náhled jako odkaz");
    CheckBox2 = NewCheckBox(panel, "CheckBox2", "Titulek jako odkaz");
    BorderChB = NewCheckBox(panel, "BorderChB", "Rámeček kolem náhledu, je-li náhled odkazem");
    BoldChB = NewCheckBox(panel, "BoldChB", "&tučný");
    ItalChb = NewCheckBox(panel, "ItalChb", "kurzí&va");
    for (QCheckBox* box : {CheckBox1, CheckBox2, BorderChB})
        layout->addWidget(box);
    auto* font = new QFormLayout();
    FaceCB = new QComboBox(panel);
    FaceCB->setObjectName(QStringLiteral("FaceCB"));
    FaceCB->setEditable(true);
    FaceCB->addItem(QString());
    FaceCB->addItems(QFontDatabase::families());
    font->addRow(QStringLiteral("Font titulku:"), FaceCB);
    TrackBar1 = new QSlider(Qt::Horizontal, panel);
    TrackBar1->setObjectName(QStringLiteral("TrackBar1"));
    TrackBar1->setRange(1, 7);
    TrackBar1->setTickPosition(QSlider::TicksBelow);
    auto* style = new QHBoxLayout();
    style->addWidget(TrackBar1, 1);
    style->addWidget(BoldChB);
    style->addWidget(ItalChb);
    FontColor = new QPushButton(panel);
    FontColor->setObjectName(QStringLiteral("FontColor"));
    FontColor->setFixedWidth(32);
    style->addWidget(FontColor);
    font->addRow(QStringLiteral("&Velikost:"), style);
    layout->addLayout(font);
    Preview = new GalleryPreview(panel);
    layout->addWidget(Preview, 1);
    auto* schemas = new QHBoxLayout();
    schemacombo = new QComboBox(panel);
    schemacombo->setObjectName(QStringLiteral("schemacombo"));
    schemacombo->setEditable(true);
    schemacombo->setInsertPolicy(QComboBox::NoInsert);
    auto* schemaLabel = new QLabel(QStringLiteral("Schéma:"), panel);
    schemaLabel->setBuddy(schemacombo);
    SaveBtn = new QPushButton(QStringLiteral("Uložení schéma"), panel);
    SaveBtn->setObjectName(QStringLiteral("SaveBtn"));
    DS = new QPushButton(QStringLiteral("Smazání schéma"), panel);
    DS->setObjectName(QStringLiteral("DS"));
    schemas->addWidget(schemaLabel);
    schemas->addWidget(schemacombo, 1);
    schemas->addWidget(SaveBtn);
    schemas->addWidget(DS);
    layout->addLayout(schemas);
    for (QCheckBox* box : {CheckBox1, CheckBox2, BorderChB, BoldChB, ItalChb})
        connect(box, &QCheckBox::toggled, this, &TPicGalleryForm::SchemaChanged);
    connect(TrackBar1, &QSlider::valueChanged, this, &TPicGalleryForm::SchemaChanged);
    connect(FaceCB, &QComboBox::currentTextChanged, this, &TPicGalleryForm::SchemaChanged);
    connect(FontColor, &QPushButton::clicked, this, [this] { ChooseColor(colors_.FontColor); });
    connect(Preview, &GalleryPreview::PartClicked, this, [this](GalleryPreview::Part part) {
        if (part == GalleryPreview::Part::Background)
            ChooseColor(colors_.BackGround);
        else if (part == GalleryPreview::Part::Frame)
            ChooseColor(colors_.Ramecek);
        else if (part == GalleryPreview::Part::Caption)
            ChooseColor(colors_.Titulek);
    });
    connect(schemacombo, &QComboBox::editTextChanged, this, [this](const QString& name) {
        SaveBtn->setEnabled(!name.isEmpty());
        DS->setEnabled(!name.isEmpty());
    });
    connect(schemacombo, &QComboBox::textActivated, this, &TPicGalleryForm::SchemaChosen);
    connect(SaveBtn, &QPushButton::clicked, this, &TPicGalleryForm::SaveBtnClick);
    connect(DS, &QPushButton::clicked, this, &TPicGalleryForm::DSClick);
    SaveBtn->setEnabled(false);
    DS->setEnabled(false);
    return panel;
}

std::vector<TGalleryPicture> TPicGalleryForm::Pictures() const {
    std::vector<TGalleryPicture> pictures;
    for (int i = 0; i < ListView1->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = ListView1->topLevelItem(i);
        pictures.push_back({S(item->text(ColPicture)), S(item->text(ColLink)),
                            S(item->text(ColCaption)), S(item->text(ColThumbnail))});
    }
    return pictures;
}

void TPicGalleryForm::AddFiles(const QStringList& fileNames) {
    QFileIconProvider icons;
    for (const QString& fileName : fileNames) {
        const TGalleryPicture picture =
            NewGalleryPicture(S(fileName), ThumbnailPattern, Links, prompter_);
        if (picture.Picture.empty())
            continue;
        auto* item = new QTreeWidgetItem(ListView1, {Q(picture.Picture), Q(picture.Link),
                                                     Q(picture.Caption), Q(picture.Thumbnail)});
        item->setIcon(ColPicture, icons.icon(QFileInfo(fileName)));
    }
    if (!ListView1->currentItem() && ListView1->topLevelItemCount() > 0)
        ListView1->setCurrentItem(ListView1->topLevelItem(0));
}

TGallerySchema TPicGalleryForm::Schema() const {
    TGallerySchema schema = colors_;
    for (int i = 0; i < 10; ++i)
        schema.*kIntControls[i].Field = Edits[i]->value();
    schema.NahledOdkaz = CheckBox1->isChecked();
    schema.TitulekOdkaz = CheckBox2->isChecked();
    schema.NahledBorder = BorderChB->isChecked();
    schema.Bold = BoldChB->isChecked();
    schema.Italic = ItalChb->isChecked();
    schema.FontSize = TrackBar1->value();
    schema.Font = S(FaceCB->currentText());
    return schema;
}

void TPicGalleryForm::SetSchema(const TGallerySchema& schema) {
    filling_ = true;
    colors_ = schema;
    for (int i = 0; i < 10; ++i)
        Edits[i]->setValue(schema.*kIntControls[i].Field);
    CheckBox1->setChecked(schema.NahledOdkaz);
    CheckBox2->setChecked(schema.TitulekOdkaz);
    BorderChB->setChecked(schema.NahledBorder);
    BoldChB->setChecked(schema.Bold);
    ItalChb->setChecked(schema.Italic);
    TrackBar1->setValue(schema.FontSize);
    FaceCB->setCurrentText(Q(schema.Font));
    filling_ = false;
    SchemaChanged();
}

void TPicGalleryForm::Prepare() {
    const QString current = schemacombo->currentText();
    schemacombo->clear();
    if (SchemaNames)
        for (const std::string& name : SchemaNames())
            schemacombo->addItem(Q(name));
    schemacombo->setEditText(current);
}

void TPicGalleryForm::SchemaChanged() {
    if (filling_)
        return;
    PaintColorButton(FontColor, colors_.FontColor);
    Preview->SetSchema(Schema());
    UpdatePreview();
}

void TPicGalleryForm::ChooseColor(base::TColor& color) {
    if (!EditColor)
        return;
    if (std::optional<std::string> chosen = EditColor(base::ColorToHtml(color))) {
        color = base::HtmlToColor(*chosen);
        SchemaChanged();
    }
}

QTreeWidgetItem* TPicGalleryForm::CurrentEntry() const {
    const QList<QTreeWidgetItem*> selected = ListView1->selectedItems();
    return selected.isEmpty() ? nullptr : ListView1->currentItem();
}

QList<QTreeWidgetItem*> TPicGalleryForm::SelectedEntries() const {
    QList<QTreeWidgetItem*> entries;
    for (int i = 0; i < ListView1->topLevelItemCount(); ++i)
        if (ListView1->topLevelItem(i)->isSelected())
            entries.append(ListView1->topLevelItem(i));
    return entries;
}

void TPicGalleryForm::SelectionChanged() {
    const QTreeWidgetItem* item = CurrentEntry();
    OdkazEdit->setText(item ? item->text(ColLink) : QString());
    TextEdit->setText(item ? item->text(ColCaption) : QString());
    NahledEdit->setText(item ? item->text(ColThumbnail) : QString());
    UpdatePreview();
}

void TPicGalleryForm::EntryEdited(Column column, const QString& text) {
    if (QTreeWidgetItem* item = CurrentEntry()) {
        item->setText(column, text);
        if (column == ColCaption)
            UpdatePreview();
    }
}

void TPicGalleryForm::UpdatePreview() {
    const QTreeWidgetItem* item = CurrentEntry();
    if (!item) {
        picture_ = QImage();
        pictureKey_.clear();
        Preview->SetPicture(QImage(), QString());
        return;
    }
    const int width = std::max(1, Edits[2]->value());
    const int height = std::max(1, Edits[3]->value());
    const std::string file =
        base::LinkToFileName(S(item->text(ColPicture)), Links.DocumentFileName);
    const QString key = Q(file) + QStringLiteral("|%1x%2").arg(width).arg(height);
    if (key != pictureKey_) {
        pictureKey_ = key;
        picture_ = QImage();
        try {
            // A photo is decoded at the reduced size it is shown at, never whole.
            if (IsJpegFile(file))
                picture_ = RgbToImage(JpegThumbnailFile(file, width, height));
            else
                picture_ = LoadPictureFile(Q(file), nullptr);
        } catch (const std::exception&) {
            picture_ = QImage();
        }
    }
    Preview->SetPicture(picture_, item->text(ColCaption));
}

void TPicGalleryForm::DeleteSelected() {
    qDeleteAll(SelectedEntries());
    SelectionChanged();
}

void TPicGalleryForm::ThumbnailNames() {
    const std::optional<std::string> pattern = prompter_.InputLine(
        "specifikace pro vytváření jména souboru náhledu", "", ThumbnailPattern);
    if (!pattern)
        return;
    ThumbnailPattern = *pattern;
    base::ScriptedPrompter noCopies; // a thumbnail link never copies a file
    base::LinkSettings settings = Links;
    settings.CopyFiles = false;
    for (QTreeWidgetItem* item : SelectedEntries()) {
        const std::string picture =
            base::LinkToFileName(S(item->text(ColPicture)), Links.DocumentFileName);
        item->setText(ColThumbnail, Q(base::MakeLink(ThumbnailFileName(picture, ThumbnailPattern),
                                                     settings, noCopies)));
    }
    SelectionChanged();
}

void TPicGalleryForm::NumberCaptions() {
    const std::optional<std::string> pattern =
        prompter_.InputLine("specifikace pro očíslování titulků", "", CaptionPattern);
    if (!pattern)
        return;
    CaptionPattern = *pattern;
    for (int i = 0; i < ListView1->topLevelItemCount(); ++i)
        if (ListView1->topLevelItem(i)->isSelected())
            ListView1->topLevelItem(i)->setText(ColCaption,
                                                Q(NumberedCaption(CaptionPattern, i + 1)));
    SelectionChanged();
}

void TPicGalleryForm::SaveBtnClick() {
    const QString name = schemacombo->currentText();
    if (name.isEmpty() || !SaveSchema)
        return;
    if (!SaveSchema(S(name), Schema())) {
        prompter_.Tell("Schéma \"" + S(name) + "\" nelze uložit.", base::Severity::Error);
        return;
    }
    if (schemacombo->findText(name, Qt::MatchFixedString) < 0)
        schemacombo->addItem(name);
    schemacombo->setEditText(name);
}

void TPicGalleryForm::DSClick() {
    const QString name = schemacombo->currentText();
    if (name.isEmpty() || !DeleteSchema)
        return;
    DeleteSchema(S(name));
    const int index = schemacombo->findText(name, Qt::MatchFixedString);
    if (index >= 0)
        schemacombo->removeItem(index);
    schemacombo->setEditText(QString());
}

void TPicGalleryForm::SchemaChosen(const QString& name) {
    if (LoadSchema && !name.isEmpty())
        SetSchema(LoadSchema(S(name)));
}

void TPicGalleryForm::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void TPicGalleryForm::dropEvent(QDropEvent* event) {
    QStringList files;
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile())
            files.append(url.toLocalFile());
    AddFiles(files);
    event->acceptProposedAction();
}

} // namespace zn::structure::ui
