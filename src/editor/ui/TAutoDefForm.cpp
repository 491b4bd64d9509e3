// The definitions window of automatic insertion: binds the list and the text box to the core
// list, and reads and writes ".chn" files.
#include "editor/ui/TAutoDefForm.h"

#include "base/Cp1250.h"
#include "base/FileIO.h"
#include "base/Prompter.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace zn::editor::ui {
namespace {

const QString kFilter = QStringLiteral("Soubory automatické záměny (*.chn)");
const QString kAllFiles = QStringLiteral("Všechny soubory (*.*) (*)");

QString ToUi(std::string_view bytes) {
    return QString::fromStdString(base::Cp1250ToUtf8(bytes));
}

std::string FromUi(const QString& text) {
    return base::Utf8ToCp1250(text.toStdString());
}

} // namespace

TAutoDefForm::TAutoDefForm(base::Prompter& prompter, QWidget* parent)
    : QMainWindow(parent, Qt::Window), prompter_(prompter) {
    setObjectName(QStringLiteral("AutoDefForm"));
    setWindowTitle(QStringLiteral("Definice automatického vkládání"));
    auto* central = new QWidget(this);
    auto* grid = new QGridLayout(central);
    ZnackyLB = new QListWidget(central);
    ZnackyLB->setObjectName(QStringLiteral("ZnackyLB"));
    Memo1 = new QPlainTextEdit(central);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    auto* listLabel = new QLabel(QStringLiteral("&Značky:"), central);
    listLabel->setBuddy(ZnackyLB);
    auto* textLabel = new QLabel(QStringLiteral("&Text:"), central);
    textLabel->setBuddy(Memo1);
    UpButton = new QToolButton(central);
    UpButton->setObjectName(QStringLiteral("UpButton"));
    UpButton->setArrowType(Qt::UpArrow);
    DownButton = new QToolButton(central);
    DownButton->setObjectName(QStringLiteral("DownButton"));
    DownButton->setArrowType(Qt::DownArrow);
    auto* arrows = new QVBoxLayout;
    arrows->addStretch();
    arrows->addWidget(UpButton);
    arrows->addWidget(DownButton);
    arrows->addStretch();
    grid->addWidget(listLabel, 0, 0);
    grid->addWidget(ZnackyLB, 1, 0);
    grid->addLayout(arrows, 1, 1);
    grid->addWidget(textLabel, 0, 2);
    grid->addWidget(Memo1, 1, 2);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(2, 2);
    setCentralWidget(central);
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    BuildActions();
    BuildMenus();
    resize(720, 440);

    connect(UpButton, &QToolButton::clicked, this, [this] { Change([this] { list_.Move(-1); }); });
    connect(DownButton, &QToolButton::clicked, this, [this] { Change([this] { list_.Move(1); }); });
    connect(ZnackyLB, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!filling_) {
            list_.Select(row);
            ShowText();
        }
    });
    connect(ZnackyLB, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        const int row = ZnackyLB->row(item);
        if (!filling_ && row >= 0) {
            list_.Items()[static_cast<std::size_t>(row)].Ticked = item->checkState() == Qt::Checked;
        }
    });
    // The text box writes through, so leaving it, saving and closing always find it stored.
    connect(Memo1, &QPlainTextEdit::textChanged, this, [this] {
        if (!filling_ && list_.Current()) {
            list_.Current()->Text = TextFromLines(FromUi(Memo1->toPlainText()));
        }
    });
    Timer1 = new QTimer(this);
    Timer1->setInterval(100);
    connect(Timer1, &QTimer::timeout, this, &TAutoDefForm::UpdateControls);
    Timer1->start();
    ShowList();
}

QAction* TAutoDefForm::MakeAction(const char* name, const QString& caption, const QKeySequence& key,
                                  std::function<void()> run) {
    auto* action = new QAction(caption, this);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(key);
    connect(action, &QAction::triggered, this, [run = std::move(run)] { run(); });
    addAction(action);
    return action;
}

