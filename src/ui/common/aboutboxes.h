#pragma once
// The version box and the about box, offered by the ヘルプ menu of every main window.

#include <QString>

class QMessageBox;
class QWidget;

namespace zuvo {

// The texts are kept apart from the boxes so that they can be checked without showing anything.
QString VersionBoxText();
QString AboutBoxText();

// Unshown boxes, deleted when closed; the Show functions run them modally.
QMessageBox *CreateVersionBox(QWidget *parent);
QMessageBox *CreateAboutBox(QWidget *parent);

void ShowVersionBox(QWidget *parent);
void ShowAboutBox(QWidget *parent);

} // namespace zuvo
