#pragma once
// Stands in for the editor window: remembers its start request and can say it was left.

#include <QMainWindow>
#include <QStringList>

class FakeEditor : public QMainWindow
{
    Q_OBJECT
public:
    FakeEditor(int editorStartMode, const QStringList &words)
        : editorStartMode(editorStartMode)
        , words(words)
    {
        setObjectName(QStringLiteral("Form1"));
        resize(400, 300);
    }

    void leave()
    {
        hide();
        emit left();
    }

    const int editorStartMode;
    const QStringList words;

signals:
    void left();
};
