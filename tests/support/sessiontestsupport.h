#pragma once
// Gestures that many session tests repeat, made of the session's own operations.

#include "scriptedprompts.h"
#include "session/editorsession.h"

#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>

namespace zuvo::test {

// A session with its prompts; the prompts see the session's message area.
struct SessionFixture
{
    SessionFixture()
        : session(prompts)
    {
        prompts.messageArea = [this] {
            return session.view().messageText;
        };
    }
    ScriptedPrompts prompts;
    EditorSession session;

    const WorkingProgram &program() const { return session.program(); }
    const EditorState &state() const { return session.state(); }
    const EditorView &view() const { return session.view(); }

    int content(int x, int y) const { return program().CellContent(x, y); }
    int mark(int x, int y) const { return program().CellMark(x, y); }
    int codeAt(int x, int y) const { return program().iconCodeAt(x, y); }
    int slotAt(int x, int y) const
    {
        const int v = content(x, y);
        return ContentHoldsIcon(v) ? ContentSlot(v) : -1;
    }

    // Pick in the tray, click the empty cell, and let two blink ticks end the pick and settle
    // the new icon's mark.
    void place(int code, int x, int y)
    {
        session.TrayPress(code, true);
        session.SurfaceRelease(x, y, true);
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
    // The pending corner that a move or copy goes to.
    void destination(int x, int y) { session.SurfaceRelease(x, y, false); }
};

// Writes a robot file line by line in code page 932 with CR LF; returns its path.
inline QString writeLines(const QTemporaryDir &dir, const QString &name, const QStringList &lines)
{
    QStringEncoder encoder("CP932");
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += encoder.encode(line + QStringLiteral("\r\n"));
    QFile file(dir.filePath(name));
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return file.fileName();
}

} // namespace zuvo::test
