// The settings file reader on any bytes: whatever it reads, the file written
// back has exactly eighteen lines and reads back as the same settings.
#include "FuzzTarget.h"
#include "app/SettingsFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    Settings settings;
    settingsfile::parse(bytes).applyTo(settings);
    fuzzCheck(settings.compression >= 1 && settings.compression <= 9, "compression level 1 to 9");

    const QByteArray written = settingsfile::format(settings);
    fuzzCheck(written.count("\r\n") == 18 && written.count('\r') == 18 &&
                  written.count('\n') == 18 && written.endsWith("\r\n"),
              "eighteen lines, each ended by CR LF");
    fuzzCheck(!written.contains('\0'), "no NUL written");

    Settings back;
    settingsfile::parse(written).applyTo(back);
    fuzzCheck(settingsfile::format(back) == written, "what is written reads back the same");
    return 0;
}
