#pragma once

class TMainform;
class TTrash_Removal;

// The "Rezip" button: asks, lets the File Filter Removal window choose the
// file types to remove, waits on the main window's RezipChoice, then runs
// the re-zip batch over the selected archives.
class RezipCommand {
  public:
    RezipCommand(TMainform &form, TTrash_Removal &filters) : form_(form), filters_(filters) {}
    void BitBtn3Click();

  private:
    void run();
    // True when the user went on with "Rezip".
    bool chooseFilters();

    TMainform &form_;
    TTrash_Removal &filters_;
};
