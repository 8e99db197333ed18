#pragma once
// The menu bar that the help window and the sample chooser share with the start screen:
// ファイル with four choices, the disabled 編集, 表示 and ツール, and ヘルプ.

#include <QString>

class QAction;
class QMainWindow;
class QMenuBar;
class QWidget;

namespace zuvo {

struct FileMenuActions
{
    QAction *Create = nullptr; // つくる
    QAction *Samples = nullptr; // サンプル
    QAction *Begin = nullptr; // はじめる
    QAction *End = nullptr; // おわり / おわる
};

// Adds ヘルプ with the version and about boxes, shown over `parent`.
void AddHelpMenu(QMenuBar *menuBar, QWidget *parent);

// The whole menu bar of the help window and the sample chooser; `endCaption` differs between
// the two windows.
FileMenuActions AddChoiceMenus(QMainWindow *window, const QString &endCaption);

} // namespace zuvo
