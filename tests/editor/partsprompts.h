#pragma once
// A scripted stand-in for the person in front of the editor: answers questions from a queue,
// returns prepared file names and records every box, beep and transmission.

#include "editor/editorprompts.h"
#include "editor/editorsession.h"

#include <QStringList>
#include <deque>

namespace zuvo::testing {

class PartsPrompts : public EditorPrompts
{
public:
    struct Box
    {
        QString title;
        QString text;
    };

    bool askYesNo(const QString &title, const QString &text, MessageIcon) override
    {
        questions.push_back({title, text});
        if (answers.empty())
            return false;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void showMessage(const QString &title, const QString &text, MessageIcon) override
    {
        boxes.push_back({title, text});
    }
    void beep() override { ++beeps; }
    QString chooseOpenFile(const QString &, const QString &, const QString &) override
    {
        return openFile;
    }
    QString chooseSaveFile(const QString &, const QString &, const QString &) override
    {
        return saveFile;
    }
    TransmissionOutcome transmit(const QString &symbolText) override
    {
        transmitted << symbolText;
        return {1, QString()};
    }

    std::deque<bool> answers;
    std::vector<Box> questions;
    std::vector<Box> boxes;
    int beeps = 0;
    QString openFile;
    QString saveFile;
    QStringList transmitted;
};

// An editor session driven the way the window drives it, with a few shorthands.
struct PartsEditor
{
    PartsPrompts prompts;
    EditorSession session {prompts};

    const WorkingProgram &program() const { return session.program(); }
    const EditorState &state() const { return session.state(); }
    const EditorView &view() const { return session.view(); }

    // Picks code in the tray and clicks the empty icon cell (x, y); returns the new slot.
    int place(int code, int x, int y)
    {
        session.TrayPress(code, true);
        session.SurfaceRelease(x, y, true);
        settle();
        return ContentSlot(program().CellContent(x, y));
    }
    // Two blink ticks: every cell marked 2 is back to normal.
    void settle()
    {
        session.BlinkTick();
        session.BlinkTick();
    }
    void line(int x, int y) { session.SurfaceRelease(x, y, true); }
    // Two right-button corners.
    void box(int x1, int y1, int x2, int y2)
    {
        session.SurfaceRelease(x1, y1, false);
        session.SurfaceRelease(x2, y2, false);
    }
    // A left click on an icon's picture.
    void clickIcon(int x, int y)
    {
        session.IconPress(ContentSlot(program().CellContent(x, y)), true);
    }
    int slotAt(int x, int y) const { return ContentSlot(program().CellContent(x, y)); }
};

} // namespace zuvo::testing
