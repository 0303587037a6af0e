#pragma once

#include <QLocale>
#include <QString>

class QCoreApplication;

// The window program's texts in the user's language: Tovrane's own
// translation and Qt's, for the buttons of the standard dialogs. Only the
// window program installs them; tovrane-batch speaks English whatever the
// locale, since scripts read what it writes.
namespace translations {

// The folder of tovrane_<language>.qm: "translations" beside the program in
// a build, share/tovrane/translations when installed.
QString folder();

// Installs the translators that `locale` finds (none for English or a
// language without a translation) on `app`, which owns them. Returns whether
// Tovrane's own translation was found.
bool install(QCoreApplication &app, const QLocale &locale = QLocale());

}  // namespace translations
