#include "common/windowmenus.h"

#include "common/aboutboxes.h"

#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace zuvo {

static QMenu *addMenu(QMenuBar *menuBar, const QString &name)
{
    QMenu *menu = menuBar->addMenu(name);
    menu->setObjectName(name);
    return menu;
}

static QAction *addItem(QMenu *menu, const QString &name, const QString &caption)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(name);
    return action;
}

void AddHelpMenu(QMenuBar *menuBar, QWidget *parent)
{
    QMenu *help = addMenu(menuBar, QStringLiteral("ヘルプ"));
    QObject::connect(
        addItem(help, QStringLiteral("バージョン"), QStringLiteral("バージョン情報(&V)")),
        &QAction::triggered, parent, [parent] { ShowVersionBox(parent); });
    QObject::connect(
        addItem(help, QStringLiteral("Zuvomatic"), QStringLiteral("Zuvomaticについて")),
        &QAction::triggered, parent, [parent] { ShowAboutBox(parent); });
}

FileMenuActions AddChoiceMenus(QMainWindow *window, const QString &endCaption)
{
    QMenuBar *bar = window->menuBar();
    QMenu *file = addMenu(bar, QStringLiteral("ファイル"));
    FileMenuActions actions;
    actions.Create = addItem(file, QStringLiteral("つくる"), QStringLiteral("つくる"));
    actions.Samples = addItem(file, QStringLiteral("サンプル"), QStringLiteral("サンプル"));
    actions.Begin = addItem(file, QStringLiteral("はじめる"), QStringLiteral("はじめる"));
    actions.End = addItem(file, endCaption, endCaption);
    // These windows edit nothing; the menus stand only so that every window's bar looks alike.
    for (const char *name : {"編集", "表示", "ツール"})
        addMenu(bar, QString::fromUtf8(name))->setEnabled(false);
    AddHelpMenu(bar, window);
    return actions;
}

} // namespace zuvo
