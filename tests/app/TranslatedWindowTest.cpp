// The window in the user's language: the program started under
// LANG=de_DE.UTF-8 (as ctest runs this program) shows its menus, buttons,
// panels, tool windows and error-log lines in German, Qt's standard buttons
// too; French the same way; English keeps the texts as written.
#include "AppFixture.h"

#include "app/BrowserCommands.h"
#include "app/SecondaryWindows.h"
#include "app/Translations.h"
#include "batch/OutcomeLine.h"
#include "platform/AppPaths.h"
#include "tools/crc/ui/TCRC32_Form.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QMenu>
#include <QTranslator>

namespace {

class TranslatedWindow : public AppFixture {
  protected:
    TranslatedWindow() {
        // The program's folder gets the translations the build put beside
        // the test programs, as an installed or built Tovrane has them.
        const QDir built(QCoreApplication::applicationDirPath() + QStringLiteral("/translations"));
        tmp.mkdir("app/translations");
        for (const QString &name : built.entryList({QStringLiteral("*.qm")}, QDir::Files))
            QFile::copy(built.filePath(name), tmp.path("app/translations/" + name));
    }
    ~TranslatedWindow() override { closeProgram(); }
    void closeProgram() {
        app.reset();
        for (QTranslator *t : qApp->findChildren<QTranslator *>(Qt::FindDirectChildrenOnly)) {
            QCoreApplication::removeTranslator(t);
            delete t;
        }
    }

    QString menuTitle(const char *name) { return widget<QMenu>(name).title(); }
    QStringList groupTitles() {
        QStringList titles;
        for (const QGroupBox *g : form().findChildren<QGroupBox *>())
            titles << g->title();
        return titles;
    }
};

struct Shown {
    const char *locale;
    bool translated;
    const char *fileMenu;
    const char *zipButton;
    const char *zipGroup;
    const char *crcTitle;
    const char *selected;  // the status after selecting two files
    const char *logLine;   // "a.zip" and code 100
};

const Shown kShown[] = {
    {"de_DE", true, "&Datei", "&Packen", "Schnelloptionen zum Packen", "Tovrane CRC32-Bericht",
     "2 Dateien ausgewählt.", "a.zip übersprungen. (ZIP-Datei nicht gefunden)"},
    {"fr_FR", true, "&Fichier", "&Compr.", "Options rapides de compression",
     "Rapport CRC32 de Tovrane", "2 fichiers sélectionnés.",
     "a.zip ignoré. (Fichier zip introuvable)"},
    {"en_GB", false, "&File", "&Zip", "Quick Zipping Options", "Tovrane CRC32 Reporting Tool",
     "2 files selected.", "a.zip skipped. (Cannot find zip file)"},
};

}  // namespace

TEST_F(TranslatedWindow, StartsInTheLanguageOfTheSystemLocale) {
    // Set by the test's environment; without it nothing here would say German.
    ASSERT_EQ(QLocale::system().name().toStdString(), "de_DE") << "run with LANG=de_DE.UTF-8";
    ASSERT_TRUE(translations::install(*qApp));
    startProgram();
    EXPECT_EQ(form().findAction("Zip")->iconText(), "&Packen");
    EXPECT_EQ(menuTitle("settingsMenu"), "E&instellungen");
    EXPECT_EQ(app->windows().crcReport->windowTitle(), "Tovrane CRC32-Bericht");
    // Qt's own texts, for the buttons of message boxes and file dialogs.
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Abbrechen");
}

TEST_F(TranslatedWindow, ShowsEachLanguageItHasAndEnglishOtherwise) {
    for (const Shown &s : kShown) {
        SCOPED_TRACE(s.locale);
        EXPECT_EQ(translations::install(*qApp, QLocale(QString::fromLatin1(s.locale))),
                  s.translated);
        startProgram();
        EXPECT_EQ(menuTitle("fileMenu"), s.fileMenu);
        EXPECT_EQ(form().findAction("Zip")->iconText(), s.zipButton);
        EXPECT_TRUE(groupTitles().contains(QString::fromUtf8(s.zipGroup)))
            << groupTitles().join(", ").toStdString();
        EXPECT_EQ(app->windows().crcReport->windowTitle(), QString::fromUtf8(s.crcTitle));
        EXPECT_EQ(filesSelectedText(2), QString::fromUtf8(s.selected));
        EXPECT_EQ(outcomeLine(100, QStringLiteral("a.zip")), QString::fromUtf8(s.logLine));
        closeProgram();
    }
}

// A build keeps the translations beside the program, an installed Tovrane in
// share/tovrane beside bin/; the program finds them in either.
TEST_F(TranslatedWindow, FindsTheTranslationsBuiltOrInstalled) {
    const QString built = QCoreApplication::applicationDirPath() + "/translations/tovrane_de.qm";
    const struct {
        const char *program;
        const char *translations;
    } layouts[] = {{"build/bin", "build/bin/translations"},
                   {"usr/bin", "usr/share/tovrane/translations"}};
    for (const auto &l : layouts) {
        SCOPED_TRACE(l.program);
        tmp.mkdir(l.program);
        tmp.mkdir(l.translations);
        ASSERT_TRUE(QFile::copy(built, tmp.path(QString(l.translations) + "/tovrane_de.qm")));
        platform::overrideAppFolder(tmp.path(l.program));
        EXPECT_EQ(QDir(translations::folder()).canonicalPath(),
                  QDir(tmp.path(l.translations)).canonicalPath());
        EXPECT_TRUE(translations::install(*qApp, QLocale(QLocale::German, QLocale::Germany)));
        EXPECT_EQ(QCoreApplication::translate("TMainform", "&File"), "&Datei");
        closeProgram();
    }
}
