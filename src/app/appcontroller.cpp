#include "app/appcontroller.h"

#include "common/windowplacement.h"
#include "help/helpbrowser.h"
#include "samples/samplechooser.h"
#include "start/startscreen.h"
#include "start/waitwindow.h"

#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace zuvo {

AppController::AppController(EditorFactory editorFactory, const QStringList &commandLineWords,
                             QObject *parent)
    : QObject(parent)
    , m_editorFactory(std::move(editorFactory))
    , m_commandLineWords(commandLineWords)
    , m_startScreen(std::make_unique<StartScreen>())
    , m_waitWindow(std::make_unique<WaitWindow>())
{
    StartScreen *start = m_startScreen.get();
    connect(start, &StartScreen::waitWindowRequested, this, &AppController::ShowWaitWindow);
    connect(start, &StartScreen::editorRequested, this, &AppController::StartEditor);
    connect(start, &StartScreen::samplesRequested, this, &AppController::ShowSamples);
    connect(start, &StartScreen::helpRequested, this, &AppController::ShowHelp);
    connect(start, &StartScreen::endRequested, this, &AppController::End);
}

AppController::~AppController()
{
    delete m_editor.data();
}

HelpBrowser *AppController::helpBrowser()
{
    if (!m_helpBrowser) {
        m_helpBrowser = std::make_unique<HelpBrowser>();
        HelpBrowser *help = m_helpBrowser.get();
        connect(help, &HelpBrowser::startScreenRequested, this, &AppController::ShowStartScreen);
        connect(help, &HelpBrowser::choiceRequested, this,
                [this, help](int choice) { takeChoiceFrom(help, choice); });
    }
    return m_helpBrowser.get();
}

SampleChooser *AppController::sampleChooser()
{
    if (!m_sampleChooser) {
        m_sampleChooser = std::make_unique<SampleChooser>();
        SampleChooser *chooser = m_sampleChooser.get();
        connect(chooser, &SampleChooser::startScreenRequested, this,
                &AppController::ShowStartScreen);
        connect(chooser, &SampleChooser::waitWindowRequested, this, &AppController::ShowWaitWindow);
        connect(chooser, &SampleChooser::editorRequested, this, &AppController::StartEditor);
        connect(chooser, &SampleChooser::choiceRequested, this,
                [this, chooser](int choice) { takeChoiceFrom(chooser, choice); });
    }
    return m_sampleChooser.get();
}

QList<QWidget *> AppController::visibleMainWindows() const
{
    QList<QWidget *> shown;
    for (QWidget *window :
         {static_cast<QWidget *>(m_startScreen.get()), static_cast<QWidget *>(m_helpBrowser.get()),
          static_cast<QWidget *>(m_sampleChooser.get()), static_cast<QWidget *>(m_editor.data())}) {
        if (window && window->isVisible())
            shown << window;
    }
    return shown;
}

void AppController::Start()
{
    m_startScreen->PointAtBox(-1);
    m_startScreen->adjustSize();
    CentreOnScreen(m_startScreen.get());
    m_startScreen->show();
}

void AppController::ShowStartScreen()
{
    if (m_ending)
        return;
    // A balloon left from before would speak of a box the pointer is no longer over.
    m_startScreen->PointAtBox(-1);
    m_startScreen->show();
    m_startScreen->raise();
    m_startScreen->activateWindow();
    // The window that asked hides itself; the others must not stay up beside the hub.
    for (QWidget *window : visibleMainWindows()) {
        if (window != m_startScreen.get() && window != sender())
            window->hide();
    }
}

void AppController::ShowWaitWindow()
{
    CentreOnScreen(m_waitWindow.get());
    m_waitWindow->show();
    m_waitWindow->raise();
}

void AppController::StartEditor(int editorStartMode)
{
    openEditorWhenWaitWindowShows(editorStartMode, 50);
}

void AppController::openEditorWhenWaitWindowShows(int editorStartMode, int attemptsLeft)
{
    if (m_ending)
        return;
    // The editor's load takes a moment; the wait window must be on screen before it starts,
    // and a window system may map it a little after the request.
    QWindow *handle = m_waitWindow->windowHandle();
    if (m_waitWindow->isVisible() && handle && !handle->isExposed() && attemptsLeft > 0) {
        QTimer::singleShot(10, this, [this, editorStartMode, attemptsLeft] {
            openEditorWhenWaitWindowShows(editorStartMode, attemptsLeft - 1);
        });
        return;
    }
    if (m_waitWindow->isVisible())
        m_waitWindow->repaint();

    if (!m_editor) {
        QWidget *editor = m_editorFactory(editorStartMode, m_commandLineWords);
        m_editor = editor;
        if (editor) {
            connect(editor, SIGNAL(left()), this, SLOT(editorLeft()));
            connect(editor, &QObject::destroyed, this, &AppController::editorGone);
        }
    }
    m_waitWindow->hide();
    if (!m_editor) {
        ShowStartScreen();
        return;
    }
    m_editor->show();
    m_editor->raise();
    m_editor->activateWindow();
    for (QWidget *window : visibleMainWindows()) {
        if (window != m_editor)
            window->hide();
    }
}

void AppController::ShowHelp()
{
    HelpBrowser *help = helpBrowser();
    help->show();
    help->raise();
    help->activateWindow();
}

void AppController::ShowSamples()
{
    SampleChooser *chooser = sampleChooser();
    chooser->show();
    chooser->raise();
    chooser->activateWindow();
}

void AppController::End()
{
    if (m_ending)
        return;
    m_ending = true;
    m_waitWindow->hide();
    for (QWidget *window : visibleMainWindows())
        window->hide();
    emit ended();
}

void AppController::editorLeft()
{
    QWidget *editor = m_editor;
    m_editor = nullptr;
    ShowStartScreen();
    if (editor) {
        editor->hide();
        editor->deleteLater();
    }
}

void AppController::editorGone()
{
    // An editor that went away without saying so must not leave the program invisible.
    if (!m_ending && visibleMainWindows().isEmpty() && !m_waitWindow->isVisible())
        ShowStartScreen();
}

void AppController::takeChoiceFrom(QWidget *window, int choice)
{
    // As on the start screen: what was chosen comes up first, then this window goes.
    m_startScreen->Choose(choice);
    window->hide();
}

} // namespace zuvo
