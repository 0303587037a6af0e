#include "Translations.h"

#include "platform/AppPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

namespace translations {

QString folder() {
    // Beside the program in a build; under share/tovrane when installed.
    const QString beside = platform::appFolder() + QStringLiteral("/translations");
    const QString installed =
        QDir::cleanPath(platform::appFolder() + QStringLiteral("/../share/tovrane/translations"));
    return QFileInfo::exists(beside) || !QFileInfo::exists(installed) ? beside : installed;
}

bool install(QCoreApplication &app, const QLocale &locale) {
    auto *own = new QTranslator(&app);
    const bool found = own->load(locale, QStringLiteral("tovrane"), QStringLiteral("_"), folder());
    if (found)
        QCoreApplication::installTranslator(own);
    else
        delete own;
    // Qt's own texts (Yes, No, Cancel of the message boxes, the save
    // dialog) only where Tovrane speaks the language too: a window half in
    // one language and half in another reads worse than one in English.
    if (found) {
        auto *qt = new QTranslator(&app);
        if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(qt);
        else
            delete qt;
    }
    return found;
}

}  // namespace translations
