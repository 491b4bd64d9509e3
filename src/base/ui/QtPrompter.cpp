// Message boxes with Czech buttons.
#include "base/ui/QtPrompter.h"

#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace zn::base::ui {
namespace {

QMessageBox::Icon IconOf(Severity severity) {
    switch (severity) {
    case Severity::Information:
        return QMessageBox::Information;
    case Severity::Question:
        return QMessageBox::Question;
    case Severity::Warning:
        return QMessageBox::Warning;
    case Severity::Error:
        return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

} // namespace

Answer QtPrompter::Ask(const std::string& text, Buttons buttons, Severity severity) {
    QMessageBox box(IconOf(severity), QString::fromStdString(title_), QString::fromStdString(text),
                    QMessageBox::NoButton, parent_);
    QPushButton* ok = nullptr;
    QPushButton* yes = nullptr;
    QPushButton* no = nullptr;
    QPushButton* cancel = nullptr;
    QPushButton* all = nullptr;
    const bool yesNo = buttons == Buttons::YesNo || buttons == Buttons::YesNoCancel ||
                       buttons == Buttons::YesNoCancelAll;
    const bool withCancel = buttons == Buttons::OkCancel || buttons == Buttons::YesNoCancel ||
                            buttons == Buttons::YesNoCancelAll;
    if (buttons == Buttons::Ok || buttons == Buttons::OkCancel) {
        ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    }
    if (yesNo) {
        yes = box.addButton(QStringLiteral("&Ano"), QMessageBox::YesRole);
        no = box.addButton(QStringLiteral("&Ne"), QMessageBox::NoRole);
    }
    if (withCancel) {
        cancel = box.addButton(QStringLiteral("Storno"), QMessageBox::RejectRole);
    }
    if (buttons == Buttons::YesNoCancelAll) {
        all = box.addButton(QStringLiteral("&Vše"), QMessageBox::YesRole);
    }
    box.setEscapeButton(cancel ? cancel : (no ? no : ok));
    box.exec();
    QAbstractButton* clicked = box.clickedButton();
    if (clicked == yes && yes) {
        return Answer::Yes;
    }
    if (clicked == all && all) {
        return Answer::All;
    }
    if (clicked == ok && ok) {
        return Answer::Ok;
    }
    if (clicked == no && no) {
        return Answer::No;
    }
    return cancel ? Answer::Cancel : (no ? Answer::No : Answer::Ok);
}

void QtPrompter::Tell(const std::string& text, Severity severity) {
    Ask(text, Buttons::Ok, severity);
}

std::optional<std::string> QtPrompter::InputLine(const std::string& caption,
                                                 const std::string& prompt,
                                                 const std::string& initial) {
    // The program's one-line input box: caption, prompt, edit box, "OK" and "Storno".
    QInputDialog dialog(parent_);
    dialog.setWindowTitle(QString::fromStdString(caption));
    dialog.setLabelText(QString::fromStdString(prompt));
    dialog.setTextValue(QString::fromStdString(initial));
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Storno"));
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    const QString value = dialog.textValue();
    return value.toStdString();
}

} // namespace zn::base::ui
