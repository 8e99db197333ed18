#include "editor/editorwindow.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>

namespace zuvo {

namespace {
constexpr QSize DesignClientSize(792, 568);
constexpr QSize FrameAllowance(8, 58);
} // namespace

EditorWindow::EditorWindow(int editorStartMode, const QStringList &commandLineWords,
                           QWidget *parent)
    : QMainWindow(parent)
    , m_prompts(this)
    , m_session(m_prompts)
    , m_editorStartMode(editorStartMode)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral(u"Zuvomatic 編集"));
    setCentralWidget(new QWidget(this));
    connect(&m_session, &EditorSession::changed, this, &EditorWindow::render);
    m_session.ApplyCommandLine(commandLineWords);
    resizeClient(DesignClientSize);
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect avail = screen->availableGeometry();
        move(avail.center() - QPoint(width() / 2, height() / 2));
    }
}

EditorWindow::~EditorWindow() = default;

QSize EditorWindow::outerSize() const
{
    const QWidget *client = centralWidget();
    return (client ? client->size() : size()) + FrameAllowance;
}

void EditorWindow::resizeClient(const QSize &clientSize)
{
    const int menuHeight
        = menuBar()->isVisible() || !isVisible() ? menuBar()->sizeHint().height() : 0;
    resize(clientSize.width(), clientSize.height() + menuHeight);
}

void EditorWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_startRequestDone) {
        m_startRequestDone = true;
        const QSize outer = outerSize();
        m_session.ResizeEditor(outer.width(), outer.height());
        m_session.ApplyStartRequest(m_editorStartMode);
    }
}

void EditorWindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    const QSize outer = outerSize();
    m_session.ResizeEditor(outer.width(), outer.height());
}

void EditorWindow::closeEvent(QCloseEvent *event)
{
    if (m_left) {
        event->accept();
        return;
    }
    if (!m_session.ConfirmEditorClose()) {
        event->ignore();
        return;
    }
    event->accept();
    announceLeft();
}

void EditorWindow::leaveEditor()
{
    if (m_left || !m_session.ConfirmEditorClose())
        return;
    hide();
    announceLeft();
}

void EditorWindow::announceLeft()
{
    m_left = true;
    // Queued: the receiver may delete this window, which must not happen inside the menu
    // action or the close event that asked.
    QTimer::singleShot(0, this, [this] { emit left(); });
}

void EditorWindow::render() { }

} // namespace zuvo
