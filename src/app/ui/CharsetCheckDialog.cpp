// The charset question before saving: the list of characters and the five answers.
#include "app/ui/CharsetCheckDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace zn::app::ui {

CharsetCheckDialog::CharsetCheckDialog(const QString& fileName, editor::PageEncoding declared,
                                       const std::vector<editor::UnfitCharacter>& unfit,
                                       QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("CharsetCheckDialog"));
    setWindowTitle(QStringLiteral("Kódování stránky"));
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(
        QStringLiteral("Stránka %1 uvádí kódování %2, které neumí tyto znaky. Čím je nahradit?")
            .arg(fileName, QString::fromStdString(editor::PageEncodingName(declared))),
        this);
    label->setWordWrap(true);
    layout->addWidget(label);
    auto* list = new QListWidget(this);
    for (const editor::UnfitCharacter& u : unfit) {
        QStringList lines;
        for (editor::Position line : u.lines) {
            lines << QString::number(line);
        }
        list->addItem(
            QStringLiteral("%1   U+%2   %3 %4")
                .arg(QString::fromStdString(u.text))
                .arg(QString::number(static_cast<uint>(u.character), 16).toUpper())
                .arg(lines.size() == 1 ? QStringLiteral("řádek") : QStringLiteral("řádky"))
                .arg(lines.join(QStringLiteral(", "))));
    }
    layout->addWidget(list);
    auto* buttons = new QDialogButtonBox(this);
    const std::pair<QString, Choice> answers[] = {
        {QStringLiteral("Pojmenované entity"), NamedEntities},
        {QStringLiteral("Číselné entity"), NumericEntities},
        {QStringLiteral("Náhrady ASCII"), Ascii},
        {QStringLiteral("Uložit beze změny"), SaveUnchanged},
        {QStringLiteral("Zrušit"), Cancel},
    };
    for (const auto& [text, choice] : answers) {
        QPushButton* button = buttons->addButton(text, QDialogButtonBox::ActionRole);
        connect(button, &QPushButton::clicked, this, [this, choice = choice] {
            chosen_ = choice;
            choice == Cancel ? reject() : accept();
        });
    }
    layout->addWidget(buttons);
}

} // namespace zn::app::ui
