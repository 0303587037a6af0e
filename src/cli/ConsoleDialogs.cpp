#include "ConsoleDialogs.h"

#include "ConsoleOutput.h"

namespace cli {

platform::Button ConsoleDialogs::message(platform::MessageKind, const QString &text,
                                         platform::Buttons buttons) {
    output_.error(QStringLiteral("tovrane-batch: ") + text);
    for (const platform::Button safe :
         {platform::No, platform::Cancel, platform::Ok, platform::Yes})
        if (buttons & safe)
            return safe;
    return platform::NoButton;
}

std::optional<QString> ConsoleDialogs::saveFileName(const platform::SaveRequest &) {
    return std::nullopt;
}

}  // namespace cli
