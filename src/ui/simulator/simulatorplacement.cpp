#include "simulator/simulatorplacement.h"

#include <algorithm>

namespace zuvo::sim {

namespace {

// A frame of `size` beside the editor's frame on the side with the room, its top as near the
// editor's as the area allows.
QRect besideEditor(const QRect &available, const QRect &editor, QSize size, bool right)
{
    size = size.boundedTo(available.size());
    const int top
        = std::clamp(editor.top(), available.top(), available.bottom() + 1 - size.height());
    const int left = right ? editor.right() + 1 : editor.left() - size.width();
    return QRect(QPoint(left, top), size);
}

} // namespace

SimulatorPlace PlaceSimulator(const QRect &available, const QRect &editorFrame,
                              const SimulatorSizes &sizes)
{
    const QSize roomy = sizes.roomy + sizes.frame;
    const QSize narrow = sizes.compactMinimum + sizes.frame;
    // The editor where it is, then at the area's left edge, which leaves all the room right of it.
    const QRect editors[2]
        = {editorFrame, editorFrame.translated(available.left() - editorFrame.left(), 0)};
    const auto roomRight = [&](const QRect &e) {
        return available.right() - e.right();
    };
    const auto roomLeft = [&](const QRect &e) {
        return e.left() - available.left();
    };

    for (const QRect &editor : editors) {
        const bool right = roomRight(editor) >= roomy.width();
        if (right || roomLeft(editor) >= roomy.width())
            return {editor.topLeft(), besideEditor(available, editor, roomy, right), false, true};
    }
    for (const QRect &editor : editors) {
        const bool right = roomRight(editor) >= roomLeft(editor);
        const int room = right ? roomRight(editor) : roomLeft(editor);
        if (room < narrow.width())
            continue;
        // As tall as the area: the course takes the height the controls leave.
        const QSize size(std::min(room, roomy.width()), available.height());
        return {editor.topLeft(), besideEditor(available, editor, size, right), true, true};
    }
    // No room beside the editor: the editor at the left edge, the narrow layout at the right
    // one, so that as much of the program area as can stays in view.
    const QSize size = QSize(narrow.width(), available.height()).boundedTo(available.size());
    return {editors[1].topLeft(),
            QRect(QPoint(available.right() + 1 - size.width(), available.top()), size), true,
            false};
}

} // namespace zuvo::sim
