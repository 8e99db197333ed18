#pragma once
// The editor window driven offscreen: one application for the test program, a window per test
// with scripted prompts, and helpers to find controls by their names and to point at cells.

#include "common/qtjapanese.h"
#include "editor/editorwindow.h"
#include "editor/gridsurface.h"
#include "scriptedprompts.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace zuvo::test {

inline void ensureApplication()
{
    if (QApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "editor_widget_tests";
    static char *argv[] = {name, nullptr};
    // Qt's texts in Japanese, as the program installs them at its start.
    InstallJapaneseQtTexts(*new QApplication(argc, argv));
}

class EditorWindowTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { ensureApplication(); }

    void SetUp() override
    {
        window = std::make_unique<EditorWindow>(10, QStringList {}, prompts);
        prompts.messageArea = [this] {
            return window->session().view().messageText;
        };
        window->show();
        QCoreApplication::processEvents();
    }
    void TearDown() override { window.reset(); }

    EditorSession &session() { return window->session(); }
    GridSurface *surface() { return window->surface(); }
    QWidget *client() { return window->centralWidget(); }

    // The control with the given name (and index property, for control arrays).
    template<typename T = QWidget> T *control(const QString &name, int index = -1)
    {
        for (T *w : window->findChildren<T *>(name)) {
            if (index < 0 || w->property("index").toInt() == index)
                return w;
        }
        ADD_FAILURE() << "no control " << name.toStdString() << "(" << index << ")";
        return nullptr;
    }

    // Geometry of a control in the coordinates of another widget (the client area or Frame5).
    static QRect placeIn(const QWidget *w, const QWidget *ancestor)
    {
        return QRect(w->mapTo(ancestor, QPoint(0, 0)), w->size());
    }

    // A pixel well inside lattice position (x, y) on the drawing surface.
    static QPoint cellPixel(int x, int y)
    {
        const auto axis = [](int v) {
            return (v / 2) * 59 + (v % 2 ? 53 : 24);
        };
        return QPoint(axis(x), axis(y));
    }

    // A double-click as the system delivers it: press, release, double-click, release.
    static void doubleClick(QWidget *w, QPoint pos = QPoint())
    {
        QTest::mouseClick(w, Qt::LeftButton, {}, pos);
        QTest::mouseDClick(w, Qt::LeftButton, {}, pos);
        QTest::mouseRelease(w, Qt::LeftButton, {}, pos);
    }

    void clickCell(int x, int y, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(surface(), button, {}, cellPixel(x, y));
    }

    ScriptedPrompts prompts;
    std::unique_ptr<EditorWindow> window;
};

} // namespace zuvo::test
