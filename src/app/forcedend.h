#pragma once
// The ends of the program that nobody answers questions at: SIGTERM, SIGHUP and SIGINT, and the
// desktop's end of session. The signal handler only writes the signal into a pipe; the program
// hears it from its event loop, so nothing else runs inside the handler.

#include <QObject>
#include <functional>

class QSessionManager;
class QSocketNotifier;

namespace zuvo {

class ForcedEnd : public QObject
{
    Q_OBJECT
public:
    // keepWork writes the unsaved work where the next start finds it and returns once it is on
    // disk; its argument says whether the program ends (nothing may be written after). editorOpen
    // tells whether an editor is up (a quit request then belongs to the
    // desktop, not to the program's own END). Installs the handlers; one object at a time.
    ForcedEnd(std::function<void(bool ending)> keepWork, std::function<bool()> editorOpen,
              QObject *parent = nullptr);
    ~ForcedEnd() override; // the default handlers again

    // A signal, or the desktop's quit request: the work is kept and the program ends with 0,
    // whatever question is up. Once only.
    void End();
    // The desktop saves its session (and may end it next): the work is kept now, without a
    // question, and the program goes on.
    void CommitData(QSessionManager &manager);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void signalArrived();

    std::function<void(bool)> m_keepWork;
    std::function<bool()> m_editorOpen;
    QSocketNotifier *m_notifier = nullptr;
    bool m_ending = false;
};

} // namespace zuvo
