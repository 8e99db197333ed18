#include "editor/editorwindow.h"

#include "common/aboutboxes.h"
#include "common/windowplacement.h"
#include "editor/bottompanel.h"
#include "editor/debugpanel.h"
#include "editor/editbuttons.h"
#include "editor/editormenus.h"
#include "editor/gridsurface.h"
#include "editor/picturebutton.h"
#include "editor/picturecommands.h"
#include "editor/propertypanel.h"
#include "editor/scrollstrips.h"
#include "editor/slottabs.h"
#include "editor/traypanel.h"
#include "simulator/simulatorplacement.h"
#include "simulator/simulatorwindow.h"
#include "transmit/volumecontrollauncher.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScreen>

namespace zuvo {

namespace {

const QColor WindowColour(236, 233, 216);

QFont editorFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic")});
    font.setPointSize(9);
    return font;
}

} // namespace

EditorWindow::EditorWindow(int editorStartMode, const QStringList &commandLineWords,
                           QWidget *parent)
    : EditorWindow(editorStartMode, commandLineWords, nullptr, parent)
{
}

EditorWindow::EditorWindow(int editorStartMode, const QStringList &commandLineWords,
                           EditorPrompts &prompts, QWidget *parent)
    : EditorWindow(editorStartMode, commandLineWords, &prompts, parent)
{
}

EditorWindow::EditorWindow(int editorStartMode, const QStringList &commandLineWords,
                           EditorPrompts *prompts, QWidget *parent)
    : QMainWindow(parent)
    , m_qtPrompts(this)
    , m_prompts(prompts ? *prompts : m_qtPrompts)
    , m_session(m_prompts)
    , m_editorStartMode(editorStartMode)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral(u"Zuvomatic 編集"));
    setWindowIcon(QIcon(QStringLiteral(":/app/zuvomatic.svg")));
    setFont(editorFont());

    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("Form1Client"));
    client->setAutoFillBackground(true);
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, WindowColour);
    client->setPalette(palette);
    setCentralWidget(client);

    buildProgramArea(client);
    m_bottom = new BottomPanel(m_session, client);
    m_strips = new ScrollStrips(m_session, client);
    m_strips->horizontalStrip()->raise();
    m_strips->verticalStrip()->raise();

    m_txData = new QPlainTextEdit(client);
    m_txData->setObjectName(QStringLiteral("TXdata"));
    m_txData->setReadOnly(true);
    m_txData->hide();

    m_debug = new DebugPanel(m_session, this);
    m_menus = new EditorMenus(m_session, this);
    new PictureCommands(m_session, m_prompts, *m_menus, this);
    setVolumeControlLauncher(new VolumeControlLauncher(this));

    connect(&m_session, &EditorSession::changed, this, &EditorWindow::render);
    connect(m_strips, &ScrollStrips::jumped, this, &EditorWindow::focusSurface);
    connect(m_bottom->editButtons(), &EditButtons::undoClicked, this, &EditorWindow::focusSurface);
    connect(m_bottom->tabs(), &SlotTabs::tabClicked, this, &EditorWindow::focusSurface);
    connect(m_menus, &EditorMenus::undone, this, &EditorWindow::focusSurface);
    connect(m_menus, &EditorMenus::keyboardModeToggled, this, &EditorWindow::focusSurface);
    connect(m_bottom->tray(), &TrayPanel::keyboardDone, this, &EditorWindow::focusSurface);
    connect(m_bottom->propertyPanel(), &PropertyPanel::keyboardDone, this,
            &EditorWindow::focusSurface);
    connect(m_menus, &EditorMenus::leaveRequested, this, &EditorWindow::leaveEditor);
    connect(m_menus, &EditorMenus::volumeRequested, this, &EditorWindow::openVolumeControl);
    connect(m_menus, &EditorMenus::simulatorRequested, this, &EditorWindow::openSimulator);
    connect(m_menus, &EditorMenus::versionRequested, this, [this] { ShowVersionBox(this); });
    connect(m_menus, &EditorMenus::aboutRequested, this, [this] { ShowAboutBox(this); });
    m_blink.setInterval(BlinkIntervalMs);
    connect(&m_blink, &QTimer::timeout, &m_session, &EditorSession::BlinkTick);
    m_blink.start();

    m_session.ApplyCommandLine(commandLineWords);
    resizeClient(EditorLayout::DesignClientSize);
    fitIntoScreen();
    render();
}

EditorWindow::~EditorWindow()
{
    m_blink.stop();
    // The session's notifications must not reach widgets that are being destroyed.
    disconnect(&m_session, nullptr, this, nullptr);
    // Before the session goes: the simulator window reports to it until it is gone.
    closeSimulator();
}

