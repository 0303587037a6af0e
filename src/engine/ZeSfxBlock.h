#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

// The self-extractor settings that follow "-X", the stub and the proposed
// extraction folder in a zip argument vector. The vector slot holds a pointer to
// ZeSfxSettings; the engine reads it during the call only.
//
// The struct begins with a zero-terminated signature so that an engine that
// reads every slot as text sees the harmless text "<sfx-settings>" there.

extern "C" {
typedef struct ZeSfxSettings {
    char signature[16];       /* "<sfx-settings>" */
    uint32_t size;            /* sizeof(ZeSfxSettings), for versioning */
    const char *caption;      /* window caption of the self-extractor */
    const char *command_line; /* run after extraction, may be empty */
    uint8_t overwrite;        /* 0 ask, 1 never, 2 always */
    uint8_t ask_directory;    /* non-zero: let the user change the folder */
    uint8_t auto_run;         /* non-zero: extract without asking */
    uint8_t reserved;
    const char *const *messages; /* 5 texts */
    const char *const *prompts;  /* 7 texts */
    const char *const *labels;   /* 6 texts */
    const char *const *buttons;  /* 13 texts */
    void *icon;                  /* icon handle; none here */
} ZeSfxSettings;
}

// The component's self-extractor texts and options.
struct SfxTexts {
    QString Caption;
    QString DefaultDirectory;  // travels as its own argument, not in the block
    QString CommandLine;
    uint8_t Overwrite = 0;
    bool AskDirectory = true;
    bool AutoRun = false;
    QStringList Messages;
    QStringList Prompts;
    QStringList Labels;
    QStringList Buttons;

    // The built-in texts: 5 messages, 7 prompts, 6 labels, 13 buttons.
    static SfxTexts defaults();
};

// Owns the UTF-8 copies of every text and the block that points at them.
// Neither moves once built, so the block stays valid as long as this object.
class ZeSfxBlock {
  public:
    explicit ZeSfxBlock(const SfxTexts &texts);
    ZeSfxBlock(const ZeSfxBlock &) = delete;
    ZeSfxBlock &operator=(const ZeSfxBlock &) = delete;

    const ZeSfxSettings *settings() const { return &settings_; }
    // What the block looks like as the text of an argument slot.
    static QString slotText() { return QStringLiteral("<sfx-settings>"); }

  private:
    struct Group {
        std::vector<QByteArray> texts;
        std::vector<const char *> pointers;
    };
    void fill(Group &group, const QStringList &texts, int count);

    QByteArray caption_, commandLine_;
    Group messages_, prompts_, labels_, buttons_;
    ZeSfxSettings settings_{};
};
