#pragma once

#include "platform/Dialogs.h"

#include <QList>
#include <QString>
#include <deque>
#include <functional>
#include <optional>

namespace testsupport {

// A message box as the program asked for it.
struct ShownBox {
    platform::MessageKind kind;
    QString text;
    platform::Buttons buttons;
};

// Dialogs that answer from a script. Every box is recorded; a box that no
// answer was queued for fails the running test (and answers as Escape would),
// so an unexpected message can never pass unnoticed.
class ScriptedDialogs final : public platform::Dialogs {
  public:
    // Queues the answer to the next message box.
    void answer(platform::Button button) { answers_.push_back({button, {}}); }
    // Queues a piece of work to run when the next box shows (for instance a
    // click elsewhere), then the answer.
    void answerAfter(std::function<void()> work, platform::Button button);
    // Queues the answer to the next save dialog: a file name, or Cancel.
    void answerSave(const QString &path) { saveAnswers_.push_back({true, path}); }
    void cancelSave() { saveAnswers_.push_back({false, {}}); }

    platform::Button message(platform::MessageKind kind, const QString &text,
                             platform::Buttons buttons) override;
    std::optional<QString> saveFileName(const platform::SaveRequest &request) override;

    const QList<ShownBox> &boxes() const { return boxes_; }
    QStringList texts() const;
    const QList<platform::SaveRequest> &saveRequests() const { return saveRequests_; }
    bool allAnswersUsed() const { return answers_.empty() && saveAnswers_.empty(); }
    void reset();

  private:
    struct Answer {
        platform::Button button;
        std::function<void()> work;
    };
    std::deque<Answer> answers_;
    struct SaveAnswer {
        bool accept;
        QString path;
    };
    std::deque<SaveAnswer> saveAnswers_;
    QList<ShownBox> boxes_;
    QList<platform::SaveRequest> saveRequests_;
};

// The dialogs every test starts with (reset by installDefaults()).
ScriptedDialogs &dialogs();

}  // namespace testsupport
