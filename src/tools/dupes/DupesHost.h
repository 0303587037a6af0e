#pragma once

namespace tools {

// What the duplicate search needs from the window that shows it. The
// duplicate window implements it; tests and headless callers can too.
class DupesHost {
  public:
    virtual ~DupesHost() = default;
    // False once the user asked the search to stop reading.
    virtual bool keepGoing() const = 0;
    virtual void setProgress(int percent) = 0;
    // Lets pending window messages run (Stop, closing the window).
    virtual void pumpMessages() = 0;
};

}  // namespace tools
