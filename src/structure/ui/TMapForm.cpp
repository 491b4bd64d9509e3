// The image map editor window: binds the controls to the area list and the area geometry.
#include "structure/ui/TMapForm.h"

#include "base/Cp1250.h"
#include "base/Links.h"
#include "editor/ui/TComboBox98.h"
#include "structure/MapAreas.h"
#include "structure/ui/MapCanvas.h"
#include "structure/ui/PictureImage.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QColorDialog>
#include <QDockWidget>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace zn::structure::ui {
namespace {

QString FromBytes(std::string_view bytes) {
    return QString::fromStdString(base::Cp1250ToUtf8(bytes));
}
std::string ToBytes(const QString& text) {
    return base::Utf8ToCp1250(text.toStdString());
}

/// The Delete key in the area list deletes the chosen area.
class AreaListBox : public QListWidget {
public:
    AreaListBox(TMapForm& form, QWidget* parent) : QListWidget(parent), form_(form) {}

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Delete) {
            form_.DeleteArea();
            return;
        }
        QListWidget::keyPressEvent(event);
    }

private:
    TMapForm& form_;
};

QPushButton* Button(const char* name, const char* caption, const char* hint, QWidget* parent) {
    auto* b = new QPushButton(QString::fromUtf8(caption), parent);
    b->setObjectName(QLatin1String(name));
    // Enter in a field must not start a new area; only OK is the default button.
    b->setAutoDefault(false);
    b->setToolTip(QString::fromUtf8(hint));
    return b;
}

QLineEdit* Edit(const char* name, const char* hint, QWidget* parent) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(QLatin1String(name));
    e->setToolTip(QString::fromUtf8(hint));
    return e;
}

QSpinBox* Thickness(const char* name, const char* hint, QWidget* parent) {
    auto* s = new QSpinBox(parent);
    s->setObjectName(QLatin1String(name));
    s->setToolTip(QString::fromUtf8(hint));
    s->setRange(1, 9);
    s->setValue(1);
    return s;
}

} // namespace

