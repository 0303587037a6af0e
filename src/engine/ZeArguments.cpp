#include "ZeArguments.h"

void ZeArguments::appendSfxBlock(std::unique_ptr<ZeSfxBlock> block) {
    sfxSlot_ = size();
    texts_ << ZeSfxBlock::slotText();
    sfx_ = std::move(block);
}

bool ZeArguments::isPassable() const {
    for (int i = 0; i < size(); ++i)
        if (i != sfxSlot_ && texts_.at(i).contains(QChar(u'\0')))
            return false;
    return true;
}

ZeArguments::Argv ZeArguments::argv() const {
    Argv result;
    result.utf8_.reserve(texts_.size());
    for (const QString &text : texts_)
        result.utf8_.push_back(text.toUtf8());
    result.pointers_.reserve(texts_.size() + 1);
    for (int i = 0; i < size(); ++i)
        result.pointers_.push_back(i == sfxSlot_ && sfx_
                                       ? reinterpret_cast<const char *>(sfx_->settings())
                                       : result.utf8_[i].constData());
    // Conventional terminator after the last slot; not counted.
    result.pointers_.push_back(nullptr);
    return result;
}
