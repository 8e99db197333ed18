#pragma once
// The simulator window: the current program running on a virtual robot, on one of the five
// courses, with play, pause, one step, reset, a speed choice, the switches a child can click,
// the LED, the last beep and the variables. While it runs it names the icon slot whose
// instruction is executing, so the editor can light that icon.

#include "sim/simprogram.h"
#include "sim/simulation.h"

#include <QWidget>
#include <array>
#include <memory>

QT_BEGIN_NAMESPACE
class QBoxLayout;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QPushButton;
class QScrollArea;
class QTimer;
QT_END_NAMESPACE

namespace zuvo {
class SignalPlayer;
}

namespace zuvo::sim {

class CourseView;

class SimulatorWindow : public QWidget
{
    Q_OBJECT
public:
    // `compiled`: a program ready for the simulator (CompileForSimulator). `course` is 1 to 5;
    // any other number shows course 1.
    SimulatorWindow(const SimProgram &compiled, int course, QWidget *parent = nullptr);
    ~SimulatorWindow() override;

    // Frame interval while playing, in milliseconds of real time.
    static constexpr int FrameMs = 20;
    // The client size with the controls beside the course.
    static constexpr QSize RoomySize {1100, 620};

    // The narrow layout: the course above the controls, for the room beside the editor on a
    // small screen.
    void setCompact(bool compact);
    bool isCompact() const { return m_compact; }
    // The least client size of the narrow layout, the controls at their full height.
    QSize compactMinimumSize();

    const Simulation &simulation() const { return *m_simulation; }
    int courseNumber() const { return m_course; }
    // The icon slot lit now; -1 when none (stopped, reset, or the address has no icon).
    int executingSlot() const { return m_executingSlot; }
    bool isPlaying() const;

public slots:
    void play();
    void pause();
    // Runs until the next instruction has executed (a Wait takes its time).
    void stepOnce();
    // Program, robot and course back to their start.
    void reset();
    // Advances the simulation by `ms` simulated milliseconds, as the play timer does.
    void advance(qint64 ms);
    void setCourse(int course);

signals:
    // The icon slot whose instruction now executes; -1 when the program has stopped, has been
    // reset or the window closes.
    void executingSlotChanged(int slot);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls();
    void arrange(bool compact);
    void rebuildSimulation(int start);
    void frame();
    void refresh();
    void updateExecutingSlot();
    void noteBeep();
    void recordTrail(bool force = false);

    SimProgram m_compiled;
    int m_course = 1;
    std::unique_ptr<Simulation> m_simulation;
    int m_executingSlot = -1;
    qint64 m_lastBeepSeen = -1;
    QList<QPointF> m_trail;
    qint64 m_trailTime = -1;

    static constexpr int SideWidth = 330;
    CourseView *m_view = nullptr;
    QBoxLayout *m_outer = nullptr;
    QMargins m_roomyMargins;
    QScrollArea *m_sideScroll = nullptr;
    QWidget *m_side = nullptr;
    std::array<QGroupBox *, 5> m_groups {}; // course, run, sensors, outputs, variables
    bool m_compact = false;
    QComboBox *m_courseChoice = nullptr;
    QComboBox *m_startChoice = nullptr;
    QComboBox *m_speedChoice = nullptr;
    QPushButton *m_play = nullptr;
    QPushButton *m_pause = nullptr;
    QPushButton *m_step = nullptr;
    QPushButton *m_reset = nullptr;
    QPushButton *m_touch[2] = {nullptr, nullptr};
    QPushButton *m_light[2] = {nullptr, nullptr};
    QPushButton *m_room = nullptr;
    QCheckBox *m_sound = nullptr;
    QLabel *m_time = nullptr;
    QLabel *m_state = nullptr;
    QLabel *m_sensorLamps[4] = {nullptr, nullptr, nullptr, nullptr};
    QLabel *m_led = nullptr;
    QLabel *m_beep = nullptr;
    QLabel *m_variables[VariableCount] = {};
    QLabel *m_variableNames[VariableCount] = {};
    QGridLayout *m_variableGrid = nullptr;
    QTimer *m_timer = nullptr;
    SignalPlayer *m_player = nullptr;
};

} // namespace zuvo::sim
