#pragma once

#include <QSocketNotifier>
#include <functional>
#include <memory>

namespace corvallo::qt {

// SIGTERM, SIGHUP and SIGINT, which end a Linux program at log-out, at
// shutdown or from a terminal, turned into a call on the event loop: a
// signal handler may do almost nothing, so it only writes the signal's number
// into a socket that the loop watches.
class TerminationSignals {
  public:
    // `onSignal` runs on the event loop with the signal's number.
    explicit TerminationSignals(std::function<void(int)> onSignal);
    ~TerminationSignals();
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

  private:
    std::function<void(int)> onSignal_;
    std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace corvallo::qt
