#include "media/stop_signals.hpp"

#include <csignal>
#include <initializer_list>

namespace game {
namespace {

volatile std::sig_atomic_t stopRequested = 0;

extern "C" void noteStop(int) {
    stopRequested = 1;
}

} // namespace

void catchStopSignals() {
    struct sigaction action {};
    action.sa_handler = &noteStop;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigset_t stops;
    sigemptyset(&stops);
    for (const int signal : {SIGHUP, SIGINT, SIGTERM}) {
        sigaction(signal, &action, nullptr);
        sigaddset(&stops, signal);
    }
    // A parent that blocked them (the mask outlives exec) would keep them from ever arriving.
    sigprocmask(SIG_UNBLOCK, &stops, nullptr);
}

bool stopSignalled() {
    return stopRequested != 0;
}

} // namespace game
