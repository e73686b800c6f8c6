#pragma once
#include <QLocalServer>
#include <QLocalSocket>
#include <QString>
#include <functional>

namespace pultara::qt {

// One running copy per user. The first copy holds a lock on a file in the
// user's runtime folder (flock: the system lets it go when the process ends,
// also by a crash, so no stale lock outlives it) and listens on a local
// socket beside it. A later copy finds the lock taken, asks the first copy
// through the socket to show its settings window, and ends before it touches
// the joystick.
class SingleInstance {
public:
    SingleInstance();
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // Whether this is the only copy; false when another copy holds the lock.
    bool First() const { return first_; }
    // A later copy: asks the running copy to show its settings window, for
    // at most a few seconds (it may be starting). False when it did not
    // answer.
    bool AskFirstCopyToShow() const;
    // The first copy: runs `showSettings` for each later start.
    void Listen(const std::function<void()>& showSettings);

private:
    void Serve(QLocalSocket* client);

    QString folder_;
    bool first_ = true;
    int lockFile_ = -1;
    QLocalServer server_;
    std::function<void()> showSettings_;
};

}  // namespace pultara::qt
