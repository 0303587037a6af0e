#include "TovraneApp.h"

#include "AboutWindow.h"
#include "BrowserPane.h"
#include "HelpWindow.h"
#include "MainForm.h"
#include "OptionsPanel.h"
#include "SplashWindow.h"
#include "batch/ErrorLogWindow.h"
#include "engine/ZipTestWindow.h"
#include "tools/DefinableExtDialog.h"

#include <QApplication>
#include <QScreen>

namespace {

void centre(QWidget &window) {
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame = window.frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window.move(frame.topLeft());
    }
}

}  // namespace

TovraneApp::TovraneApp() {
    main_ = std::make_unique<TMainform>();
    splash_ = std::make_unique<TSplash>();
    definableExt_ = std::make_unique<TDefinable_Ext>(*main_->browser->FilterComboBox1, main_.get());
    windows_.splash = splash_.get();
    windows_.definableExt = definableExt_.get();
    main_->setSecondaryWindows(&windows_);
    QObject::connect(main_.get(), &TMainform::shown, splash_.get(), &TSplash::enableTimer);
}

TovraneApp::~TovraneApp() = default;

void TovraneApp::createRest() {
    about_ = std::make_unique<TAbout>(*main_);
    help_ = std::make_unique<THelpWindow>();
    zipTest_ = std::make_unique<Tziptest>(*main_->options->Animate1, main_.get());
    errorLog_ = std::make_unique<TErrorLog>(main_->ErrorLog);
    windows_.about = about_.get();
    windows_.help = help_.get();
    windows_.zipTest = zipTest_.get();
    windows_.errorLog = errorLog_.get();
    for (QWidget *w :
         std::initializer_list<QWidget *>{main_.get(), splash_.get(), definableExt_.get(),
                                          about_.get(), zipTest_.get(), errorLog_.get()})
        centre(*w);
}

void TovraneApp::start() {
    splash_->show();
    QApplication::processEvents();
    createRest();
    main_->show();
    splash_->raise();
}