void EditorWindow::buildProgramArea(QWidget *client)
{
    m_area = new QFrame(client);
    m_area->setObjectName(QStringLiteral("編集窓"));
    m_area->setFrameShape(QFrame::Box);
    m_area->setFrameShadow(QFrame::Plain);
    m_area->setLineWidth(1);
    m_viewport = new QWidget(m_area);
    m_viewport->setObjectName(QStringLiteral("編集窓内側"));
    // The grid source pictures bmp(0..31), one per IconCode and one spare, kept hidden.
    for (int k = 0; k < 32; ++k) {
        auto *source = new PictureButton(QStringLiteral("bmp"),
                                         QSize(IconPictureSize, IconPictureSize), m_viewport);
        source->setProperty("index", k);
        source->setIconCode(k);
        source->hide();
    }
    m_surface = new GridSurface(m_session, m_viewport);
}

QSize EditorWindow::outerSize() const
{
    return centralWidget()->size() + EditorLayout::FrameAllowance;
}

void EditorWindow::resizeClient(const QSize &clientSize)
{
    resize(clientSize.width(), clientSize.height() + menuBar()->sizeHint().height());
}

void EditorWindow::applyLayout()
{
    const QSize outer = outerSize();
    m_layout.ResizeEditor(outer.width(), outer.height());
    const EditorGeometry &g = m_layout.geometry();
    m_area->setGeometry(g.programArea);
    m_viewport->setGeometry(m_area->contentsRect());
    m_strips->applyGeometry(g);
    m_bottom->move(g.bottomPanel.topLeft());
    m_txData->setGeometry(EditorLayout::transmitBoxGeometry(outer.width(), outer.height()));
    m_session.ResizeEditor(outer.width(), outer.height());
}

void EditorWindow::fitIntoScreen()
{
    const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // Before the first showing the frame is not known; the window itself is the best guess.
    const QSize decoration = frameGeometry().size() - size();
    const QRect fitted = FittedInside(screen->availableGeometry(), size(), decoration);
    if (fitted.size() != size())
        resize(fitted.size());
    move(fitted.topLeft());
}

void EditorWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_startRequestDone) {
        m_startRequestDone = true;
        fitIntoScreen();
        applyLayout();
        m_session.ApplyStartRequest(m_editorStartMode);
        focusSurface();
    }
}

void EditorWindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    applyLayout();
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

void EditorWindow::keepWork(bool ending)
{
    m_session.KeepRecoveryCopies(ending);
    if (ending)
        m_left = true;
}

void EditorWindow::announceLeft()
{
    // Left with or without saving: the copies of this editor's programs are no longer needed.
    m_session.DiscardRecoveryCopies();
    m_left = true;
    m_blink.stop();
    m_debug->hide();
    closeSimulator();
    // Queued: the receiver may delete this window, which must not happen inside the menu
    // action or the close event that asked.
    QTimer::singleShot(0, this, [this] { emit left(); });
}

void EditorWindow::setVolumeControlLauncher(VolumeControlLauncher *launcher)
{
    if (m_volume == launcher)
        return;
    delete m_volume;
    m_volume = launcher;
    m_volume->setParent(this);
    connect(m_volume, &VolumeControlLauncher::finished, this, &EditorWindow::volumeControlClosed);
    connect(m_volume, &VolumeControlLauncher::unavailable, this, [this](const QString &text) {
        m_prompts.showMessage(QStringLiteral("音量プロパティ表示"), text, MessageIcon::Exclamation);
        volumeControlClosed();
    });
}

void EditorWindow::openVolumeControl()
{
    if (m_volume->isRunning())
        return;
    m_session.ShowVolumeReminder();
    // The editor stays unusable but keeps painting until the volume control is closed.
    setEnabled(false);
    m_volume->start();
}

void EditorWindow::volumeControlClosed()
{
    setEnabled(true);
    m_session.ShowMeasuredVolume();
    activateWindow();
}

