#include "simulator/simulatorwindow.h"

#include "signal/signalplayer.h"
#include "sim/beepsound.h"
#include "sim/course.h"
#include "sim/simulatorlink.h"
#include "simulator/courseview.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

namespace zuvo::sim {

namespace {

constexpr int TrailStepMs = 50;
constexpr int TrailLimit = 6000; // five minutes of path
constexpr qint64 StepLimitMs = 60000;

const QString LampOn = QStringLiteral("background:#ffd42a; color:#000; border:1px solid #a08000;"
                                      " border-radius:4px; padding:2px 6px;");
const QString LampOff = QStringLiteral("background:#e4e4e4; color:#777; border:1px solid #bbb;"
                                       " border-radius:4px; padding:2px 6px;");

QPushButton *switchButton(const QString &name, const QString &text, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setCheckable(true);
    // Tab reaches it, a click does not take the keyboard from where it was.
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

QLabel *lamp(const QString &name, const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignCenter);
    label->setStyleSheet(LampOff);
    return label;
}

void setLamp(QLabel *label, bool on)
{
    if (label->property("lit").isValid() && label->property("lit").toBool() == on)
        return; // restyling every frame would cost more than the whole simulation
    label->setStyleSheet(on ? LampOn : LampOff);
    label->setProperty("lit", on);
}

QString seconds(qint64 ms)
{
    return QString::number(ms / 1000.0, 'f', 1);
}

} // namespace

SimulatorWindow::SimulatorWindow(const SimProgram &compiled, int course, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_compiled(compiled)
    , m_course(course >= 1 && course <= CourseCount ? course : 1)
{
    setObjectName(QStringLiteral(u"シミュレータ"));
    setWindowTitle(QStringLiteral(u"Ｚｕｖｏｍａｔｉｃ　シミュレータ"));
    m_timer = new QTimer(this);
    m_timer->setInterval(FrameMs);
    connect(m_timer, &QTimer::timeout, this, &SimulatorWindow::frame);
    buildControls();
    rebuildSimulation(0);
}

SimulatorWindow::~SimulatorWindow() = default;

void SimulatorWindow::buildControls()
{
    m_view = new CourseView(this);
    connect(m_view, &CourseView::ballMoved, this, [this](QPointF position) {
        m_simulation->setBall(position);
        refresh();
    });

    // The controls' boxes, laid out by arrange().
    m_side = new QWidget;
    auto *courseBox = new QGroupBox(QStringLiteral(u"コース"), m_side);
    auto *courseLayout = new QVBoxLayout(courseBox);
    m_courseChoice = new QComboBox(courseBox);
    m_courseChoice->setObjectName(QStringLiteral(u"コース選択"));
    m_courseChoice->setAccessibleName(QStringLiteral(u"コース"));
    for (const Course &c : ReadyCourses())
        m_courseChoice->addItem(QStringLiteral("%1 %2").arg(c.number).arg(c.name), c.number);
    m_courseChoice->setCurrentIndex(m_course - 1);
    connect(m_courseChoice, &QComboBox::activated, this,
            [this](int index) { setCourse(index + 1); });
    m_startChoice = new QComboBox(courseBox);
    m_startChoice->setObjectName(QStringLiteral(u"スタート位置"));
    m_startChoice->setAccessibleName(QStringLiteral(u"スタート位置"));
    connect(m_startChoice, &QComboBox::activated, this, [this](int index) {
        pause();
        m_simulation->reset(index);
        m_lastBeepSeen = -1;
        m_trail.clear();
        m_trailTime = -1;
        recordTrail(true);
        refresh();
    });
    courseLayout->addWidget(m_courseChoice);
    courseLayout->addWidget(m_startChoice);

    auto *runBox = new QGroupBox(QStringLiteral(u"実行"), m_side);
    auto *runLayout = new QGridLayout(runBox);
    m_play = new QPushButton(QStringLiteral(u"▶ 実行"), runBox);
    m_play->setObjectName(QStringLiteral(u"実行"));
    m_pause = new QPushButton(QStringLiteral(u"❚❚ 一時停止"), runBox);
    m_pause->setObjectName(QStringLiteral(u"一時停止"));
    m_step = new QPushButton(QStringLiteral(u"ステップ"), runBox);
    m_step->setObjectName(QStringLiteral(u"ステップ"));
    m_step->setToolTip(QStringLiteral(u"次の命令まで進めます"));
    m_reset = new QPushButton(QStringLiteral(u"↺ リセット"), runBox);
    m_reset->setObjectName(QStringLiteral(u"リセット"));
    // Screen readers hear the word, not the symbol before it.
    m_play->setAccessibleName(QStringLiteral(u"実行"));
    m_pause->setAccessibleName(QStringLiteral(u"一時停止"));
    m_reset->setAccessibleName(QStringLiteral(u"リセット"));
    connect(m_play, &QPushButton::clicked, this, &SimulatorWindow::play);
    connect(m_pause, &QPushButton::clicked, this, &SimulatorWindow::pause);
    connect(m_step, &QPushButton::clicked, this, &SimulatorWindow::stepOnce);
    connect(m_reset, &QPushButton::clicked, this, &SimulatorWindow::reset);
    runLayout->addWidget(m_play, 0, 0);
    runLayout->addWidget(m_pause, 0, 1);
    runLayout->addWidget(m_step, 1, 0);
    runLayout->addWidget(m_reset, 1, 1);
    m_speedChoice = new QComboBox(runBox);
    m_speedChoice->setObjectName(QStringLiteral(u"速さ"));
    m_speedChoice->setAccessibleName(QStringLiteral(u"速さ"));
    const struct
    {
        const char16_t *text;
        int msPerFrame;
    } speeds[] = {{u"ゆっくり ×½", FrameMs / 2},
                  {u"ふつう ×1", FrameMs},
                  {u"はやい ×2", 2 * FrameMs},
                  {u"もっとはやい ×4", 4 * FrameMs},
                  {u"とてもはやい ×8", 8 * FrameMs}};
    for (const auto &speed : speeds)
        m_speedChoice->addItem(QString::fromUtf16(speed.text), speed.msPerFrame);
    m_speedChoice->setCurrentIndex(1);
    runLayout->addWidget(new QLabel(QStringLiteral(u"速さ"), runBox), 2, 0);
    runLayout->addWidget(m_speedChoice, 2, 1);
    m_time = new QLabel(runBox);
    m_time->setObjectName(QStringLiteral(u"時間"));
    m_state = new QLabel(runBox);
    m_state->setObjectName(QStringLiteral(u"状態"));
    m_state->setWordWrap(true);
    runLayout->addWidget(m_time, 3, 0, 1, 2);
    runLayout->addWidget(m_state, 4, 0, 1, 2);

    auto *sensorBox
        = new QGroupBox(QStringLiteral(u"センサ（クリックで押す・光をあてる）"), m_side);
    auto *sensorLayout = new QGridLayout(sensorBox);
    const QString digits = QStringLiteral(u"１２");
    for (int n = 0; n < 2; ++n) {
        m_touch[n] = switchButton(QStringLiteral(u"タッチ") + digits[n],
                                  QStringLiteral(u"タッチ") + digits[n], sensorBox);
        connect(m_touch[n], &QPushButton::toggled, this, [this, n](bool on) {
            m_simulation->setTouchSwitch(n, on);
            refresh();
        });
        m_light[n] = switchButton(QStringLiteral(u"光") + digits[n],
                                  QStringLiteral(u"光") + digits[n], sensorBox);
        connect(m_light[n], &QPushButton::toggled, this, [this, n](bool on) {
            m_simulation->setLightSwitch(n, on);
            refresh();
        });
        m_sensorLamps[n]
            = lamp(QStringLiteral(u"タッチ表示") + digits[n], QStringLiteral(u"ON"), sensorBox);
        m_sensorLamps[2 + n]
            = lamp(QStringLiteral(u"光表示") + digits[n], QStringLiteral(u"明"), sensorBox);
        m_sensorLamps[n]->setAccessibleDescription(QStringLiteral(u"タッチセンサ") + digits[n]);
        m_sensorLamps[2 + n]->setAccessibleDescription(QStringLiteral(u"光センサ") + digits[n]);
        sensorLayout->addWidget(m_touch[n], n, 0);
        sensorLayout->addWidget(m_sensorLamps[n], n, 1);
        sensorLayout->addWidget(m_light[n], n, 2);
        sensorLayout->addWidget(m_sensorLamps[2 + n], n, 3);
    }
    m_room
        = switchButton(QStringLiteral(u"部屋の明かり"), QStringLiteral(u"部屋の明かり"), sensorBox);
    connect(m_room, &QPushButton::toggled, this, [this](bool on) {
        m_simulation->setRoomLight(on);
        refresh();
    });
    sensorLayout->addWidget(m_room, 2, 0, 1, 4);

    auto *outputBox = new QGroupBox(QStringLiteral(u"LED・ブザー"), m_side);
    auto *outputLayout = new QHBoxLayout(outputBox);
    m_led = lamp(QStringLiteral(u"LED表示"), QStringLiteral(u"LED"), outputBox);
    m_beep = lamp(QStringLiteral(u"ブザー表示"), QString(), outputBox);
    m_sound = new QCheckBox(QStringLiteral(u"音"), outputBox);
    m_sound->setObjectName(QStringLiteral(u"音"));
    m_led->setAccessibleDescription(QStringLiteral(u"LED"));
    m_beep->setAccessibleDescription(QStringLiteral(u"ブザー"));
    m_sound->setChecked(true);
    outputLayout->addWidget(m_led);
    outputLayout->addWidget(m_beep, 1);
    outputLayout->addWidget(m_sound);

    auto *variableBox = new QGroupBox(QStringLiteral(u"変数"), m_side);
    variableBox->setObjectName(QStringLiteral(u"変数"));
    m_variableGrid = new QGridLayout(variableBox);
    const QString letters = QStringLiteral(u"ＡＢＣＤＥＦＧＨ");
    for (int v = 0; v < VariableCount; ++v) {
        m_variableNames[v] = new QLabel(letters.mid(v, 1) + u'＝', variableBox);
        QLabel *name = m_variableNames[v];
        name->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_variables[v] = new QLabel(QStringLiteral("0"), variableBox);
        m_variables[v]->setObjectName(QStringLiteral(u"変数") + letters[v]);
        m_variables[v]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_variables[v]->setMinimumWidth(m_variables[v]->fontMetrics().horizontalAdvance(u'0') * 4);
    }
    m_variableGrid->setHorizontalSpacing(12);
    m_groups = {courseBox, runBox, sensorBox, outputBox, variableBox};

    // The controls scroll where the screen is too small for them; the course gets all the room
    // they leave.
    m_sideScroll = new QScrollArea(this);
    m_sideScroll->setObjectName(QStringLiteral(u"操作"));
    m_sideScroll->setFrameShape(QFrame::NoFrame);
    m_sideScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_sideScroll->setWidgetResizable(true);
    // Tab goes to the controls inside; the area itself takes no keys.
    m_sideScroll->setFocusPolicy(Qt::NoFocus);
    m_sideScroll->setWidget(m_side);
    m_outer = new QBoxLayout(QBoxLayout::LeftToRight, this);
    m_roomyMargins = m_outer->contentsMargins();
    m_outer->addWidget(m_view, 1);
    m_outer->addWidget(m_sideScroll);
    arrange(false);
    resize(RoomySize);
}

void SimulatorWindow::arrange(bool compact)
{
    m_compact = compact;
    delete m_side->layout(); // the boxes stay where they are, children of m_side
    const auto column = [this](std::initializer_list<int> groups) {
        auto *boxes = new QVBoxLayout;
        for (int group : groups)
            boxes->addWidget(m_groups[group]);
        boxes->addStretch(1);
        return boxes;
    };
    // The variables four to a row, two in the narrow layout.
    const int perRow = compact ? 2 : 4;
    for (int v = 0; v < VariableCount; ++v) {
        m_variableGrid->removeWidget(m_variableNames[v]);
        m_variableGrid->removeWidget(m_variables[v]);
        m_variableGrid->addWidget(m_variableNames[v], v / perRow, (v % perRow) * 2);
        m_variableGrid->addWidget(m_variables[v], v / perRow, (v % perRow) * 2 + 1);
    }
    for (int column = 1; column < 8; column += 2)
        m_variableGrid->setColumnMinimumWidth(column, column < 2 * perRow ? 36 : 0);
    const int bar = m_sideScroll->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    if (compact) {
        // Below the course, in two columns: course and run, then sensors, outputs, variables.
        auto *columns = new QHBoxLayout(m_side);
        columns->setContentsMargins(0, 0, 0, 0);
        columns->addLayout(column({0, 1}), 1);
        columns->addLayout(column({2, 3, 4}), 1);
        m_outer->setDirection(QBoxLayout::TopToBottom);
        // Narrow margins: every pixel counts beside the editor on a 1366-pixel screen.
        m_outer->setContentsMargins(4, 4, 4, 4);
        m_sideScroll->setMinimumWidth(m_side->minimumSizeHint().width() + bar);
        m_sideScroll->setMaximumWidth(QWIDGETSIZE_MAX);
        m_sideScroll->setMaximumHeight(m_side->sizeHint().height());
    } else {
        auto *boxes = column({0, 1, 2, 3, 4});
        boxes->setContentsMargins(0, 0, 0, 0);
        m_side->setLayout(boxes);
        m_outer->setDirection(QBoxLayout::LeftToRight);
        m_outer->setContentsMargins(m_roomyMargins);
        m_sideScroll->setFixedWidth(SideWidth + bar);
        m_sideScroll->setMaximumHeight(QWIDGETSIZE_MAX);
    }
}

void SimulatorWindow::setCompact(bool compact)
{
    if (compact != m_compact)
        arrange(compact);
}

QSize SimulatorWindow::compactMinimumSize()
{
    const bool was = m_compact;
    arrange(true);
    // The course at its least, above the controls at their full height.
    m_sideScroll->setMinimumHeight(m_sideScroll->maximumHeight());
    m_outer->invalidate();
    const QSize size = m_outer->totalMinimumSize();
    m_sideScroll->setMinimumHeight(0);
    arrange(was);
    return size;
}

void SimulatorWindow::rebuildSimulation(int start)
{
    m_simulation = std::make_unique<Simulation>(m_compiled.code, ReadyCourse(m_course), start);
    m_view->setSimulation(m_simulation.get());
    m_startChoice->clear();
    for (const StartPlace &place : ReadyCourse(m_course).starts)
        m_startChoice->addItem(place.name);
    m_startChoice->setCurrentIndex(m_simulation->world().start());
    m_startChoice->setEnabled(m_startChoice->count() > 1);

    // The variables are the point of the variables course: shown large there.
    QFont font = this->font();
    if (ReadyCourse(m_course).showsVariables) {
        font.setPointSizeF(font.pointSizeF() * 1.8);
        font.setBold(true);
    }
    for (QLabel *label : m_variables)
        label->setFont(font);
    for (QLabel *label : m_variableNames)
        label->setFont(font);

    m_lastBeepSeen = -1;
    m_trail.clear();
    m_trailTime = -1;
    recordTrail(true);
    refresh();
}

bool SimulatorWindow::isPlaying() const
{
    return m_timer->isActive();
}

void SimulatorWindow::play()
{
    const World &world = m_simulation->world();
    if (m_simulation->stopped() && world.leftSpeed() == 0 && world.rightSpeed() == 0)
        reset(); // played to its end: play it again
    m_timer->start();
    refresh();
}

void SimulatorWindow::pause()
{
    m_timer->stop();
    refresh();
}

void SimulatorWindow::stepOnce()
{
    m_timer->stop();
    const qint64 before = m_simulation->now();
    m_simulation->stepInstruction(StepLimitMs);
    noteBeep();
    if (m_simulation->now() != before)
        recordTrail(true);
    refresh();
}

void SimulatorWindow::reset()
{
    m_timer->stop();
    m_simulation->reset();
    m_lastBeepSeen = -1;
    m_trail.clear();
    m_trailTime = -1;
    recordTrail(true);
    refresh();
}

void SimulatorWindow::setCourse(int course)
{
    if (course < 1 || course > CourseCount)
        return;
    m_timer->stop();
    m_course = course;
    m_courseChoice->setCurrentIndex(course - 1);
    rebuildSimulation(0);
}

void SimulatorWindow::advance(qint64 ms)
{
    for (qint64 i = 0; i < ms; ++i) {
        m_simulation->stepMillisecond();
        noteBeep();
        recordTrail();
    }
    const World &world = m_simulation->world();
    if (m_simulation->stopped() && world.leftSpeed() == 0 && world.rightSpeed() == 0)
        m_timer->stop(); // nothing more will happen
    refresh();
}

void SimulatorWindow::frame()
{
    advance(m_speedChoice->currentData().toInt());
}

void SimulatorWindow::recordTrail(bool force)
{
    const qint64 now = m_simulation->now();
    if (!force && m_trailTime >= 0 && now - m_trailTime < TrailStepMs)
        return;
    m_trailTime = now;
    m_trail << m_simulation->world().position();
    if (m_trail.size() > TrailLimit)
        m_trail.remove(0, m_trail.size() - TrailLimit);
}

void SimulatorWindow::noteBeep()
{
    const RobotMachine &machine = m_simulation->machine();
    if (machine.lastBeepTime() == m_lastBeepSeen)
        return;
    m_lastBeepSeen = machine.lastBeepTime();
    if (m_lastBeepSeen < 0 || !m_sound->isChecked())
        return;
    if (!m_player)
        m_player = new SignalPlayer(this);
    if (!m_player->isPlaying())
        m_player->play(BeepSamples(machine.lastBeepTone()));
}

void SimulatorWindow::updateExecutingSlot()
{
    const int slot = ExecutingSlot(*m_simulation, m_compiled);
    if (slot != m_executingSlot) {
        m_executingSlot = slot;
        emit executingSlotChanged(slot);
    }
}

void SimulatorWindow::refresh()
{
    const RobotMachine &machine = m_simulation->machine();
    const World &world = m_simulation->world();

    m_time->setText(QStringLiteral(u"時間　%1 秒").arg(seconds(m_simulation->now())));
    QString state;
    QString colour = QStringLiteral("#000");
    switch (machine.status()) {
    case MachineStatus::Running:
        state = isPlaying()            ? QStringLiteral(u"実行中")
            : m_simulation->now() == 0 ? QStringLiteral(u"「▶ 実行」でスタートします")
                                       : QStringLiteral(u"一時停止中");
        break;
    case MachineStatus::Timed:
        state = machine.beepTone() > 0 ? QStringLiteral(u"ブザーを鳴らしています")
            : machine.drive().mode == WheelMode::Braked ? QStringLiteral(u"ブレーキ中")
                                                        : QStringLiteral(u"待っています");
        break;
    case MachineStatus::Ended:
        state = QStringLiteral(u"プログラムは終わりました");
        break;
    case MachineStatus::Fault:
        state = machine.faultText();
        colour = QStringLiteral("#c00000");
        break;
    }
    if (machine.executingAddress() >= 0 && !m_simulation->stopped())
        state += QStringLiteral(u"（アドレス %1）").arg(machine.executingAddress());
    m_state->setText(state);
    m_state->setStyleSheet(QStringLiteral("color:%1;").arg(colour));

    for (int n = 0; n < 2; ++n) {
        const bool pressed = m_simulation->touchPressed(n);
        const bool light = m_simulation->lightDetected(n);
        setLamp(m_sensorLamps[n], pressed);
        m_sensorLamps[n]->setText(pressed ? QStringLiteral("ON") : QStringLiteral("OFF"));
        setLamp(m_sensorLamps[2 + n], light);
        m_sensorLamps[2 + n]->setText(light ? QStringLiteral(u"明") : QStringLiteral(u"暗"));
        const QSignalBlocker touchBlocker(m_touch[n]);
        m_touch[n]->setChecked(m_simulation->touchSwitch(n));
        const QSignalBlocker lightBlocker(m_light[n]);
        m_light[n]->setChecked(m_simulation->lightSwitch(n));
    }
    {
        const QSignalBlocker blocker(m_room);
        m_room->setChecked(world.roomLightOn());
        m_room->setText(world.roomLightOn() ? QStringLiteral(u"部屋の明かり：つけている")
                                            : QStringLiteral(u"部屋の明かり：消している"));
    }
    setLamp(m_led, machine.ledOn());
    if (machine.beepTone() > 0) {
        m_beep->setText(QStringLiteral(u"♪ ブザー%1").arg(machine.beepTone()));
        setLamp(m_beep, true);
    } else {
        m_beep->setText(machine.lastBeepTone() > 0 ? QStringLiteral(u"ブザー%1（%2 秒）")
                                                         .arg(machine.lastBeepTone())
                                                         .arg(seconds(machine.lastBeepTime()))
                                                   : QStringLiteral(u"ブザー　－"));
        setLamp(m_beep, false);
    }
    for (int v = 0; v < VariableCount; ++v)
        m_variables[v]->setText(QString::number(machine.variable(v)));

    m_play->setEnabled(!isPlaying());
    m_pause->setEnabled(isPlaying());
    m_view->setTrail(m_trail);
    updateExecutingSlot();
}

void SimulatorWindow::closeEvent(QCloseEvent *event)
{
    m_timer->stop();
    if (m_player)
        m_player->stop();
    if (m_executingSlot != -1) {
        m_executingSlot = -1;
        emit executingSlotChanged(-1);
    }
    event->accept();
}

} // namespace zuvo::sim
