#include "TerminationSignals.h"

#include <QSocketNotifier>

#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int handledSignals[] = {SIGINT, SIGTERM, SIGHUP};
// One set of handlers per process; the handler can only reach globals.
int g_pipe[2] = {-1, -1};

} // namespace

TerminationSignals::TerminationSignals(QObject *parent)
    : QObject(parent)
{
    if (g_pipe[0] >= 0 || ::pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    m_notifier = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TerminationSignals::readPipe);
    for (int i = 0; i < 3; ++i) {
        struct sigaction action {};
        action.sa_handler = &TerminationSignals::handle;
        sigemptyset(&action.sa_mask);
        // A second signal of the kind while the first is handled takes the
        // default action: the user means it.
        action.sa_flags = SA_RESTART | SA_RESETHAND;
        ::sigaction(handledSignals[i], &action, &m_previous[i]);
    }
}

TerminationSignals::~TerminationSignals()
{
    if (!m_notifier)
        return;
    for (int i = 0; i < 3; ++i)
        ::sigaction(handledSignals[i], &m_previous[i], nullptr);
    delete m_notifier;
    ::close(g_pipe[0]);
    ::close(g_pipe[1]);
    g_pipe[0] = g_pipe[1] = -1;
}

void TerminationSignals::handle(int signalNumber)
{
    const int saved = errno;
    const char byte = char(signalNumber);
    [[maybe_unused]] const ssize_t written = ::write(g_pipe[1], &byte, 1);
    errno = saved;
}

void TerminationSignals::readPipe()
{
    char bytes[16];
    const ssize_t count = ::read(g_pipe[0], bytes, sizeof bytes);
    for (ssize_t i = 0; i < count; ++i)
        emit received(int(bytes[i]));
}