bool EditorWindow::focusNextPrevChild(bool next)
{
    if (m_session.state().KeyboardMode == 0)
        return QMainWindow::focusNextPrevChild(next);
    QList<QWidget *> ring {m_surface, m_bottom->tray()};
    ring += m_bottom->propertyPanel()->keyboardStops();
    const int n = int(ring.size());
    const int at = int(ring.indexOf(focusWidget()));
    const int to = at < 0 ? 0 : (at + (next ? 1 : n - 1)) % n;
    ring[to]->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

void EditorWindow::focusSurface()
{
    if (m_surface->isVisible())
        m_surface->setFocus(Qt::OtherFocusReason);
}

void EditorWindow::render()
{
    const EditorView &view = m_session.view();
    const QPoint scroll(view.scroll.hValue, view.scroll.vValue);
    if (m_surface->pos() != -scroll)
        m_surface->move(-scroll);
    m_surface->render();
    m_strips->render();
    m_bottom->render();
    m_menus->render();
    m_debug->render();

    if (m_txData->toPlainText() != view.txData)
        m_txData->setPlainText(view.txData);
    if (m_txData->isVisibleTo(this) != view.txDataVisible) {
        m_txData->setVisible(view.txDataVisible);
        m_txData->raise();
    }

    // Every scroll brings the keyboard focus to the drawing surface, so the grid keys work.
    if (scroll != m_shownScroll) {
        const bool first = m_shownScroll == QPoint(-1, -1);
        m_shownScroll = scroll;
        if (!first)
            focusSurface();
    }
}

void EditorWindow::openSimulator()
{
    if (!m_session.view().sendEnabled)
        return;
    // A copy of the program goes through the check and the generator: the editor's own state
    // and check stay as they are, and nothing is played.
    const sim::SimProgram compiled = sim::CompileForSimulator(m_session.program());
    if (!compiled.ready) {
        m_prompts.showMessage(QStringLiteral(u"シミュレータ"), compiled.refusal,
                              MessageIcon::Exclamation);
        return;
    }
    if (m_simulator && m_simulatorLink.sameRun(compiled, m_session.program())) {
        m_simulator->showNormal();
        m_simulator->raise();
        m_simulator->activateWindow();
        return;
    }

    // A changed program replaces the window, on the course the child had chosen.
    int course = m_editorStartMode > 10 ? m_editorStartMode - 10 : 1;
    if (m_simulator)
        course = m_simulator->courseNumber();
    const QPoint oldPlace = m_simulator ? m_simulator->pos() : QPoint();
    const QSize oldSize = m_simulator ? m_simulator->size() : QSize();
    const bool oldCompact = m_simulator && m_simulator->isCompact();
    const bool replacing = m_simulator;
    closeSimulator();

    m_simulatorLink = sim::SimulatorLink(m_session.program(), compiled);
    auto *window = new sim::SimulatorWindow(compiled, course, this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    connect(window, &sim::SimulatorWindow::executingSlotChanged, this,
            &EditorWindow::simulatorSlotChanged);
    connect(window, &QObject::destroyed, this, &EditorWindow::simulatorClosed);
    m_simulator = window;
    if (replacing) {
        window->setCompact(oldCompact);
        window->resize(oldSize);
        window->move(oldPlace);
    } else {
        placeSimulator(window);
    }
    window->show();
}

void EditorWindow::placeSimulator(sim::SimulatorWindow *window)
{
    const QScreen *screen = this->screen();
    if (!screen)
        return;
    // The simulator's frame is taken to be the editor's: the same window manager draws both.
    const QSize frame = frameGeometry().size() - size();
    const sim::SimulatorPlace place = sim::PlaceSimulator(
        screen->availableGeometry(), frameGeometry(),
        {sim::SimulatorWindow::RoomySize, window->compactMinimumSize(), frame});
    window->setCompact(place.compact);
    window->resize((place.simulator.size() - frame).expandedTo(window->minimumSizeHint()));
    window->move(place.simulator.topLeft());
    // The editor makes room beside itself; it goes back when the simulator closes, unless the
    // child has moved it meanwhile.
    if (place.editorTopLeft != pos()) {
        m_placeBeforeSimulator = pos();
        move(place.editorTopLeft);
        m_placeForSimulator = pos();
    }
}

sim::SimulatorWindow *EditorWindow::simulator() const
{
    return m_simulator.data();
}

void EditorWindow::simulatorSlotChanged(int compiledSlot)
{
    m_session.ShowExecutingSlot(m_simulatorLink.gridSlot(compiledSlot, m_session.program()));
}

void EditorWindow::simulatorClosed()
{
    m_session.ShowExecutingSlot(-1);
    if (m_placeBeforeSimulator && pos() == m_placeForSimulator)
        move(*m_placeBeforeSimulator);
    m_placeBeforeSimulator.reset();
}

void EditorWindow::closeSimulator()
{
    if (!m_simulator)
        return;
    sim::SimulatorWindow *window = m_simulator;
    m_simulator = nullptr;
    disconnect(window, nullptr, this, nullptr);
    delete window;
    m_session.ShowExecutingSlot(-1);
}

} // namespace zuvo