TMapForm::TMapForm(base::Prompter& prompter, QWidget* parent)
    : QDialog(parent), prompter_(prompter) {
    setObjectName(QStringLiteral("MapForm"));
    setWindowTitle(QStringLiteral("Editor klikovacích map"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    // The area panel docks on the left or the right of the picture; dragging it across the
    // picture moves it to the other side.
    inner_ = new QMainWindow(this);
    inner_->setWindowFlags(Qt::Widget);
    layout->addWidget(inner_);
    Canvas = new MapCanvas(geometry_);
    auto* scroll = new QScrollArea(inner_);
    scroll->setWidget(Canvas);
    inner_->setCentralWidget(scroll);
    ItemPanel = new QDockWidget(QStringLiteral("Oblasti"), inner_);
    ItemPanel->setObjectName(QStringLiteral("ItemPanel"));
    ItemPanel->setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    ItemPanel->setFeatures(QDockWidget::DockWidgetMovable);
    ItemPanel->setWidget(BuildPanel());
    inner_->addDockWidget(Qt::LeftDockWidgetArea, ItemPanel);
    BuildMenus();
    ConnectFields();
    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &TMapForm::TimerTick);
    resize(900, 640);
}

QWidget* TMapForm::BuildPanel() {
    auto* panel = new QWidget();
    auto* form = new QFormLayout(panel);
    MapCombo = new QComboBox(panel);
    MapCombo->setObjectName(QStringLiteral("MapCombo"));
    form->addRow(QStringLiteral("Mapa:"), MapCombo);
    MapLB = new AreaListBox(*this, panel);
    MapLB->setObjectName(QStringLiteral("MapLB"));
    MapLB->setToolTip(QStringLiteral("Jména oblastí"));
    form->addRow(MapLB);
    auto* buttons = new QGridLayout();
    NewButton = Button("NewButton", "Nová", "Nová oblast", panel);
    SaveButton = Button("SaveButton", "Uložit", "Uložit oblast", panel);
    DeleteButton = Button("DeleteButton", "Smazat", "Smazat oblast", panel);
    RenButton = Button("RenButton", "Přejmenovat", "Přejmenovat oblast", panel);
    CopyBtn = Button("CopyBtn", "Kopírovat", "Zkopírovat oblast", panel);
    PasteBtn = Button("PasteBtn", "Vložit", "Vložit oblast", panel);
    PasteNewBtn = Button("PasteNewBtn", "Vložit do nové", "Vložit do nové oblasti", panel);
    int i = 0;
    for (QPushButton* b :
         {NewButton, SaveButton, DeleteButton, RenButton, CopyBtn, PasteBtn, PasteNewBtn}) {
        buttons->addWidget(b, i / 2, i % 2);
        ++i;
    }
    form->addRow(buttons);
    auto* shapes = new QHBoxLayout();
    TypeR = new QButtonGroup(panel);
    i = 0;
    for (const char* caption : {"Polygon", "Obdélník", "Kruh"}) {
        auto* radio = new QRadioButton(QString::fromUtf8(caption), panel);
        radio->setToolTip(QStringLiteral("Typ obrazce"));
        TypeR->addButton(radio, i++);
        shapes->addWidget(radio);
    }
    TypeR->button(0)->setChecked(true);
    form->addRow(shapes);
    RefCB = new editor::ui::TComboBox98(panel);
    RefCB->setObjectName(QStringLiteral("RefCB"));
    RefCB->setEditable(true);
    SpeedButton40 = new QToolButton(panel);
    SpeedButton40->setObjectName(QStringLiteral("SpeedButton40"));
    SpeedButton40->setText(QStringLiteral("..."));
    SpeedButton40->setToolTip(QStringLiteral("Najít soubor"));
    auto* href = new QHBoxLayout();
    href->addWidget(RefCB, 1);
    href->addWidget(SpeedButton40);
    form->addRow(QStringLiteral("HREF oblasti:"), href);
    AKEdit = Edit("AKEdit", "AccessKey", panel);
    TIEdit = Edit("TIEdit", "TabIndex", panel);
    ShapeTarget = Edit("ShapeTarget", "Target oblasti", panel);
    ShapeText = Edit("ShapeText", "Body obrazce", panel);
    form->addRow(QStringLiteral("AccessKey"), AKEdit);
    form->addRow(QStringLiteral("TabIndex"), TIEdit);
    form->addRow(QStringLiteral("Target oblasti:"), ShapeTarget);
    NoHrefCHb = new QCheckBox(QStringLiteral("NoHref"), panel);
    NoHrefCHb->setObjectName(QStringLiteral("NoHrefCHb"));
    form->addRow(NoHrefCHb);
    form->addRow(QStringLiteral("Koordináty oblasti:"), ShapeText);
    auto* modes = new QHBoxLayout();
    DrawSB = new QToolButton(panel);
    PointSB = new QToolButton(panel);
    auto* modeGroup = new QButtonGroup(panel);
    for (auto [b, name, caption] :
         {std::tuple{DrawSB, "DrawSB", "Kreslit"}, std::tuple{PointSB, "PointSB", "Editovat"}}) {
        b->setObjectName(QLatin1String(name));
        b->setText(QString::fromUtf8(caption));
        b->setCheckable(true);
        modeGroup->addButton(b);
        modes->addWidget(b);
    }
    DrawSB->setChecked(true);
    BarvaP = Button("BarvaP", "", "Výběr barvy kreslení", panel);
    PW = Thickness("PW", "Tloušťka čáry kreslení", panel);
    EW = Thickness("EW", "Tloušťka čáry editace", panel);
    modes->addWidget(BarvaP);
    modes->addWidget(PW);
    modes->addWidget(EW);
    form->addRow(modes);
    Asa = new QCheckBox(QStringLiteral("Auto ukládání změn"), panel);
    Asa->setObjectName(QStringLiteral("Asa"));
    Asa->setChecked(true);
    form->addRow(Asa);
    auto* ok = new QHBoxLayout();
    OKButton = Button("OKButton", "OK", "", panel);
    CancelButton = Button("CancelButton", "Storno", "", panel);
    OKButton->setDefault(true);
    ok->addWidget(OKButton);
    ok->addWidget(CancelButton);
    form->addRow(ok);
    SetDrawColor(Qt::red);
    return panel;
}

void TMapForm::BuildMenus() {
    auto* bar = new QMenuBar(this);
    layout()->setMenuBar(bar);
    auto add = [this](QMenu* menu, const char* name, const char* caption, QKeySequence key,
                      std::function<void()> run) {
        QAction* a = menu->addAction(QString::fromUtf8(caption));
        a->setObjectName(QLatin1String(name));
        a->setShortcut(key);
        connect(a, &QAction::triggered, this, std::move(run));
        return a;
    };
    QMenu* area = bar->addMenu(QStringLiteral("Oblast"));
    Newi = add(area, "Newi", "Nová", {}, [this] { NewArea(); });
    Deletei = add(area, "Deletei", "Smazat", {}, [this] { DeleteArea(); });
    Renamei = add(area, "Renamei", "Přejmenovat", {}, [this] { RenameArea(); });
    Savei = add(area, "Savei", "Uložit", {}, [this] { SaveButtonClick(); });
    QMenu* edit = bar->addMenu(QStringLiteral("Úpravy"));
    copyi = add(edit, "copyi", "Kopírovat oblast", Qt::CTRL | Qt::Key_C, [this] { CopyArea(); });
    pastei = add(edit, "pastei", "Vložit oblast", Qt::CTRL | Qt::Key_V, [this] { PasteArea(); });
    pastenewi = add(edit, "pastenewi", "Vložit do nové oblasti", Qt::CTRL | Qt::Key_N,
                    [this] { PasteNewArea(); });
}

void TMapForm::ConnectFields() {
    connect(MapCombo, &QComboBox::activated, this, &TMapForm::ChooseMap);
    connect(MapLB, &QListWidget::currentRowChanged, this, [this] { ChooseArea(); });
    connect(NewButton, &QPushButton::clicked, this, [this] { NewArea(); });
    connect(SaveButton, &QPushButton::clicked, this, &TMapForm::SaveButtonClick);
    connect(DeleteButton, &QPushButton::clicked, this, &TMapForm::DeleteArea);
    connect(RenButton, &QPushButton::clicked, this, &TMapForm::RenameArea);
    connect(CopyBtn, &QPushButton::clicked, this, &TMapForm::CopyArea);
    connect(PasteBtn, &QPushButton::clicked, this, &TMapForm::PasteArea);
    connect(PasteNewBtn, &QPushButton::clicked, this, &TMapForm::PasteNewArea);
    connect(RefCB, &QComboBox::editTextChanged, this, &TMapForm::FieldChanged);
    for (QLineEdit* e : {AKEdit, TIEdit, ShapeTarget}) {
        connect(e, &QLineEdit::textChanged, this, &TMapForm::FieldChanged);
    }
    connect(NoHrefCHb, &QCheckBox::toggled, this, &TMapForm::FieldChanged);
    connect(ShapeText, &QLineEdit::textChanged, this, [this](const QString& text) {
        geometry_.Coords = ToBytes(text);
        Canvas->update();
        FieldChanged();
    });
    connect(TypeR, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (!on) {
            return;
        }
        geometry_.Shape = id;
        geometry_.Reset();
        if (!loading_) {
            ShapeText->clear();
            SetEditMode(false);
            FieldChanged();
        }
    });
    connect(SpeedButton40, &QToolButton::clicked, this, [this] {
        if (!ChooseHref) {
            return;
        }
        const QString link = ChooseHref(RefCB->currentText());
        if (!link.isEmpty() && link != RefCB->currentText()) {
            RefCB->setEditText(link);
        }
    });
    connect(DrawSB, &QToolButton::clicked, this, [this] { SetEditMode(false); });
    connect(PointSB, &QToolButton::clicked, this, [this] { SetEditMode(true); });
    connect(Canvas, &MapCanvas::Pressed, this, &TMapForm::CanvasPressed);
    connect(Canvas, &MapCanvas::Moved, this, [this](int x, int y) { geometry_.Move(x, y); });
    connect(BarvaP, &QPushButton::clicked, this, [this] {
        const QColor color = QColorDialog::getColor(Canvas->DrawColor, this);
        if (color.isValid()) {
            SetDrawColor(color);
        }
    });
    connect(PW, &QSpinBox::valueChanged, this, [this](int w) {
        Canvas->DrawWidth = w;
        Canvas->update();
    });
    connect(EW, &QSpinBox::valueChanged, this, [this](int w) { Canvas->EditWidth = w; });
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void TMapForm::SetDrawColor(const QColor& color) {
    Canvas->DrawColor = color;
    BarvaP->setStyleSheet(QStringLiteral("background-color: %1").arg(color.name()));
    Canvas->update();
}

QColor TMapForm::DrawColor() const {
    return Canvas->DrawColor;
}

int TMapForm::PanelAlign() const {
    return inner_->dockWidgetArea(ItemPanel) == Qt::RightDockWidgetArea ? 4 : 3;
}

void TMapForm::SetPanelAlign(int align) {
    inner_->addDockWidget(align == 4 ? Qt::RightDockWidgetArea : Qt::LeftDockWidgetArea, ItemPanel);
}

void TMapForm::Prepare(AreaList& areas, const MapList& pairs,
                       const std::vector<std::string>& entries, const std::string& documentFileName,
                       const std::vector<std::string>& links) {
    areas_ = &areas;
    pairs_ = pairs;
    documentFileName_ = documentFileName;
    closeRequest_ = false;
    Timer1->start(); // also closes the window when the map's picture is missing
    geometry_.Reset();
    EnableControls(true);
    RefCB->clear();
    for (const std::string& link : links) {
        RefCB->addItem(FromBytes(link));
    }
    MapCombo->clear();
    for (const std::string& entry : entries) {
        MapCombo->addItem(FromBytes(entry));
    }
    if (pairs_.empty()) {
        prompter_.Tell("Žádná mapa nebyla definována!");
        closeRequest_ = true;
        return;
    }
    int index = 0;
    if (!MapToSelect.empty()) {
        if (const std::optional<std::size_t> found = FindMapPair(pairs_, MapToSelect)) {
            index = static_cast<int>(*found);
        }
    }
    MapCombo->setCurrentIndex(index);
    ChooseMap(index);
}

std::string TMapForm::ChosenMap() const {
    // The pairs are kept beside the entries, so a name or source holding "[" cannot confuse
    // the map with its picture.
    const int index = MapCombo->currentIndex();
    return index >= 0 && index < static_cast<int>(pairs_.size()) ? pairs_[index].Name
                                                                 : std::string();
}

std::string TMapForm::ChosenArea() const {
    const QListWidgetItem* item = MapLB->currentItem();
    return item != nullptr ? ToBytes(item->text()) : std::string();
}

void TMapForm::ChooseMap(int index) {
    if (areas_ == nullptr || index < 0 || index >= static_cast<int>(pairs_.size())) {
        return;
    }
    const std::string file =
        base::LinkToFileName(base::Cp1250ToUtf8(pairs_[index].Src), documentFileName_);
    loading_ = true;
    MapLB->clear();
    SetFields({geometry_.Shape, "", "", "", "", "", false});
    for (const std::string& name : AreaNames(*areas_, pairs_[index].Name)) {
        MapLB->addItem(FromBytes(name));
    }
    loading_ = false;
    geometry_.Reset();
    const QString fileName = QString::fromStdString(file);
    if (!QFileInfo(fileName).isFile()) {
        MapCombo->setCurrentIndex(-1);
        if (!pairs_[index].Src.empty()) {
            prompter_.Tell("Nelze otevřít soubor " + file + "!", base::Severity::Error);
        }
        closeRequest_ = true;
        return;
    }
    // A picture that cannot be read leaves an empty surface; the areas stay editable.
    Canvas->SetPicture(LoadPictureFile(fileName, nullptr));
    int row = 0;
    if (!AreaToSelect.empty()) {
        const QList<QListWidgetItem*> found =
            MapLB->findItems(FromBytes(AreaToSelect), Qt::MatchExactly);
        if (!found.isEmpty()) {
            row = MapLB->row(found.front());
        }
        AreaToSelect.clear();
    }
    SelectRow(MapLB->count() > 0 ? row : -1);
}

void TMapForm::SelectRow(int row) {
    MapLB->setCurrentRow(row);
    if (row < 0) {
        SetEditMode(false);
    }
}

void TMapForm::ChooseArea() {
    TArea* area = areas_ != nullptr ? FindArea(*areas_, ChosenMap(), ChosenArea()) : nullptr;
    if (area == nullptr) {
        return;
    }
    loading_ = true;
    TAreaFields fields = FieldsOf(*area);
    fields.Coords.erase(std::remove(fields.Coords.begin(), fields.Coords.end(), ' '),
                        fields.Coords.end());
    SetFields(fields);
    loading_ = false;
    geometry_.Reset();
    Canvas->update();
    if (Asa->isChecked()) {
        StoreArea();
    }
}

void TMapForm::SetFields(const TAreaFields& f) {
    TypeR->button(f.Shape >= 0 && f.Shape <= 2 ? f.Shape : 0)->setChecked(true);
    RefCB->setEditText(FromBytes(f.Href));
    TIEdit->setText(FromBytes(f.TabIndex));
    ShapeTarget->setText(FromBytes(f.Target));
    AKEdit->setText(FromBytes(f.AccessKey));
    NoHrefCHb->setChecked(f.NoHref);
    ShapeText->setText(FromBytes(f.Coords));
}

TAreaFields TMapForm::Fields() const {
    return {TypeR->checkedId(),      ToBytes(ShapeText->text()), ToBytes(RefCB->currentText()),
            ToBytes(AKEdit->text()), ToBytes(TIEdit->text()),    ToBytes(ShapeTarget->text()),
            NoHrefCHb->isChecked()};
}

void TMapForm::FieldChanged() {
    if (!loading_ && Asa->isChecked()) {
        StoreArea();
    }
}

void TMapForm::StoreArea() {
    if (areas_ == nullptr) {
        return;
    }
    if (TArea* area = FindArea(*areas_, ChosenMap(), ChosenArea())) {
        StoreFields(*area, Fields());
    }
}

void TMapForm::SaveButtonClick() {
    if (MapLB->count() == 0) {
        const TAreaFields fields = Fields();
        if (!NewArea()) {
            return;
        }
        loading_ = true;
        SetFields(fields);
        loading_ = false;
    }
    StoreArea();
}

bool TMapForm::NewArea() {
    const std::string map = ChosenMap();
    if (areas_ == nullptr || map.empty()) {
        return false;
    }
    const std::optional<std::string> name = AskAreaName(prompter_, *areas_, map, "");
    if (!name) {
        return false;
    }
    AddArea(*areas_, map, *name, TypeR->checkedId());
    MapLB->addItem(FromBytes(*name));
    MapLB->setCurrentRow(MapLB->count() - 1);
    SetEditMode(false);
    return true;
}

void TMapForm::DeleteArea() {
    const std::string name = ChosenArea();
    if (areas_ == nullptr || MapLB->currentItem() == nullptr) {
        return;
    }
    const std::optional<std::size_t> next = structure::DeleteArea(*areas_, ChosenMap(), name);
    {
        const QSignalBlocker quiet(MapLB);
        delete MapLB->takeItem(MapLB->currentRow());
        MapLB->setCurrentRow(-1);
    }
    if (next) {
        MapLB->setCurrentRow(static_cast<int>(*next));
    } else {
        MapLB->clearSelection();
    }
}

void TMapForm::RenameArea() {
    TArea* area = areas_ != nullptr ? FindArea(*areas_, ChosenMap(), ChosenArea()) : nullptr;
    if (area == nullptr) {
        return;
    }
    const std::optional<std::string> name = AskAreaName(prompter_, *areas_, area->Map, area->Alt);
    if (name) {
        area->Alt = *name;
        MapLB->currentItem()->setText(FromBytes(*name));
    }
}

void TMapForm::CopyArea() {
    QGuiApplication::clipboard()->clear();
    QGuiApplication::clipboard()->setText(FromBytes(AreaClipboardText(Fields())));
}

void TMapForm::PasteArea() {
    const std::optional<TAreaFields> fields =
        ParseAreaClipboard(ToBytes(QGuiApplication::clipboard()->text()));
    if (!fields || MapLB->currentItem() == nullptr) {
        return;
    }
    loading_ = true;
    SetFields(*fields);
    loading_ = false;
    StoreArea();
    SetEditMode(true);
    Canvas->update();
}

void TMapForm::PasteNewArea() {
    if (ParseAreaClipboard(ToBytes(QGuiApplication::clipboard()->text())) && NewArea()) {
        PasteArea();
    }
}

void TMapForm::SetEditMode(bool edit) {
    geometry_.EditMode = edit;
    geometry_.Reset();
    (edit ? PointSB : DrawSB)->setChecked(true);
    Canvas->update();
}

void TMapForm::CanvasPressed(TMouseButton button, int x, int y) {
    if (ChosenMap().empty()) {
        return;
    }
    const std::string before = geometry_.Coords;
    geometry_.Press(button, x, y);
    if (geometry_.Coords != before) {
        const QSignalBlocker quiet(ShapeText);
        ShapeText->setText(FromBytes(geometry_.Coords));
        FieldChanged();
    }
    (geometry_.EditMode ? PointSB : DrawSB)->setChecked(true);
    EnableControls(!geometry_.Busy());
    Canvas->update();
}

void TMapForm::EnableControls(bool enable) {
    ItemPanel->widget()->setEnabled(enable);
    for (QAction* a : {Newi, Deletei, Renamei, Savei, copyi, pastei, pastenewi}) {
        a->setEnabled(enable);
    }
}

void TMapForm::TimerTick() {
    if (closeRequest_) {
        closeRequest_ = false;
        reject();
        return;
    }
    if (geometry_.Busy()) {
        return;
    }
    const bool area = LooksLikeArea(ToBytes(QGuiApplication::clipboard()->text()));
    PasteBtn->setEnabled(area);
    PasteNewBtn->setEnabled(area);
    const bool chosen = !ChosenMap().empty();
    for (QWidget* w : {static_cast<QWidget*>(MapLB), static_cast<QWidget*>(NewButton),
                       static_cast<QWidget*>(ShapeText), static_cast<QWidget*>(OKButton)}) {
        w->setEnabled(chosen);
    }
    Canvas->setVisible(chosen);
}

void TMapForm::hideEvent(QHideEvent* event) {
    MapToSelect.clear();
    Timer1->stop();
    QDialog::hideEvent(event);
}

} // namespace zn::structure::ui
