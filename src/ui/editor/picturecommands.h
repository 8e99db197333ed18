#pragma once
// The editor's commands for the program as a picture: ファイル > 画像として保存, 印刷 and
// 印刷プレビュー (with the option マス目も描く), and ツール > アイコンカードを印刷. The picture
// is the current slot's program under its tab caption.

#include "picture/programpicture.h"

#include <QObject>

class QAction;
class QPrinter;
class QWidget;

namespace zuvo {

class EditorMenus;
class EditorPrompts;
class EditorSession;

class PictureCommands : public QObject
{
    Q_OBJECT
public:
    PictureCommands(EditorSession &session, EditorPrompts &prompts, EditorMenus &menus,
                    QWidget *window);

    void savePicture();
    void print();
    void printPreview();
    void printIconCards();

    ProgramPicture currentPicture() const;

private:
    bool gridWanted() const;
    // The picture on the printer's one page, in the orientation that suits it.
    void preparePrinter(QPrinter &printer) const;
    void paintOnPrinter(QPrinter &printer) const;
    static void paintCardsOnPrinter(QPrinter &printer);

    EditorSession &m_session;
    EditorPrompts &m_prompts;
    QAction *m_grid;
    QWidget *m_window;
};

} // namespace zuvo
