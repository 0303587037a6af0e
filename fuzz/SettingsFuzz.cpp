// The settings file reader on any bytes: whatever it reads, the file written
// back has exactly one line per stored setting and reads back as the same
// settings.
#include "FuzzTarget.h"
#include "app/SettingsFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    OptionValues settings;
    settingsfile::parse(bytes).applyTo(settings);
    const int level = settings.number(Option::compressionLevel);
    fuzzCheck(level >= 1 && level <= 9, "compression level 1 to 9");

    const QByteArray written = settingsfile::format(settings);
    const int lines = settingsfile::lineCount();
    fuzzCheck(written.count("\r\n") == lines && written.count('\r') == lines &&
                  written.count('\n') == lines && written.endsWith("\r\n"),
              "one line per setting, each ended by CR LF");
    fuzzCheck(!written.contains('\0'), "no NUL written");

    OptionValues back;
    settingsfile::parse(written).applyTo(back);
    fuzzCheck(settingsfile::format(back) == written, "what is written reads back the same");
    return 0;
}
