// Every menu of every window: no two items of one menu, and no two menus of one bar, share a
// letter. Alt and a shared letter cycle between the items instead of choosing one.

#include "editor/editorwindow.h"
#include "help/helpbrowser.h"
#include "samples/samplechooser.h"
#include "start/startscreen.h"
#include "widgetapp.h"

#include <QMenu>
#include <QMenuBar>

#include <gtest/gtest.h>

using namespace zuvo;

TEST(MenuLetters, NoTwoItemsOfOneMenuShareALetter)
{
    zuvo::test::widgetApp();
    StartScreen start;
    HelpBrowser help;
    SampleChooser samples;
    EditorWindow editor(10, {});
    const QList<QMainWindow *> windows {&start, &help, &samples, &editor};
    for (QMainWindow *window : windows) {
        QList<QList<QAction *>> menus {window->menuBar()->actions()};
        for (const QMenu *menu : window->findChildren<QMenu *>())
            menus << menu->actions();
        int lettered = 0;
        for (const QList<QAction *> &items : menus) {
            QMap<int, QString> taken;
            for (const QAction *item : items) {
                const QKeySequence letter = QKeySequence::mnemonic(item->text());
                if (letter.isEmpty())
                    continue;
                ++lettered;
                const int key = letter[0].toCombined();
                EXPECT_FALSE(taken.contains(key))
                    << window->objectName().toStdString() << ": " << item->text().toStdString()
                    << " and " << taken.value(key).toStdString();
                taken.insert(key, item->text());
            }
        }
        EXPECT_GT(lettered, 0) << window->objectName().toStdString();
    }
}
