#pragma once

#include <QCoreApplication>
#include <QString>
#include <functional>

class ErrorLogModel;

// The question at the end of a batch: when `log` holds a line, asks whether
// to view it and calls `show` on Yes. Returns whether it was shown.
// `operation` names the batch in the question: "zipping" (also for the
// deletions, whose question is the zip batch's) or "unzipping".
bool offerErrorLog(const ErrorLogModel &log, const std::function<void()> &show,
                   const QString &operation = QCoreApplication::translate("TMainform", "zipping"));
