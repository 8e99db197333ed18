#pragma once
// A program as a picture: its icons with their value labels and its connection lines as the
// grid shows them, cropped to the program with a margin, on white, under a title line and above
// the memo. The files, the printout and the command line all paint this one picture. Its size is
// bounded whatever the program: the lattice bounds the program, the title is cut to a width and
// the memo to MemoLinesDrawn lines, the last ending in "…" when more follows.

#include "model/workingprogram.h"

#include <QFont>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

class QPainter;

namespace zuvo {

struct ProgramPictureOptions
{
    bool grid = false; // the empty cells' outlines, faint ("マス目も描く")
};

class ProgramPicture
{
public:
    ProgramPicture(const WorkingProgram &program, const QString &title,
                   ProgramPictureOptions options = {});

    // Logical pixels, one to one with the drawing surface.
    QSize size() const { return m_size; }
    // What the program covers on the drawing surface: every icon picture and line bar.
    QRect programArea() const { return m_programArea; }
    // Where that area is drawn inside the picture.
    QPoint programOrigin() const { return m_programOrigin; }
    const QString &title() const { return m_title; }
    const QString &memo() const { return m_memo; }
    // The memo as drawn: its lines wrapped to the picture's width, at most MemoLinesDrawn.
    const QStringList &memoLines() const { return m_memoLines; }

    // Paints the whole picture with its top left corner at (0, 0), background included.
    void paint(QPainter &painter) const;

    static constexpr int Margin = 24;
    static constexpr int MemoLinesDrawn = 60;
    static constexpr int TitleWidthLimit = 1200;

private:
    void paintProgram(QPainter &painter) const;

    WorkingProgram m_program;
    QString m_title;
    QString m_memo; // line breaks as "\n"
    QStringList m_memoLines;
    QString m_titleShown;
    ProgramPictureOptions m_options;
    QRect m_programArea;
    QPoint m_programOrigin;
    QRect m_titleRect;
    QRect m_memoRect;
    QSize m_size;
};

// The title and memo fonts of the pictures (Japanese, proportional) at a pixel size.
QFont PictureFont(int pixelSize, bool bold = false);

} // namespace zuvo
