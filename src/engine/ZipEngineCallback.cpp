// The engine's way back into the component: every callback code becomes an
// event (or a piece of kept state), with the var records copied back into
// the engine's block.
#include "ZipEngine.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>
#include <cstring>

namespace {

// The bytes the engine keeps with the component between calls (codes 130 and
// 140). One store for the whole process, as the engine expects.
struct SharedStore {
    std::array<uint8_t, ZE_SHARED_STORE> bytes{};
    uint16_t length = 0;
};

SharedStore &store() {
    static SharedStore instance;
    return instance;
}

}  // namespace

QByteArray TZipEngine::sharedStore() {
    return QByteArray(reinterpret_cast<const char *>(store().bytes.data()), store().length);
}

int32_t TZipEngine::engineCallback(int32_t code, void *block, void *component) {
    auto *engine = static_cast<TZipEngine *>(component);
    if (!engine)
        return 0;
    // After a handler has thrown, only ask the engine to stop; the exception
    // reaches the caller once the engine has returned. It must not unwind
    // through the engine's C frames.
    if (engine->handlerFailure_)
        return 1;
    try {
        return engine->dispatch(code, block);
    } catch (...) {
        engine->handlerFailure_ = std::current_exception();
        return 1;
    }
}

int32_t TZipEngine::dispatch(int32_t code, void *block) {
    // Pending messages (Stop, the close box, repaints) run before the event
    // at the first callback after each interval; the engine calls back at
    // least every 50 ms while it works on a large file, so the window
    // answers within a tenth of a second however long the operation.
    if (pumpPace_.due())
        QCoreApplication::processEvents();
    if (code != ZE_CB_PASSWORD)
        passwordSupplied_ = false;

    if (block) {
        switch (code) {
            case ZE_CB_REPLACE: {
                auto &b = *static_cast<ZeReplaceBlock *>(block);
                if (!OnReplace)
                    break;
                TZeReplace r{zerecords::text(b.name), QString(), b.answer};
                OnReplace(this, r);
                b.answer = r.Answer;
                zerecords::copyText(r.SecondName, b.second_name, ZE_NAME_BUFFER);
                break;
            }
            case ZE_CB_TESTING:
                if (OnTesting)
                    OnTesting(this, zerecords::fileStats(*static_cast<ZeEntryRecord *>(block)));
                break;
            case ZE_CB_EXTRACTING:
                if (OnExtracting)
                    OnExtracting(this, zerecords::fileStats(*static_cast<ZeEntryRecord *>(block)));
                break;
            case ZE_CB_VALUE:
                engineValue_ = *static_cast<uint32_t *>(block);
                break;
            case ZE_CB_LISTING:
                if (OnListing)
                    OnListing(this, zerecords::fileStats(*static_cast<ZeEntryRecord *>(block)));
                break;
            case ZE_CB_ENTRY_COPY:
                currentEntry_ = zerecords::fileStats(*static_cast<ZeEntryRecord *>(block));
                break;
            case ZE_CB_PASSWORD:
                answerPassword(*static_cast<ZePasswordBlock *>(block));
                break;
            case ZE_CB_NEW_DISK:
                if (OnNewdisk)
                    OnNewdisk(this, static_cast<int>(*static_cast<int32_t *>(block)));
                break;
            case ZE_CB_COMMENT: {
                auto &b = *static_cast<ZeCommentBlock *>(block);
                if (!OnFileComment)
                    break;
                TZeFileComment c{zerecords::text(b.name), QString()};
                OnFileComment(this, c);
                b.length = static_cast<uint16_t>(zerecords::copyText(
                    c.Comment, b.comment, ZE_COMMENT_BUFFER, zerecords::kMaxCommentChars));
                break;
            }
            case ZE_CB_STORE_WRITE: {
                const auto &b = *static_cast<ZeStoreWriteBlock *>(block);
                SharedStore &s = store();
                s.length = b.data ? std::min<uint16_t>(b.length, ZE_SHARED_STORE) : 0;
                if (s.length > 0)
                    std::memcpy(s.bytes.data(), b.data, s.length);
                break;
            }
            case ZE_CB_STORE_READ: {
                auto &b = *static_cast<ZeStoreReadBlock *>(block);
                const SharedStore &s = store();
                if (b.buffer && s.length > 0)
                    std::memcpy(b.buffer, s.bytes.data(), s.length);
                b.length = b.buffer ? s.length : 0;
                b.present = 1;
                break;
            }
            case ZE_CB_GLOBAL_STATUS:
                if (OnGlobalStatus)
                    OnGlobalStatus(
                        this, zerecords::globalStats(*static_cast<ZeGlobalStatusBlock *>(block)));
                break;
            case ZE_CB_RENAME: {
                auto &b = *static_cast<ZeRenameBlock *>(block);
                if (!OnRename)
                    break;
                TZeRename r{zerecords::text(b.name), QString()};
                OnRename(this, r);
                zerecords::copyText(r.NewName, b.new_name, ZE_NAME_BUFFER);
                break;
            }
            case ZE_CB_UPDATING:
                if (OnUpdating)
                    OnUpdating(this, zerecords::fileStats(*static_cast<ZeEntryRecord *>(block)));
                break;
            case ZE_CB_ADDING:
                if (OnAdding)
                    OnAdding(this, zerecords::fileStats(*static_cast<ZeEntryRecord *>(block)));
                break;
            case ZE_CB_DELETING:
                if (OnDeleting)
                    OnDeleting(this, zerecords::text(static_cast<const char *>(block)));
                break;
            case ZE_CB_STATUS:
                if (OnStatus)
                    OnStatus(this, zerecords::fileStats(*static_cast<ZeEntryRecord *>(block)));
                break;
            case ZE_CB_SKIPPING: {
                const auto &b = *static_cast<ZeSkippingBlock *>(block);
                if (OnSkippingFile)
                    OnSkippingFile(this, TZeSkipping{zerecords::text(b.name), b.reason});
                break;
            }
            case ZE_CB_FIXING:
                if (OnFixing)
                    OnFixing(this, zerecords::text(static_cast<const char *>(block)));
                break;
            default:
                break;  // a code this component does not know: nothing to do
        }
    }
    return AbortRequested ? 1 : 0;
}

void TZipEngine::answerPassword(ZePasswordBlock &block) {
    if (!Password.isEmpty()) {
        // The same request again, with no other callback in between, means
        // the password was wrong: give none, so the engine skips the entry
        // instead of asking forever.
        if (passwordSupplied_) {
            block.answer = 0;
            return;
        }
        zerecords::copyText(Password, block.password, ZE_PASSWORD_BUFFER,
                            zerecords::kMaxPasswordChars);
        block.answer = lastOperation_ == Operation::Zip ? 5 : 2;
        passwordSupplied_ = true;
        return;
    }
    if (!OnPwdQuery)
        return;
    TZePwdQuery query{zerecords::text(block.name), QString(), block.answer};
    OnPwdQuery(this, query);
    zerecords::copyText(query.Password, block.password, ZE_PASSWORD_BUFFER,
                        zerecords::kMaxPasswordChars);
    block.answer = query.Answer;
}
