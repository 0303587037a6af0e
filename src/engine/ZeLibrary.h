#pragma once

#include "engine/ZeAbi.h"

#include <QByteArray>
#include <QLibrary>
#include <QString>

// One engine library and its entry point, loaded on first use from a given
// folder and unloaded when this object goes (or on release()).
class ZeLibrary {
  public:
    ZeLibrary(const QString &baseName, const char *entryName);
    ~ZeLibrary();
    ZeLibrary(const ZeLibrary &) = delete;
    ZeLibrary &operator=(const ZeLibrary &) = delete;

    // The entry point, loading "lib<baseName>.so" from `folder` first if
    // needed; null when the library or its entry point cannot be found. Only
    // that folder is tried, never the system's search path, so a stray copy
    // elsewhere is never picked up.
    ZeEntryPoint bind(const QString &folder);
    // Another entry point of the bound library that it may lack: null then.
    ZeEntryPoint optional(const char *name);
    void release();

  private:
    QString baseName_;
    QByteArray entryName_;
    QLibrary library_;
    ZeEntryPoint entry_ = nullptr;
};
