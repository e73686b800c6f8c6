#pragma once
#include <QObject>
#include <QSocketNotifier>
#include <functional>

namespace pultara::qt {

// Turns SIGTERM, SIGINT and SIGHUP (logout, shutdown, Ctrl+C, a closed
// terminal) into a call of `onTerminate` from the event loop, so that the
// program ends as through its close box: settings saved, tray icon removed,
// nothing held down. The signal handler only writes one byte to a socket
// pair; everything else happens outside it.
class TerminationSignals : public QObject {
public:
    explicit TerminationSignals(std::function<void()> onTerminate);
    ~TerminationSignals() override;
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

private:
    void Drain();

    std::function<void()> onTerminate_;
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace pultara::qt
