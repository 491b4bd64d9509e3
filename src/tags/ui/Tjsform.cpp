// The script events dialog.
#include "tags/ui/Tjsform.h"

#include "tags/ui/DialogButtons.h"
#include "tags/ui/TagPanelPanels.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zn::tags::ui {

Tjsform::Tjsform(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Události pro JavaScripty"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Události pro JavaScripty:"), this));
    JSGrid = new QTableWidget(0, 2, this);
    JSGrid->setObjectName(QStringLiteral("JSGrid"));
    JSGrid->setHorizontalHeaderLabels({QStringLiteral("Událost"), QStringLiteral("Reakce")});
    JSGrid->verticalHeader()->hide();
    JSGrid->setColumnWidth(0, 110);
    // The reactions take the rest of the width whatever the dialog's size.
    JSGrid->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(JSGrid);
    layout->addWidget(OkStornoButtons(this));
    resize(460, 340);
}

bool Tjsform::ReadTag(const editor::THTMLRichEdit& edit) {
    std::vector<TEventRow> rows = ReadEvents(edit);
    if (rows.empty()) {
        return false;
    }
    rows_ = std::move(rows);
    JSGrid->setRowCount(static_cast<int>(rows_.size()));
    for (int r = 0; r < JSGrid->rowCount(); ++r) {
        auto* name = new QTableWidgetItem(QString::fromLatin1(rows_[r].Event));
        name->setFlags(name->flags() & ~Qt::ItemIsEditable);
        JSGrid->setItem(r, 0, name);
        auto* value = new QTableWidgetItem(FromBytes(rows_[r].OldValue));
        // A long script shows whole in the cell's tool tip.
        value->setToolTip(value->text());
        JSGrid->setItem(r, 1, value);
    }
    JSGrid->setCurrentCell(0, 1);
    return true;
}

std::vector<TEventRow> Tjsform::Rows() const {
    std::vector<TEventRow> rows = rows_;
    for (int r = 0; r < static_cast<int>(rows.size()) && r < JSGrid->rowCount(); ++r) {
        if (const QTableWidgetItem* item = JSGrid->item(r, 1)) {
            rows[r].Value = ToBytes(item->text());
        }
    }
    return rows;
}

void Tjsform::accept() {
    const QModelIndex current = JSGrid->currentIndex();
    if (auto* editor = qobject_cast<QLineEdit*>(JSGrid->indexWidget(current))) {
        if (QTableWidgetItem* item = JSGrid->item(current.row(), current.column())) {
            item->setText(editor->text());
        }
    }
    QDialog::accept();
}

} // namespace zn::tags::ui
