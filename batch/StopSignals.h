#pragma once

#include <QObject>

#include <functional>

class QSocketNotifier;

namespace marulo {

// SIGINT, SIGTERM and SIGHUP, turned into a call on the event loop: the
// handler only writes a byte into a pipe, which the loop reads. Only one may
// exist at a time; the default handlers come back when it goes.
class StopSignals : public QObject {
    Q_OBJECT

public:
    explicit StopSignals(std::function<void()> onSignal);
    ~StopSignals() override;

    bool received() const { return received_; }

private:
    std::function<void()> onSignal_;
    QSocketNotifier* notifier_ = nullptr;
    bool received_ = false;
};

} // namespace marulo
