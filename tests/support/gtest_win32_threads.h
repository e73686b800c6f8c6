#pragma once
// Included before GoogleTest in the Windows build. Its standard library
// (MinGW's win32 thread model, which the program needs to run on Windows XP)
// has no std::mutex or std::condition_variable, which GoogleTest's
// Notification is made of; this one waits on an atomic flag instead. Only
// GoogleTest's own threads use it; every test of the project asserts from
// its main thread.
#include <atomic>

#define GTEST_HAS_NOTIFICATION_ 1

namespace testing::internal {

class Notification {
public:
    void Notify() { notified_.store(true); }
    void WaitForNotification() {
        while (!notified_.load()) {
        }
    }

private:
    std::atomic<bool> notified_{false};
};

}  // namespace testing::internal
