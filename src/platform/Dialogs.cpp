#include "Dialogs.h"

#include <cstdio>

namespace platform {

namespace {

// The boxes of a program without windows: the text goes to the error
// stream and the answer is the most cautious one offered, so that nothing
// is deleted or replaced on a question nobody saw.
class StreamDialogs final : public Dialogs {
  public:
    Button message(MessageKind, const QString &text, Buttons buttons) override {
        std::fprintf(stderr, "Tovrane: %s\n", qUtf8Printable(text));
        for (Button answer : {No, Cancel, Ok, Yes})
            if (buttons & answer)
                return answer;
        return NoButton;
    }
    std::optional<QString> saveFileName(const SaveRequest &) override { return std::nullopt; }
};

Dialogs *installed = nullptr;
Dialogs *product = nullptr;

}  // namespace

Dialogs &dialogs() {
    static StreamDialogs stream;
    if (installed)
        return *installed;
    return product ? *product : stream;
}

void installDialogs(Dialogs *replacement) {
    installed = replacement;
}

void setProductDialogs(Dialogs *productDialogs) {
    product = productDialogs;
}

}  // namespace platform
