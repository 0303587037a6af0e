// Blocking work run beside a window that keeps answering.
#include "platform/WhilePumping.h"

#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <thread>

TEST(WhilePumping, TheWindowAnswersUntilTheWorkEnds) {
    // The work ends only once the window has answered (or after 10 s): it
    // sees an answer only when the wait lets the pump run.
    const struct {
        const char *what;
        bool pumped;
        bool throws;
    } rows[] = {
        {"pumped", true, false}, {"pumped, failing", true, true}, {"no pump", false, false}};
    for (const auto &row : rows) {
        std::atomic<int> answers{0};
        const std::thread::id caller = std::this_thread::get_id();
        std::thread::id ranOn;
        const auto work = [&] {
            ranOn = std::this_thread::get_id();
            for (int i = 0; i < 1000 && row.pumped && answers == 0; ++i)
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            if (row.throws)
                throw std::runtime_error("flush failed");
            return answers.load();
        };
        const std::function<void()> pump = [&] { ++answers; };
        if (row.throws) {
            EXPECT_THROW(runWhilePumping(work, pump), std::runtime_error) << row.what;
        } else if (row.pumped) {
            EXPECT_GT(runWhilePumping(work, pump), 0) << row.what;
            EXPECT_NE(ranOn, caller) << row.what;
        } else {
            EXPECT_EQ(runWhilePumping(work, {}), 0) << row.what;
            EXPECT_EQ(ranOn, caller) << row.what;
        }
    }
}