void TAutoDefForm::BuildActions() {
    AddItem =
        MakeAction("AddItem", QStringLiteral("Přidat..."), Qt::Key_F3, [this] { AddItemClick(); });
    DeleteItem = MakeAction("DeleteItem", QStringLiteral("Odebrat"), Qt::Key_F8,
                            [this] { Change([this] { list_.Remove(); }); });
    RenameItem = MakeAction("RenameItem", QStringLiteral("Přejmenovat..."), Qt::CTRL | Qt::Key_R,
                            [this] { RenameItemClick(); });
    SaveButton = MakeAction("SaveButton", QStringLiteral("Uložit do souboru"), {},
                            [this] { SaveButtonClick(); });
    LoadButton = MakeAction("LoadButton", QStringLiteral("Načíst ze souboru"), {},
                            [this] { LoadButtonClick(); });
    SelectAllItem = MakeAction("SelectAllItem", QStringLiteral("Vybrat všechny"), {},
                               [this] { Change([this] { list_.TickAll(true); }); });
    SelectNoneItem = MakeAction("SelectNoneItem", QStringLiteral("Nevybrat žádnou"), {},
                                [this] { Change([this] { list_.TickAll(false); }); });
    InvertItem = MakeAction("InvertItem", QStringLiteral("Invertovat výběr"), {},
                            [this] { Change([this] { list_.InvertTicks(); }); });
    SortItem = MakeAction("SortItem", QStringLiteral("Setřídit dle abecedy"), {},
                          [this] { Change([this] { list_.Sort(); }); });
    ClearItem = MakeAction("ClearItem", QStringLiteral("Smazat všechny"), {},
                           [this] { Change([this] { list_.Clear(); }); });
    TryButton =
        MakeAction("TryButton", QStringLiteral("Vyzkoušet"), {}, [this] { TryButtonClick(); });
    CutItem = MakeAction("CutItem", QStringLiteral("Vyjmout"), Qt::CTRL | Qt::Key_X,
                         [this] { Memo1->cut(); });
    CopyItem = MakeAction("CopyItem", QStringLiteral("Kopírovat"), Qt::CTRL | Qt::Key_C,
                          [this] { Memo1->copy(); });
    PasteItem = MakeAction("PasteItem", QStringLiteral("Vložit"), Qt::CTRL | Qt::Key_V,
                           [this] { Memo1->paste(); });
    AddItem->setIcon(QIcon::fromTheme(QStringLiteral("list-add")));
    DeleteItem->setIcon(QIcon::fromTheme(QStringLiteral("list-remove")));
    SaveButton->setIcon(QIcon::fromTheme(QStringLiteral("document-save")));
    LoadButton->setIcon(QIcon::fromTheme(QStringLiteral("document-open")));
    AddItem->setToolTip(QStringLiteral("Přidání položky"));
    DeleteItem->setToolTip(QStringLiteral("Smazání položky"));
}

void TAutoDefForm::BuildMenus() {
    QMenu* items = menuBar()->addMenu(QStringLiteral("&Značky"));
    items->addActions({AddItem, DeleteItem, RenameItem});
    items->addSeparator();
    items->addActions({SelectAllItem, SelectNoneItem, InvertItem});
    items->addSeparator();
    items->addActions({SortItem, ClearItem});
    QMenu* edit = menuBar()->addMenu(QStringLiteral("Ú&pravy"));
    edit->addActions({CutItem, CopyItem, PasteItem});
    QToolBar* panel = addToolBar(QStringLiteral("Nástroje"));
    panel->setObjectName(QStringLiteral("ToolPanel"));
    panel->setMovable(false);
    panel->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    addToolBar(Qt::LeftToolBarArea, panel);
    auto* add = new QAction(AddItem->icon(), QStringLiteral("Přidání položky"), panel);
    auto* remove = new QAction(DeleteItem->icon(), QStringLiteral("Smazání položky"), panel);
    connect(add, &QAction::triggered, AddItem, &QAction::trigger);
    connect(remove, &QAction::triggered, DeleteItem, &QAction::trigger);
    connect(DeleteItem, &QAction::enabledChanged, remove, &QAction::setEnabled);
    panel->addActions({add, remove});
    panel->addSeparator();
    panel->addActions({SaveButton, LoadButton});
    panel->addSeparator();
    panel->addActions({SelectAllItem, SelectNoneItem, InvertItem});
    panel->addSeparator();
    panel->addAction(TryButton);
}

void TAutoDefForm::Change(const std::function<void()>& change) {
    change();
    ShowList();
}

void TAutoDefForm::ShowList() {
    filling_ = true;
    ZnackyLB->clear();
    for (const TAutoDef& item : list_.Items()) {
        auto* row = new QListWidgetItem(ToUi(item.Abbreviation), ZnackyLB);
        row->setFlags(row->flags() | Qt::ItemIsUserCheckable);
        row->setCheckState(item.Ticked ? Qt::Checked : Qt::Unchecked);
    }
    ZnackyLB->setCurrentRow(list_.Selected());
    filling_ = false;
    ShowText();
    statusBar()->showMessage(QStringLiteral("Značek: %1").arg(list_.Items().size()));
    UpdateControls();
}

void TAutoDefForm::ShowText() {
    filling_ = true;
    const TAutoDef* current = list_.Current();
    Memo1->setPlainText(
        current ? ToUi(InsertedText(*current)).replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
                : QString());
    filling_ = false;
    Memo1->setVisible(current != nullptr);
}

void TAutoDefForm::SelectItem(int index) {
    ZnackyLB->setCurrentRow(index);
}

