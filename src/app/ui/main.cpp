// Entry point of the editor: each file named on the command line in its own window.
#include "editor/THTMLRichEdit.h"
#include "editor/ui/HtmlEditView.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>

#include <memory>
#include <vector>

namespace {

struct Window {
    std::unique_ptr<zn::editor::THTMLRichEdit> edit;
    std::unique_ptr<zn::editor::ui::HtmlEditView> view;
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Značkář"));
    std::vector<Window> windows;
    QStringList files = QApplication::arguments().mid(1);
    if (files.isEmpty()) {
        files << QString();
    }
    for (const QString& name : files) {
        Window w;
        w.edit = std::make_unique<zn::editor::THTMLRichEdit>();
        w.edit->SyntaxHighLighting = true;
        if (!name.isEmpty()) {
            QFile file(name);
            if (!file.open(QIODevice::ReadOnly)) {
                QMessageBox::critical(nullptr, QStringLiteral("Značkář"),
                                      QStringLiteral("Nelze otevřít soubor ") + name);
                continue;
            }
            const QByteArray bytes = file.readAll();
            w.edit->Model().Load(std::string_view(bytes.constData(), bytes.size()));
        }
        w.edit->ColorAll();
        w.view = std::make_unique<zn::editor::ui::HtmlEditView>(*w.edit);
        w.view->setWindowTitle(name.isEmpty() ? QStringLiteral("BezJmena1") : name);
        w.view->resize(900, 650);
        w.view->show();
        windows.push_back(std::move(w));
    }
    if (windows.empty()) {
        return 1;
    }
    return app.exec();
}
