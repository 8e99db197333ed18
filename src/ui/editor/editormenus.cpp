#include "editor/editormenus.h"

#include "session/editorsession.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace zuvo {

EditorMenus::EditorMenus(EditorSession &session, QMainWindow *window)
    : QObject(window)
    , m_session(session)
    , m_window(window)
{
    EditorSession *s = &m_session;

    QMenu *file = addMenu(QStringLiteral("file"), QStringLiteral("ファイル(&F)"));
    QAction *newProgram = addItem(file, QStringLiteral("新規"), QStringLiteral("新規(&N)"));
    newProgram->setShortcut(QKeySequence::New);
    connect(newProgram, &QAction::triggered, s, &EditorSession::NewProgramCommand);
    QAction *open = addItem(file, QStringLiteral("開く"), QStringLiteral("開く(&O)"));
    open->setShortcut(QKeySequence::Open);
    connect(open, &QAction::triggered, s, &EditorSession::OpenRobotFile);
    QAction *insert = addItem(file, QStringLiteral("差込読出"), QStringLiteral("差込読出し(&I)"));
    connect(insert, &QAction::triggered, s, &EditorSession::InsertRobotFile);
    addSeparator(file, QStringLiteral("区切0"));
    QAction *save = addItem(file, QStringLiteral("上書き保存"), QStringLiteral("上書き保存(&V)"));
    save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    connect(save, &QAction::triggered, s, &EditorSession::SaveRobotFile);
    QAction *saveAs = addItem(file, QStringLiteral("別名で保存"), QStringLiteral("別名で保存(&E)"));
    saveAs->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    connect(saveAs, &QAction::triggered, s, &EditorSession::SaveRobotFileAs);
    // The program as a picture; PictureCommands carries these out. Their letters are the ones
    // the described items leave free: 差込読出し has I and 上書き保存 has V.
    addSeparator(file, QStringLiteral(u"区切画像"));
    addItem(file, QStringLiteral(u"画像として保存"), QStringLiteral(u"画像として保存(&G)..."));
    addItem(file, QStringLiteral(u"印刷"), QStringLiteral(u"印刷(&P)..."))
        ->setShortcut(QKeySequence::Print);
    addItem(file, QStringLiteral(u"印刷プレビュー"), QStringLiteral(u"印刷プレビュー(&W)..."));
    addItem(file, QStringLiteral(u"マス目も描く"), QStringLiteral(u"マス目も描く(&M)"))
        ->setCheckable(true);
    addSeparator(file, QStringLiteral("区切1"));
    QAction *leave
        = addItem(file, QStringLiteral("初期画面に戻る"), QStringLiteral("初期画面に戻る(&R)"));
    connect(leave, &QAction::triggered, this, &EditorMenus::leaveRequested);

    QMenu *edit = addMenu(QStringLiteral("edit"), QStringLiteral("編集(&E)"));
    connect(addItem(edit, QStringLiteral("Delete"), QStringLiteral("消す(&D)")),
            &QAction::triggered, s, &EditorSession::DeleteSelection);
    connect(addItem(edit, QStringLiteral("Copy"), QStringLiteral("コピー(&C)")),
            &QAction::triggered, s, &EditorSession::CopySelection);
    connect(addItem(edit, QStringLiteral("move"), QStringLiteral("いどう(&M)")),
            &QAction::triggered, s, &EditorSession::MoveSelection);
    m_undo = addItem(edit, QStringLiteral("取り消し"), QStringLiteral("一つ前に戻る(&U)"));
    m_undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    m_undo->setEnabled(false);
    connect(m_undo, &QAction::triggered, this, [this] {
        m_session.Undo();
        emit undone();
    });
    connect(addItem(edit, QStringLiteral("undo"), QStringLiteral("選択のクリア(&R)")),
            &QAction::triggered, s, &EditorSession::ClearSelection);

    QMenu *tool = addMenu(QStringLiteral("tool"), QStringLiteral("ツール(&T)"));
    m_check = addItem(tool, QStringLiteral("文法チェック"), QStringLiteral("文法チェック(&C)"));
    connect(m_check, &QAction::triggered, s, &EditorSession::RunGrammarCheck);
    m_send = addItem(tool, QStringLiteral("送信"), QStringLiteral("送る(&S)"));
    m_send->setEnabled(false);
    connect(m_send, &QAction::triggered, s, &EditorSession::RunGrammarCheck);
    QAction *volume = addItem(tool, QStringLiteral("音"), QStringLiteral("音量プロパティ表示(&P)"));
    connect(volume, &QAction::triggered, this, &EditorMenus::volumeRequested);
    m_wav = addItem(tool, QStringLiteral("WAV保存"),
                    QStringLiteral("信号をWAVファイルに保存(&W)..."));
    m_wav->setEnabled(false);
    connect(m_wav, &QAction::triggered, s, &EditorSession::SaveSignalAsWav);
    m_simulator = addItem(tool, QStringLiteral("シミュレータ"), QStringLiteral("シミュレータ(&M)"));
    m_simulator->setEnabled(false);
    connect(m_simulator, &QAction::triggered, this, &EditorMenus::simulatorRequested);
    // PictureCommands prints them.
    addItem(tool, QStringLiteral(u"アイコンカードを印刷"),
            QStringLiteral(u"アイコンカードを印刷(&I)..."));

    // The keyboard mode: every grid action without a mouse.
    m_keyboard
        = addItem(tool, QStringLiteral("キーボード操作"), QStringLiteral("キーボードで操作(&K)"));
    m_keyboard->setCheckable(true);
    m_keyboard->setShortcut(QKeySequence(Qt::Key_F7));
    connect(m_keyboard, &QAction::triggered, this, [this] {
        m_session.ToggleKeyboardMode();
        emit keyboardModeToggled();
    });

    QMenu *help = addMenu(QStringLiteral("help"), QStringLiteral("ヘルプ"));
    connect(addItem(help, QStringLiteral("バージョン"), QStringLiteral("バージョン情報(&V)")),
            &QAction::triggered, this, &EditorMenus::versionRequested);
    connect(addItem(help, QStringLiteral("Zuvomatic"), QStringLiteral("Zuvomaticについて")),
            &QAction::triggered, this, &EditorMenus::aboutRequested);
}

QMenu *EditorMenus::addMenu(const QString &name, const QString &caption)
{
    QMenu *menu = m_window->menuBar()->addMenu(caption);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    return menu;
}

QAction *EditorMenus::addItem(QMenu *menu, const QString &name, const QString &caption)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(name);
    return action;
}

void EditorMenus::addSeparator(QMenu *menu, const QString &name)
{
    menu->addSeparator()->setObjectName(name);
}

QAction *EditorMenus::item(const QString &name) const
{
    for (QAction *action : m_window->menuBar()->findChildren<QAction *>()) {
        if (action->objectName() == name)
            return action;
    }
    return nullptr;
}

void EditorMenus::render()
{
    const EditorView &view = m_session.view();
    m_undo->setEnabled(view.undoAvailable);
    const QString checkCaption = view.checkMenuCaption.isEmpty()
        ? QStringLiteral("文法チェック(&C)")
        : view.checkMenuCaption;
    if (m_check->text() != checkCaption)
        m_check->setText(checkCaption);
    m_check->setEnabled(view.checkMenuEnabled);
    m_send->setEnabled(view.sendEnabled);
    // Both need the program the check has passed, exactly as sending does.
    m_wav->setEnabled(view.sendEnabled);
    m_simulator->setEnabled(view.sendEnabled);
    m_keyboard->setChecked(m_session.state().KeyboardMode != 0);
}

} // namespace zuvo
