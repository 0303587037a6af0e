#pragma once

#include <QCoreApplication>
#include <QFile>
#include <QString>

// The engine libraries sit beside the test programs once they are built.
inline bool engineLibrariesBuilt() {
    const QString folder = QCoreApplication::applicationDirPath();
    return QFile::exists(folder + "/libzezip.so") && QFile::exists(folder + "/libzeunzip.so");
}

#define REQUIRE_ENGINE_LIBRARIES()                        \
    do {                                                  \
        if (!engineLibrariesBuilt())                      \
            GTEST_SKIP() << "engine libraries not built"; \
    } while (0)
