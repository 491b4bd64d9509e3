// "Možnosti": building the tabs, loading the controls from the main window and applying them.
#include "app/ui/TPrefForm.h"

#include "app/ui/EncodingCommands.h"
#include "app/ui/FileTabBar.h"
#include "app/ui/FormStores.h"
#include "app/ui/PluginListDialog.h"
#include "app/ui/SettingsConvert.h"
#include "app/ui/TMDIChild.h"
#include "app/ui/TMainForm.h"
#include "app/ui/TagPanelBridge.h"
#include "base/ui/LinkDialogs.h"
#include "base/ui/TAddUrl.h"

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFontDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeySequenceEdit>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QShortcut>
#include <QTabWidget>
#include <QVBoxLayout>

namespace zn::app::ui {

namespace {

QString Utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

TPrefForm::TPrefForm(TMainForm& main) : QDialog(&main), main_(main) {
    setObjectName(QStringLiteral("PrefForm"));
    setWindowTitle(QStringLiteral("Možnosti"));
    setAcceptDrops(true);
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->addTab(BuildGeneralTab(), QStringLiteral("Obecné"));
    PageControl1->addTab(BuildLinksTab(), QStringLiteral("Databáze odkazů"));
    PageControl1->addTab(BuildShortcutTab(), QStringLiteral("Horké klávesy"));
    auto* pluginTab = new QWidget(this);
    pluginLayout_ = new QVBoxLayout(pluginTab);
    PageControl1->addTab(pluginTab, QStringLiteral("Plug-in"));
    PageControl1->addTab(BuildPathsTab(), QStringLiteral("Cesty/adresáře"));
    PageControl1->addTab(BuildColorsTab(), QStringLiteral("Barvy"));

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    buttons->addButton(QStringLiteral("&Storno"), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("CancelButton"));
    QPushButton* apply = buttons->addButton(QStringLiteral("&Použít"), QDialogButtonBox::ApplyRole);
    apply->setObjectName(QStringLiteral("ApplyButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        Apply();
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(apply, &QPushButton::clicked, this, &TPrefForm::Apply);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(PageControl1, 1);
    layout->addWidget(buttons);
    resize(600, 460);

    ChooseColor = [this](ColorNumber color) -> std::optional<ColorNumber> {
        const QColor chosen = QColorDialog::getColor(ColorFromNumber(color), this);
        if (!chosen.isValid())
            return std::nullopt;
        return NumberFromColor(chosen);
    };
    ExeDlg = std::make_unique<QFileDialog>(this);
    ExeDlg->setNameFilters({QStringLiteral("Executables (*)"), QStringLiteral("All Files (*)")});
    formState_ = std::make_unique<FormState>(this, PreferencesStore, main_.HostStore());
    formState_->AddDialog(QStringLiteral("ExeDlg"), exeMemory_);
    formState_->Restore();
}

TPrefForm::~TPrefForm() = default;

// --- building ---

QWidget* TPrefForm::BuildGeneralTab() {
    auto* tab = new QWidget(this);
    ParLB = new QListWidget(tab);
    ParLB->setObjectName(QStringLiteral("ParLB"));
    for (const PrefSwitch& option : PrefSwitches) {
        auto* line = new QListWidgetItem(Utf8(option.Caption), ParLB);
        line->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        line->setCheckState(Qt::Unchecked);
    }
    connect(ParLB, &QListWidget::itemChanged, this, &TPrefForm::ParLBChanged);
    Button3 = new QPushButton(QStringLiteral("&Konfigurovat kódování"), tab);
    Button3->setObjectName(QStringLiteral("Button3"));
    connect(Button3, &QPushButton::clicked, this, [this] {
        if (auto* encodings = main_.findChild<EncodingCommands*>())
            encodings->ShowInstalledEncodings();
    });
    auto* layout = new QVBoxLayout(tab);
    layout->addWidget(ParLB, 1);
    layout->addWidget(Button3, 0, Qt::AlignLeft);
    return tab;
}

QWidget* TPrefForm::BuildLinksTab() {
    auto* tab = new QWidget(this);
    RefLB = new QListWidget(tab);
    RefLB->setObjectName(QStringLiteral("RefLB"));
    AddUrlButton = new QPushButton(QStringLiteral("Přidat"), tab);
    DeleteUrlButton = new QPushButton(QStringLiteral("Smazat"), tab);
    EditUrlButton = new QPushButton(QStringLiteral("Editovat"), tab);
    connect(RefLB, &QListWidget::currentRowChanged, this, &TPrefForm::UpdateUrlButtons);
    connect(AddUrlButton, &QPushButton::clicked, this, &TPrefForm::AddUrlClick);
    connect(DeleteUrlButton, &QPushButton::clicked, this, &TPrefForm::DeleteUrlClick);
    connect(EditUrlButton, &QPushButton::clicked, this, &TPrefForm::EditUrlClick);
    auto* deleteKey =
        new QShortcut(QKeySequence::Delete, RefLB, nullptr, nullptr, Qt::WidgetShortcut);
    connect(deleteKey, &QShortcut::activated, this, &TPrefForm::DeleteUrlClick);
    auto* side = new QVBoxLayout;
    side->addWidget(AddUrlButton);
    side->addWidget(DeleteUrlButton);
    side->addWidget(EditUrlButton);
    side->addStretch();
    auto* layout = new QHBoxLayout(tab);
    layout->addWidget(RefLB, 1);
    layout->addLayout(side);
    return tab;
}

QPushButton* TPrefForm::BrowseButton(QLineEdit* field) {
    auto* button = new QPushButton(QStringLiteral("..."), field->parentWidget());
    button->setObjectName(field->objectName() + QStringLiteral("Browse"));
    button->setFixedWidth(32);
    connect(button, &QPushButton::clicked, this, [this, field] {
        exeMemory_.ApplyTo(*ExeDlg);
        const QString chosen = base::ui::ChooseFile(*ExeDlg, field->text());
        if (chosen.isEmpty())
            return;
        exeMemory_.TakeFrom(*ExeDlg);
        field->setText(chosen);
    });
    return button;
}

QWidget* TPrefForm::BuildPathsTab() {
    auto* tab = new QWidget(this);
    auto* layout = new QVBoxLayout(tab);
    layout->addWidget(new QLabel(
        QStringLiteral("Podadresář (relativně), kam se mají automaticky kopírovat soubory"), tab));
    CopyP = new QLineEdit(tab);
    CopyP->setObjectName(QStringLiteral("CopyP"));
    layout->addWidget(CopyP);

    auto* group = new QGroupBox(QStringLiteral("Asociované aplikace"), tab);
    auto* grid = new QGridLayout(group);
    const auto addProgram = [&](QLineEdit*& field, const char* name, const QString& caption) {
        field = new QLineEdit(group);
        field->setObjectName(QString::fromLatin1(name));
        const int row = grid->rowCount();
        grid->addWidget(new QLabel(caption, group), row, 0);
        grid->addWidget(field, row, 1);
        grid->addWidget(BrowseButton(field), row, 2);
    };
    addProgram(ExtView, "ExtView", QStringLiteral("Externí prohlížeč obrázků:"));
    addProgram(ExtEdit, "ExtEdit", QStringLiteral("Externí editor obrázků:"));
    addProgram(Browser, "Browser", QStringLiteral("HTML Browser:"));
    auto* note = new QLabel(
        QStringLiteral("V případě, že hodnota nebude vyplněna, použije se implicitní aplikace"),
        group);
    note->setWordWrap(true);
    grid->addWidget(note, grid->rowCount(), 0, 1, 3);
    auto* icons = new QHBoxLayout;
    icons->addWidget(new QLabel(QStringLiteral("Implicitní aplikace:"), group));
    for (const char* type : {"JPG", "GIF", "HTML"}) {
        QString program;
        const QIcon icon = base::ui::AssociatedIcon(QString::fromLatin1(type).toLower(), program);
        auto* picture = new QLabel(group);
        picture->setPixmap(icon.pixmap(32, 32));
        picture->setToolTip(program);
        icons->addWidget(picture);
        icons->addWidget(new QLabel(QString::fromLatin1(type), group));
    }
    icons->addStretch();
    grid->addLayout(icons, grid->rowCount(), 0, 1, 3);
    layout->addWidget(group);
    layout->addStretch();
    return tab;
}

QPushButton* TPrefForm::ColorPanel(const QString& name) {
    auto* panel = new QPushButton(this);
    panel->setObjectName(name);
    panel->setFixedSize(48, 20);
    panel->setFlat(true);
    panel->setAutoFillBackground(true);
    return panel;
}

QWidget* TPrefForm::BuildColorsTab() {
    auto* tab = new QWidget(this);
    auto* grid = new QGridLayout(tab);
    phpexeedit = new QLineEdit(tab);
    phpexeedit->setObjectName(QStringLiteral("phpexeedit"));
    grid->addWidget(new QLabel(QStringLiteral("Cesta k php.exe:"), tab), 0, 0);
    grid->addWidget(phpexeedit, 0, 1);
    PhpBrowse = BrowseButton(phpexeedit);
    grid->addWidget(PhpBrowse, 0, 2);
    PhpChb = new QCheckBox(QStringLiteral("Používat PHP"), tab);
    PhpChb->setObjectName(QStringLiteral("PhpChb"));
    connect(PhpChb, &QCheckBox::toggled, this, [this](bool on) {
        phpexeedit->setEnabled(on);
        PhpBrowse->setEnabled(on);
    });
    grid->addWidget(PhpChb, 1, 0, 1, 3);
    UseHLChb = new QCheckBox(QStringLiteral("Používat zvýrazňování syntaxe"), tab);
    UseHLChb->setObjectName(QStringLiteral("UseHLChb"));
    grid->addWidget(UseHLChb, 2, 0, 1, 3);
    const struct {
        QPushButton*& Panel;
        const char* Name;
        const char* Caption;
        ColorNumber PrefValues::*Color;
    } panels[] = {
        {CLtag, "CLtag", "Barva tagu (název a okraje):", &PrefValues::CLtag},
        {CLpar, "CLpar", "Barva názvu parametru:", &PrefValues::CLpar},
        {CLval, "CLval", "Barva hodnoty parametru:", &PrefValues::CLval},
        {CLtxt, "CLtxt", "Barva textu:", &PrefValues::CLtxt},
        {CLbkg, "CLbkg", "Barva pozadí:", &PrefValues::CLbkg},
    };
    for (const auto& p : panels) {
        p.Panel = ColorPanel(QString::fromLatin1(p.Name));
        const int row = grid->rowCount();
        grid->addWidget(new QLabel(QString::fromUtf8(p.Caption), tab), row, 0);
        grid->addWidget(p.Panel, row, 1, Qt::AlignLeft);
        QPushButton* panel = p.Panel;
        const auto color = p.Color;
        connect(panel, &QPushButton::clicked, this,
                [this, panel, color] { ChangeColor(panel, values_.*color); });
    }
    FontButton = new QPushButton(QStringLiteral("&Vybrat font editoru.."), tab);
    FontButton->setObjectName(QStringLiteral("FontButton"));
    connect(FontButton, &QPushButton::clicked, this, [this] {
        bool ok = false;
        const QFont font = QFontDialog::getFont(&ok, FontFromStored(values_.Font), this);
        if (ok)
            values_.Font = StoredFromFont(font, values_.Font);
    });
    grid->addWidget(FontButton, grid->rowCount(), 0, 1, 2, Qt::AlignLeft);
    grid->setRowStretch(grid->rowCount(), 1);
    grid->setColumnStretch(1, 1);
    return tab;
}

void TPrefForm::ShowColor(QPushButton* panel, ColorNumber color) {
    panel->setStyleSheet(QStringLiteral("background-color: %1; border: 1px solid black;")
                             .arg(ColorFromNumber(color).name()));
}

void TPrefForm::ChangeColor(QPushButton* panel, ColorNumber& color) {
    if (const auto chosen = ChooseColor ? ChooseColor(color) : std::nullopt) {
        color = *chosen;
        ShowColor(panel, color);
    }
}

// --- showing and loading ---

int TPrefForm::Show(std::optional<PrefTab> tab) {
    LoadControls();
    if (tab)
        PageControl1->setCurrentIndex(static_cast<int>(*tab));
    return exec();
}

void TPrefForm::LoadControls() {
    loading_ = true;
    values_ = PrefValues::From(main_.HostSettings());
    for (std::size_t i = 0; i < PrefSwitchCount; ++i)
        ParLB->item(static_cast<int>(i))
            ->setCheckState(values_.Switches[i] ? Qt::Checked : Qt::Unchecked);
    RefLB->clear();
    for (const std::string& link : values_.Links)
        RefLB->addItem(QString::fromStdString(link));
    RefLB->setCurrentRow(-1);
    UpdateUrlButtons();
    FillShortcuts();
    delete PluginPage;
    PluginPage = new PluginListDialog(main_.Plugins(), main_.HostPrompter(),
                                      pluginLayout_->parentWidget(), true);
    pluginLayout_->addWidget(PluginPage);
    PluginPage->show();
    ExtView->setText(FromStored(values_.ExtView));
    ExtEdit->setText(FromStored(values_.ExtEdit));
    Browser->setText(FromStored(values_.Browser));
    phpexeedit->setText(FromStored(values_.Php));
    CopyP->setText(FromStored(values_.CopyP));
    UseHLChb->setChecked(values_.UseHighLight);
    PhpChb->setChecked(values_.PhpEnable);
    phpexeedit->setEnabled(values_.PhpEnable);
    PhpBrowse->setEnabled(values_.PhpEnable);
    ShowColor(CLtag, values_.CLtag);
    ShowColor(CLpar, values_.CLpar);
    ShowColor(CLval, values_.CLval);
    ShowColor(CLtxt, values_.CLtxt);
    ShowColor(CLbkg, values_.CLbkg);
    loading_ = false;
}

PrefValues TPrefForm::ReadControls() const {
    PrefValues v = values_;
    for (std::size_t i = 0; i < PrefSwitchCount; ++i)
        v.Switches[i] = ParLB->item(static_cast<int>(i))->checkState() == Qt::Checked;
    v.ExtView = ToStored(ExtView->text());
    v.ExtEdit = ToStored(ExtEdit->text());
    v.Browser = ToStored(Browser->text());
    v.Php = ToStored(phpexeedit->text());
    v.CopyP = ToStored(CopyP->text());
    v.PhpEnable = PhpChb->isChecked();
    v.UseHighLight = UseHLChb->isChecked();
    return v;
}

void TPrefForm::ParLBChanged() {
    if (loading_)
        return;
    PrefValues v = ReadControls();
    v.ApplySwitchRule();
    QListWidgetItem* sizes = ParLB->item(static_cast<int>(AutoPutDimSwitch));
    if (!v.Switches[AutoPutDimSwitch] && sizes->checkState() == Qt::Checked)
        sizes->setCheckState(Qt::Unchecked);
}

// --- the link database ---

void TPrefForm::UpdateUrlButtons() {
    const bool chosen = RefLB->currentRow() >= 0;
    DeleteUrlButton->setEnabled(chosen);
    EditUrlButton->setEnabled(chosen);
}

namespace {

/// Fills the list from the sorted links and selects `selected`.
void ShowLinks(QListWidget* list, std::vector<std::string>& links, const std::string& selected) {
    SortLinks(links);
    list->clear();
    int row = -1;
    for (std::size_t i = 0; i < links.size(); ++i) {
        list->addItem(QString::fromStdString(links[i]));
        if (row < 0 && links[i] == selected)
            row = static_cast<int>(i);
    }
    list->setCurrentRow(row);
}

} // namespace

void TPrefForm::AddUrlClick() {
    const auto url = base::ui::TAddUrl::Execute(this, QStringLiteral("přidat URL"), QString());
    if (!url || url->isEmpty())
        return;
    values_.Links.push_back(ToStored(*url));
    ShowLinks(RefLB, values_.Links, ToStored(*url));
}

void TPrefForm::EditUrlClick() {
    const int row = RefLB->currentRow();
    if (row < 0)
        return;
    const auto url =
        base::ui::TAddUrl::Execute(this, QStringLiteral("Editovat URL"), RefLB->item(row)->text());
    if (!url || url->isEmpty())
        return;
    values_.Links[static_cast<std::size_t>(row)] = ToStored(*url);
    ShowLinks(RefLB, values_.Links, ToStored(*url));
}

void TPrefForm::DeleteUrlClick() {
    const int row = RefLB->currentRow();
    if (row < 0)
        return;
    values_.Links.erase(values_.Links.begin() + row);
    delete RefLB->takeItem(row);
    RefLB->setCurrentRow(std::min(row, RefLB->count() - 1));
    UpdateUrlButtons();
}

// --- applying ---

void TPrefForm::Apply() {
    if (PageControl1->currentIndex() == static_cast<int>(PrefTab::Klavesy))
        StoreShortcut();
    ApplyShortcuts();
    if (PluginPage) {
        main_.Plugins() = PluginPage->Result();
        main_.ApplyPlugins();
    }
    const PrefEffect effect = ApplyPrefs(ReadControls(), main_.HostSettings(), main_.HostStore());
    for (TMDIChild* document : main_.Documents())
        document->ApplyPreferences(effect.Recolor);
    main_.TabC->SetFullPath(main_.HostSettings().KartaPath);
    main_.Inspector->Inspector().ReadCurrentTag();
    if (effect.MenuBitmapsOff)
        QCoreApplication::setAttribute(Qt::AA_DontShowIconsInMenus, true);
    emit main_.LinkDatabaseChanged();
}

// --- dropped plug-ins ---

void TPrefForm::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void TPrefForm::dropEvent(QDropEvent* event) {
    QStringList files;
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile())
            files.append(url.toLocalFile());
    PageControl1->setCurrentIndex(static_cast<int>(PrefTab::Plugin));
    PluginPage->Install(files);
    event->acceptProposedAction();
}

} // namespace zn::app::ui
