#pragma once
// The help window Form2: the topic list on the left, the selected topic's text in a balloon on
// the right. "戻る" hides it with its selection kept; closing it from the frame discards its
// state, so that the next showing starts again at the first topic.

#include <QMainWindow>

class QListWidget;
class QPlainTextEdit;

namespace zuvo {

class PictureBox;

class HelpBrowser : public QMainWindow
{
    Q_OBJECT
public:
    explicit HelpBrowser(QWidget *parent = nullptr);

    bool isLoaded() const { return m_loaded; }
    int selectedEntry() const;
    QString shownText() const;

    // The load steps: centre, fill the list, select the first entry, show the text box.
    void Load();
    void ShowTopic(int entry);
    void Back();

signals:
    // Back to the start screen, by "戻る", the はじめる menu item or the window frame.
    void startScreenRequested();
    // One of the start screen's choices taken from this window's ファイル menu.
    void choiceRequested(int choice);

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    QListWidget *m_list = nullptr;
    QPlainTextEdit *m_text = nullptr;
    bool m_loaded = false;
};

} // namespace zuvo
