// The dialog of installed encodings.
#include "editor/ui/TEncodingsForm.h"

#include "base/Cp1250.h"
#include "editor/Encodings.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMimeData>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace zn::editor::ui {

TEncodingsForm::TEncodingsForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("EncodingsForm"));
    setWindowTitle(QStringLiteral("Instalované typy kódování"));
    setAcceptDrops(true);
    auto* layout = new QHBoxLayout(this);
    EncLV = new QTreeWidget(this);
    EncLV->setObjectName(QStringLiteral("EncLV"));
    EncLV->setRootIsDecorated(false);
    EncLV->setSelectionMode(QAbstractItemView::ExtendedSelection);
    EncLV->setHeaderLabels({QStringLiteral("Kódování"), QStringLiteral("Soubor")});
    EncLV->setColumnWidth(0, 150);
    EncLV->setColumnWidth(1, 169);
    EncLV->setContextMenuPolicy(Qt::ActionsContextMenu);
    layout->addWidget(EncLV, 1);

    auto* side = new QVBoxLayout;
    AddButton = new QPushButton(QStringLiteral("&Přidat"), this);
    RemoveButton = new QPushButton(QStringLiteral("O&debrat"), this);
    auto* buttons = new QDialogButtonBox(Qt::Vertical, this);
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    buttons->addButton(QStringLiteral("&Storno"), QDialogButtonBox::RejectRole);
    side->addWidget(AddButton);
    side->addWidget(RemoveButton);
    side->addStretch();
    side->addWidget(buttons);
    layout->addLayout(side);

    InsertItem = new QAction(QStringLiteral("Přidat"), this);
    InsertItem->setShortcut(Qt::Key_Insert);
    DeleteItem = new QAction(QStringLiteral("Odebrat"), this);
    DeleteItem->setShortcut(Qt::Key_Delete);
    EncLV->addAction(InsertItem);
    EncLV->addAction(DeleteItem);

    connect(AddButton, &QPushButton::clicked, this, &TEncodingsForm::AddFiles);
    connect(InsertItem, &QAction::triggered, this, &TEncodingsForm::AddFiles);
    connect(RemoveButton, &QPushButton::clicked, this, &TEncodingsForm::RemoveSelected);
    connect(DeleteItem, &QAction::triggered, this, &TEncodingsForm::RemoveSelected);
    connect(EncLV, &QTreeWidget::itemSelectionChanged, this, &TEncodingsForm::UpdateButtons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    resize(480, 260);
    UpdateButtons();
}

void TEncodingsForm::UpdateButtons() {
    const bool any = !EncLV->selectedItems().isEmpty();
    RemoveButton->setEnabled(any);
    DeleteItem->setEnabled(any);
}

void TEncodingsForm::SetPaths(const std::vector<std::string>& paths) {
    EncLV->clear();
    for (const std::string& path : paths) {
        AddPath(path);
    }
    UpdateButtons();
}

bool TEncodingsForm::AddPath(const std::string& path) {
    const QString file = QString::fromStdString(path);
    for (int i = 0; i < EncLV->topLevelItemCount(); ++i) {
        if (EncLV->topLevelItem(i)->text(1) == file) {
            return false;
        }
    }
    TEncoding encoding;
    QString name;
    QIcon icon = style()->standardIcon(QStyle::SP_FileIcon);
    switch (ReadEncodingFile(path, &encoding)) {
    case EncodingFileKind::Encoding:
        name = QString::fromStdString(base::Cp1250ToUtf8(encoding.Name));
        break;
    case EncodingFileKind::NotEncoding:
        name = QStringLiteral("Není soubor kódování");
        icon = style()->standardIcon(QStyle::SP_MessageBoxWarning);
        break;
    case EncodingFileKind::Unreadable:
        name = QStringLiteral("Nelze přečíst");
        icon = style()->standardIcon(QStyle::SP_MessageBoxCritical);
        break;
    }
    auto* row = new QTreeWidgetItem(EncLV, {name, file});
    row->setIcon(0, icon);
    return true;
}

std::vector<std::string> TEncodingsForm::Paths() const {
    std::vector<std::string> paths;
    for (int i = 0; i < EncLV->topLevelItemCount(); ++i) {
        paths.push_back(EncLV->topLevelItem(i)->text(1).toStdString());
    }
    return paths;
}

void TEncodingsForm::RemoveSelected() {
    qDeleteAll(EncLV->selectedItems());
    UpdateButtons();
}

void TEncodingsForm::AddFiles() {
    QFileDialog dialog(this, QStringLiteral("Vložení souboru kódování"));
    dialog.setFileMode(QFileDialog::ExistingFiles);
    const QStringList filters = {QStringLiteral("všechny soubory (*)"),
                                 QStringLiteral("soubory kódování (*.enc *.ENC)")};
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters[1]);
    if (!LastFile.isEmpty()) {
        dialog.selectFile(LastFile);
    }
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    for (const QString& file : dialog.selectedFiles()) {
        AddPath(file.toStdString());
        LastFile = file;
    }
}

void TEncodingsForm::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) {
        event->acceptProposedAction();
    }
}

void TEncodingsForm::dropEvent(QDropEvent* event) {
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile()) {
            AddPath(url.toLocalFile().toStdString());
        }
    }
    event->acceptProposedAction();
}

} // namespace zn::editor::ui
