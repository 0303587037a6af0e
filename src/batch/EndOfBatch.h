#pragma once

#include <functional>

class ErrorLogModel;

// The question at the end of a batch: when `log` holds a line, asks whether
// to view it and calls `show` on Yes. Returns whether it was shown.
bool offerErrorLog(const ErrorLogModel &log, const std::function<void()> &show);
