#include "batch/StopSignals.h"

#include <QSocketNotifier>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace marulo {

namespace {

int pipeEnds[2] = {-1, -1};
constexpr int Stopping[] = {SIGINT, SIGTERM, SIGHUP};

extern "C" void WriteStopByte(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = write(pipeEnds[1], &byte, 1);
}

void Handle(void (*handler)(int))
{
    struct sigaction action = {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : Stopping)
        sigaction(signal, &action, nullptr);
}

} // namespace

StopSignals::StopSignals(std::function<void()> onSignal) : onSignal_(std::move(onSignal))
{
    if (pipe2(pipeEnds, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    notifier_ = new QSocketNotifier(pipeEnds[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] {
        char bytes[16];
        while (read(pipeEnds[0], bytes, sizeof bytes) > 0) {
        }
        received_ = true;
        if (onSignal_)
            onSignal_();
    });
    Handle(WriteStopByte);
}

StopSignals::~StopSignals()
{
    Handle(SIG_DFL);
    delete notifier_;
    for (int& end : pipeEnds) {
        if (end >= 0)
            close(end);
        end = -1;
    }
}

} // namespace marulo
