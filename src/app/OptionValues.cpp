#include "OptionValues.h"

OptionValues::OptionValues() {
    for (const OptionDescriptor &d : kOptionTable) {
        Slot &s = slot(d.id);
        s.on = d.on;
        s.number = d.number;
        s.text = QString::fromUtf8(d.text);
    }
}

void OptionValues::copyFrom(const OptionValues &other, Option option) {
    const bool pinned = isPinned(option);
    slot(option) = other.slot(option);
    slot(option).pinned = pinned;
}

BatchSettings OptionValues::snapshot() const {
    BatchSettings s;
    for (const OptionDescriptor &d : kOptionTable) {
        if (d.batch.flag)
            s.*d.batch.flag = isOn(d.id);
        if (d.batch.number)
            s.*d.batch.number = number(d.id);
        if (d.batch.text)
            s.*d.batch.text = text(d.id);
    }
    return s;
}
