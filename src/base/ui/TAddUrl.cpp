// The one-line input box used for link addresses and for new file names.
#include "base/ui/TAddUrl.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zn::base::ui {

TAddUrl::TAddUrl(QWidget* parent) : QDialog(parent), URLEdit(new QLineEdit(this)) {
    URLEdit->setObjectName(QStringLiteral("URLEdit"));
    URLEdit->setMinimumWidth(360);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("Storno"), QDialogButtonBox::RejectRole);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(URLEdit);
    layout->addWidget(buttons);
}

std::optional<QString> TAddUrl::Execute(QWidget* parent, const QString& caption,
                                        const QString& initial) {
    TAddUrl box(parent);
    box.setWindowTitle(caption);
    box.URLEdit->setText(initial);
    box.URLEdit->selectAll();
    if (box.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return box.URLEdit->text();
}

} // namespace zn::base::ui
