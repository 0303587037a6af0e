#include "ConsoleDialogs.h"

#include "ConsoleOutput.h"

namespace cli {

platform::Button ConsoleDialogs::message(platform::MessageKind kind, const QString &text,
                                         platform::Buttons buttons) {
    const QString line = QStringLiteral("tovrane-batch: ") + text;
    if (kind == platform::MessageKind::Information)
        output_.notice(line);
    else
        output_.error(line);
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
