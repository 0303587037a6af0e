#pragma once

#include "OptionTable.h"

#include <QString>
#include <array>

// The value of every option of kOptionTable, starting at the table's
// defaults: a plain value that can be copied, compared and snapshotted.
// The window's OptionsModel holds one and tells its widgets of changes;
// tovrane-batch fills one from its command line; the settings file reads
// into one and writes one.
class OptionValues {
  public:
    OptionValues();

    bool isOn(Option option) const { return slot(option).on; }
    int number(Option option) const { return slot(option).number; }
    const QString &text(Option option) const { return slot(option).text; }
    // A folder or file option pinned to what its dialog chose.
    bool isPinned(Option option) const { return slot(option).pinned; }

    void setOn(Option option, bool on) { slot(option).on = on; }
    void setNumber(Option option, int number) { slot(option).number = number; }
    void setText(Option option, const QString &text) { slot(option).text = text; }
    void setPinned(Option option, bool pinned) { slot(option).pinned = pinned; }

    // Takes one option's value (not its pinned state) from `other`.
    void copyFrom(const OptionValues &other, Option option);

    // What a batch reads: every option that has a place in BatchSettings.
    BatchSettings snapshot() const;

  private:
    struct Slot {
        bool on = false;
        int number = 0;
        QString text;
        bool pinned = false;
    };
    const Slot &slot(Option option) const { return slots_[static_cast<std::size_t>(option)]; }
    Slot &slot(Option option) { return slots_[static_cast<std::size_t>(option)]; }

    std::array<Slot, kOptionCount> slots_;
};
