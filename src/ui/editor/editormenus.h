#pragma once
// The editor's menu bar: ファイル, 編集, ツール and ヘルプ with their items, each carrying its
// control name. Items call the session's operations; enablement and captions follow the view.

#include <QObject>

class QAction;
class QMainWindow;
class QMenu;

namespace zuvo {

class EditorSession;

class EditorMenus : public QObject
{
    Q_OBJECT
public:
    EditorMenus(EditorSession &session, QMainWindow *window);

    void render();

    // The item with the given control name, nullptr when there is none.
    QAction *item(const QString &name) const;

signals:
    void leaveRequested(); // 初期画面に戻る
    void volumeRequested(); // 音
    void simulatorRequested(); // シミュレータ
    void keyboardModeToggled(); // キーボード操作
    void undone(); // 取り消し ran the undo
    void versionRequested();
    void aboutRequested();

private:
    QMenu *addMenu(const QString &name, const QString &caption);
    QAction *addItem(QMenu *menu, const QString &name, const QString &caption);
    void addSeparator(QMenu *menu, const QString &name);

    EditorSession &m_session;
    QMainWindow *m_window;
    QAction *m_undo = nullptr;
    QAction *m_check = nullptr;
    QAction *m_send = nullptr;
    QAction *m_wav = nullptr;
    QAction *m_simulator = nullptr;
    QAction *m_keyboard = nullptr;
};

} // namespace zuvo
