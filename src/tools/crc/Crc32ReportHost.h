#pragma once

#include "Crc32ReportRow.h"

namespace tools {

// What the report walk needs from the window that shows it. The report
// window implements it; tests and headless callers can too.
class Crc32ReportHost {
  public:
    virtual ~Crc32ReportHost() = default;
    // False once the user asked the run to stop (the run flag is not "GO").
    virtual bool keepGoing() const = 0;
    virtual void setProgress(int percent) = 0;
    // Appends a line under the ones already shown.
    virtual void addRow(const Crc32ReportRow &row) = 0;
    // Lets pending window messages run (Stop, closing the window).
    virtual void pumpMessages() = 0;
};

}  // namespace tools
