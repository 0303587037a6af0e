#include "ScriptedDialogs.h"

#include <gtest/gtest.h>

namespace testsupport {

void ScriptedDialogs::answerAfter(std::function<void()> work, platform::Button button) {
    answers_.push_back({button, std::move(work)});
}

platform::Button ScriptedDialogs::message(platform::MessageKind kind, const QString &text,
                                          platform::Buttons buttons) {
    boxes_.append({kind, text, buttons});
    if (answers_.empty()) {
        ADD_FAILURE() << "unexpected message box: " << text.toStdString();
        return (buttons & platform::No)       ? platform::No
               : (buttons & platform::Cancel) ? platform::Cancel
                                              : platform::Ok;
    }
    Answer next = std::move(answers_.front());
    answers_.pop_front();
    if (next.work)
        next.work();
    EXPECT_TRUE(buttons & next.button)
        << "scripted answer is not a button of: " << text.toStdString();
    return next.button;
}

std::optional<QString> ScriptedDialogs::saveFileName(const platform::SaveRequest &request) {
    saveRequests_.append(request);
    if (saveAnswers_.empty()) {
        ADD_FAILURE() << "unexpected save dialog: " << request.title.toStdString();
        return std::nullopt;
    }
    const SaveAnswer next = saveAnswers_.front();
    saveAnswers_.pop_front();
    if (!next.accept)
        return std::nullopt;
    return next.path;
}

QStringList ScriptedDialogs::texts() const {
    QStringList result;
    for (const ShownBox &box : boxes_)
        result << box.text;
    return result;
}

void ScriptedDialogs::reset() {
    answers_.clear();
    saveAnswers_.clear();
    boxes_.clear();
    saveRequests_.clear();
}

ScriptedDialogs &dialogs() {
    static ScriptedDialogs instance;
    return instance;
}

}  // namespace testsupport
