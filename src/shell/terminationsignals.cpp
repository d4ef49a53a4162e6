#include "shell/terminationsignals.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// The writing end for the handler: a signal handler can reach nothing but a static. It is set
// once before the handlers are installed and cleared after they are removed.
volatile sig_atomic_t writeEnd = -1;
int sockets[2] = {-1, -1};

extern "C" void onTerminationSignal(int) {
    const int saved = errno;
    const char byte = 1;
    if (writeEnd >= 0 && ::write(writeEnd, &byte, 1) < 0) {
        // A full pipe already holds a wake-up; nothing else can be done here.
    }
    errno = saved;
}

void install(void (*handler)(int)) {
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGHUP, &action, nullptr);
}

}  // namespace

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, sockets) != 0) return;
    writeEnd = sockets[0];
    notifier_ = new QSocketNotifier(sockets[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &TerminationSignals::drain);
    install(onTerminationSignal);
}

TerminationSignals::~TerminationSignals() {
    if (!notifier_) return;
    install(SIG_DFL);
    writeEnd = -1;
    ::close(sockets[0]);
    ::close(sockets[1]);
    sockets[0] = sockets[1] = -1;
}

void TerminationSignals::drain() {
    char buffer[16];
    while (::read(sockets[1], buffer, sizeof buffer) > 0) {}
    emit received();
}
