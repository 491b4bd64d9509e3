// Installing Qt's Czech translations once, for the life of the application.
#include "app/ui/CzechTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace zn::app::ui {

bool InstallCzechTranslations(QCoreApplication& app) {
    // "qtbase_cs" covers the widgets' dialogs; the other modules' files add their own texts.
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    bool any = false;
    for (const char* name : {"qtbase_cs", "qtmultimedia_cs", "qtwebengine_cs"}) {
        auto* translator = new QTranslator(&app);
        if (translator->load(QString::fromLatin1(name), folder) &&
            QCoreApplication::installTranslator(translator)) {
            any = true;
        } else {
            delete translator;
        }
    }
    QLocale::setDefault(QLocale(QLocale::Czech, QLocale::CzechRepublic));
    return any;
}

} // namespace zn::app::ui
