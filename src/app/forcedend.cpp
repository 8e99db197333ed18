#include "app/forcedend.h"

#include <QEvent>
#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace zuvo {

namespace {

constexpr int EndSignals[] = {SIGTERM, SIGHUP, SIGINT};
int signalPipe[2] = {-1, -1};

// Async-signal-safe: one write, errno kept for the code the signal interrupted.
void writeSignal(int number)
{
    const int saved = errno;
    const char byte = char(number);
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &byte, 1);
    errno = saved;
}

} // namespace

ForcedEnd::ForcedEnd(std::function<void(bool ending)> keepWork, std::function<bool()> editorOpen,
                     QObject *parent)
    : QObject(parent)
    , m_keepWork(std::move(keepWork))
    , m_editorOpen(std::move(editorOpen))
{
    if (::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) == 0) {
        m_notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
        connect(m_notifier, &QSocketNotifier::activated, this, &ForcedEnd::signalArrived);
        struct sigaction action = {};
        action.sa_handler = writeSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        for (const int number : EndSignals)
            ::sigaction(number, &action, nullptr);
    }
    if (auto *app = qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
        connect(app, &QGuiApplication::commitDataRequest, this, &ForcedEnd::CommitData,
                Qt::DirectConnection);
        app->installEventFilter(this);
    }
}

ForcedEnd::~ForcedEnd()
{
    if (!m_notifier)
        return;
    for (const int number : EndSignals)
        ::signal(number, SIG_DFL);
    delete m_notifier;
    ::close(signalPipe[0]);
    ::close(signalPipe[1]);
    signalPipe[0] = signalPipe[1] = -1;
}

void ForcedEnd::signalArrived()
{
    char bytes[16];
    while (::read(signalPipe[0], bytes, sizeof bytes) > 0) { }
    End();
}

void ForcedEnd::End()
{
    if (m_ending)
        return;
    m_ending = true;
    m_keepWork(true);
    // exit, not quit: quit would ask every window to close, and the editor would ask about its
    // unsaved programs. exit also leaves a question's own event loop.
    QCoreApplication::exit(0);
}

void ForcedEnd::CommitData(QSessionManager &)
{
    if (!m_ending)
        m_keepWork(false);
}

bool ForcedEnd::eventFilter(QObject *watched, QEvent *event)
{
    // The desktop's end of session arrives as a quit request while the editor is up; the
    // program's own END comes from the start screen, when no editor exists.
    if (watched == QCoreApplication::instance() && event->type() == QEvent::Quit && m_editorOpen
        && m_editorOpen()) {
        End();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace zuvo
