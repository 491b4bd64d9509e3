// File dialogs, the new-name box and associated icons for the link operations.
#include "base/ui/LinkDialogs.h"

#include "base/DesktopApps.h"
#include "base/ui/TAddUrl.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMimeDatabase>

namespace zn::base::ui {

void QtFileDialog::SetFileName(const std::string& name) {
    fileName_ = name;
    dialog_.selectFile(QString::fromStdString(name));
}

void QtFileDialog::SetInitialDir(const std::string& folder) {
    dialog_.setDirectory(QString::fromStdString(folder));
}

bool QtFileDialog::Execute() {
    if (dialog_.exec() != QDialog::Accepted || dialog_.selectedFiles().isEmpty()) {
        return false;
    }
    fileName_ = dialog_.selectedFiles().constFirst().toStdString();
    return true;
}

std::optional<std::string> LinkPrompter::InputLine(const std::string& caption,
                                                   const std::string& /*prompt*/,
                                                   const std::string& initial) {
    const auto text =
        TAddUrl::Execute(parent_, QString::fromStdString(caption), QString::fromStdString(initial));
    if (!text) {
        return std::nullopt;
    }
    return text->toStdString();
}

QString ChooseLink(QFileDialog& dialog, const QString& current, const LinkSettings& settings,
                   base::Prompter& prompter) {
    QtFileDialog files(dialog);
    return QString::fromStdString(
        base::ChooseLink(files, current.toStdString(), settings, prompter));
}

QString ChooseFile(QFileDialog& dialog, const QString& current) {
    QtFileDialog files(dialog);
    return QString::fromStdString(base::ChooseFile(files, current.toStdString()));
}

namespace {

/// The MIME type of the extension and its more general types, most specific first.
QStringList MimeTypesOf(const QString& extension) {
    const QMimeType type = QMimeDatabase().mimeTypeForFile(QStringLiteral("file.") + extension,
                                                           QMimeDatabase::MatchExtension);
    if (!type.isValid() || type.isDefault()) {
        return {};
    }
    QStringList names{type.name()};
    for (const QString& parent : type.allAncestors()) {
        if (parent != QStringLiteral("application/octet-stream")) {
            names.append(parent);
        }
    }
    return names;
}

QIcon IconOf(const std::string& icon) {
    const QString name = QString::fromStdString(icon);
    if (name.isEmpty()) {
        return {};
    }
    if (QFileInfo(name).isAbsolute()) {
        return QFileInfo::exists(name) ? QIcon(name) : QIcon();
    }
    return QIcon::fromTheme(name);
}

} // namespace

QIcon AssociatedIcon(const QString& extension, QString& program) {
    program = QString::fromUtf8(kNoProgram);
    if (extension.isEmpty()) {
        return {};
    }
    const XdgFolders folders = XdgFolders::FromEnvironment();
    for (const QString& mime : MimeTypesOf(extension)) {
        if (const auto app = DefaultApplicationFor(mime.toStdString(), folders)) {
            program =
                QString::fromStdString(app->Program.empty() ? app->DesktopFile : app->Program);
            return IconOf(app->Icon);
        }
    }
    return {};
}

} // namespace zn::base::ui