void TAutoDefForm::UpdateControls() {
    const int selected = list_.Selected();
    const bool any = selected >= 0;
    UpButton->setEnabled(selected > 0);
    DownButton->setEnabled(any && selected < static_cast<int>(list_.Items().size()) - 1);
    for (QAction* action : {RenameItem, DeleteItem, TryButton, SaveButton, SortItem, SelectAllItem,
                            SelectNoneItem, InvertItem, ClearItem}) {
        action->setEnabled(any);
    }
    Memo1->setVisible(any);
    const bool memoSelection = any && Memo1->textCursor().hasSelection();
    CutItem->setEnabled(memoSelection);
    CopyItem->setEnabled(memoSelection);
    const QMimeData* clip = QApplication::clipboard()->mimeData();
    PasteItem->setEnabled(any && clip && clip->hasText());
}

void TAutoDefForm::ComeBack() {
    // A closed question gives the focus to its own parent, the main window; the keys the user
    // types next belong here.
    if (isVisible()) {
        raise();
        activateWindow();
    }
}

void TAutoDefForm::AddItemClick() {
    while (true) {
        const auto name = prompter_.InputLine("Zadejte značku", "Zadejte značku", "");
        ComeBack();
        if (!name || name->empty()) {
            return;
        }
        if (list_.Add(base::Utf8ToCp1250(*name))) {
            ShowList();
            return;
        }
        prompter_.Tell("Značka stejného již existuje!", base::Severity::Warning);
    }
}

void TAutoDefForm::RenameItemClick() {
    const TAutoDef* current = list_.Current();
    if (!current) {
        return;
    }
    const auto name = prompter_.InputLine("Změňte značku", "Změňte značku",
                                          base::Cp1250ToUtf8(current->Abbreviation));
    ComeBack();
    if (name && !name->empty()) {
        Change([this, &name] { list_.Rename(base::Utf8ToCp1250(*name)); });
    }
}

bool TAutoDefForm::SaveFile(const QString& fileName) {
    const base::FileResult written =
        base::WriteFileAtomically(fileName.toStdString(), ChnBytes(list_.Items()));
    if (!written.ok) {
        prompter_.Tell(written.message, base::Severity::Error);
        return false;
    }
    if (OnFileUsed) {
        OnFileUsed(fileName);
    }
    return true;
}

bool TAutoDefForm::LoadFile(const QString& fileName) {
    std::string bytes;
    const base::FileResult read = base::ReadDocumentFile(fileName.toStdString(), bytes);
    if (!read.ok) {
        prompter_.Tell(read.message, base::Severity::Error);
        return false;
    }
    const ChnContent content = ParseChn(bytes);
    list_.Clear();
    list_.Items() = content.Items;
    list_.Select(0);
    ShowList();
    if (OnFileUsed) {
        OnFileUsed(fileName);
    }
    const std::string skipped = SkippedRecordsMessage(content, fileName.toStdString());
    if (!skipped.empty()) {
        prompter_.Tell(skipped, base::Severity::Warning);
    }
    return true;
}

void TAutoDefForm::SaveButtonClick() {
    QString name;
    if (AskSaveName) {
        name = AskSaveName();
    } else {
        QFileDialog dialog(this, QStringLiteral("Uložit do souboru"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setNameFilter(kFilter);
        dialog.setDefaultSuffix(QStringLiteral("chn"));
        dialog.selectFile(SaveFileName);
        if (dialog.exec() == QDialog::Accepted) {
            name = dialog.selectedFiles().value(0);
        }
    }
    if (!name.isEmpty() && SaveFile(name)) {
        SaveFileName = name;
    }
}

void TAutoDefForm::LoadButtonClick() {
    QString name;
    if (AskOpenName) {
        name = AskOpenName();
    } else {
        QFileDialog dialog(this, QStringLiteral("Načíst ze souboru"));
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setNameFilters({kFilter, kAllFiles});
        dialog.selectFile(OpenFileName);
        if (dialog.exec() == QDialog::Accepted) {
            name = dialog.selectedFiles().value(0);
        }
    }
    if (!name.isEmpty() && LoadFile(name)) {
        OpenFileName = name;
    }
}

void TAutoDefForm::TryButtonClick() {
    const ExpandResult result = ExpandFunctions(
        InsertedText({{}, TextFromLines(FromUi(Memo1->toPlainText())), true}), Clock());
    if (!result.Ok()) {
        prompter_.Tell(result.Error, base::Severity::Error);
        return;
    }
    if (!resultForm_) {
        resultForm_ = new QDialog(this);
        resultForm_->setObjectName(QStringLiteral("ResultForm"));
        resultForm_->setWindowTitle(QStringLiteral("Výsledek po provedení funkcí"));
        auto* layout = new QVBoxLayout(resultForm_);
        resultText_ = new QPlainTextEdit(resultForm_);
        resultText_->setReadOnly(true);
        layout->addWidget(resultText_);
        auto* buttons = new QDialogButtonBox(resultForm_);
        buttons->addButton(QStringLiteral("Zavřít"), QDialogButtonBox::RejectRole);
        connect(buttons, &QDialogButtonBox::rejected, resultForm_, &QDialog::reject);
        layout->addWidget(buttons);
        resultForm_->resize(420, 240);
    }
    resultText_->setPlainText(
        ToUi(result.Text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    resultForm_->open();
}

} // namespace zn::editor::ui
