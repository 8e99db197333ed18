#pragma once
// The six edit buttons 複写, 移動, 戻す, 解除, 削除, 文法 of the bottom panel, and the hidden
// pictures 戻す0, 戻す1, 文法0, 文法1, 文法2 that hold the state images of 戻す and 文法.

#include <QObject>
#include <QSize>

class QWidget;

namespace zuvo {

class EditorSession;
class PictureButton;

class EditButtons : public QObject
{
    Q_OBJECT
public:
    static constexpr QSize ButtonSize {52, 38};

    // Creates the buttons on the bottom panel.
    EditButtons(EditorSession &session, QWidget *bottomPanel);

    void render();

    PictureButton *undoButton() const { return m_undo; }
    PictureButton *checkButton() const { return m_check; }

signals:
    // The undo button was clicked (the drawing surface takes the focus after an undo).
    void undoClicked();

private:
    PictureButton *addButton(const QString &name, QPoint place, const QString &picture);

    EditorSession &m_session;
    QWidget *m_panel;
    PictureButton *m_undo = nullptr;
    PictureButton *m_check = nullptr;
};

} // namespace zuvo
