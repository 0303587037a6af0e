#pragma once

#include <QCoreApplication>
#include <QFile>
#include <QString>

// The engine libraries sit beside the test programs once they are built.
inline bool engineLibrariesBuilt() {
    const QString folder = QCoreApplication::applicationDirPath();
    return QFile::exists(folder + "/libzezip.so") && QFile::exists(folder + "/libzeunzip.so");
}

// The build puts them there, so their absence is a failure, not a skip.
#define REQUIRE_ENGINE_LIBRARIES() \
    ASSERT_TRUE(engineLibrariesBuilt()) << "engine libraries missing beside the tests"
