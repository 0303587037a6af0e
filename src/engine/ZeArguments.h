#pragma once

#include "engine/ZeSfxBlock.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

// One argument vector for an engine call: texts in order, and at most one
// slot that carries the self-extractor settings block instead of a text.
class ZeArguments {
  public:
    ZeArguments() = default;
    ZeArguments(ZeArguments &&) = default;
    ZeArguments &operator=(ZeArguments &&) = default;

    // A call that is refused before the engine is reached, with its result
    // code (430 in multi-disk mode, -1 for an internal failure).
    static ZeArguments refusal(int code) {
        ZeArguments refused;
        refused.refusal_ = code;
        return refused;
    }
    // 0 when the vector may be sent.
    int refusal() const { return refusal_; }

    void append(const QString &text) { texts_ << text; }
    ZeArguments &operator<<(const QString &text) {
        append(text);
        return *this;
    }
    void appendSfxBlock(std::unique_ptr<ZeSfxBlock> block);

    // The vector as texts; the block slot reads as ZeSfxBlock::slotText().
    const QStringList &texts() const { return texts_; }
    int size() const { return static_cast<int>(texts_.size()); }
    bool hasSfxBlock() const { return sfxSlot_ >= 0; }
    const ZeSfxBlock *sfxBlock() const { return sfx_.get(); }

    // False when a text holds a zero character: the engine would see it cut.
    bool isPassable() const;

    // Pointers to zero-terminated UTF-8 texts, valid while the returned
    // object and this one live.
    class Argv {
      public:
        const char *const *data() const { return pointers_.data(); }
        // The number of slots, without the closing null pointer.
        int count() const { return static_cast<int>(pointers_.size()) - 1; }

      private:
        friend class ZeArguments;
        std::vector<QByteArray> utf8_;
        std::vector<const char *> pointers_;
    };
    Argv argv() const;

  private:
    QStringList texts_;
    std::unique_ptr<ZeSfxBlock> sfx_;
    int sfxSlot_ = -1;
    int refusal_ = 0;
};
