// The save dialog.
#include "app/ui/DocumentSaveDialog.h"

#include <QDir>
#include <QFileDialog>

namespace zn::app::ui {
namespace {

const QStringList& Filters() {
    static const QStringList filters{
        QStringLiteral("All files (*)"),
        QStringLiteral("HTML files (*.html)"),
        QStringLiteral("HTM files (*.htm)"),
        QStringLiteral("PHP files (*.php)"),
        QStringLiteral("PHP files (*.php3)"),
        QStringLiteral("PHP files (*.phtml)"),
        QStringLiteral("All HTML files (*.html *.htm *.php *.php3 *.phtml)"),
    };
    return filters;
}

} // namespace

QString DocumentSaveFilters() {
    return Filters().join(QStringLiteral(";;"));
}

QString RunDocumentSaveDialog(QWidget* parent, const QString& folder, const QString& name,
                              int& filterIndex) {
    QFileDialog dialog(parent, QStringLiteral("Uložit jako"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The overwrite question is the document window's own (with Yes, No and Cancel).
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setNameFilters(Filters());
    dialog.selectNameFilter(Filters().value(std::clamp(filterIndex, 1, 7) - 1));
    if (!folder.isEmpty()) {
        dialog.setDirectory(folder);
    }
    if (!name.isEmpty()) {
        dialog.selectFile(name);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    filterIndex = static_cast<int>(Filters().indexOf(dialog.selectedNameFilter())) + 1;
    return dialog.selectedFiles().first();
}

} // namespace zn::app::ui
