#pragma once
// Qt's own texts in Japanese whatever the system's locale: the buttons of the question boxes,
// the file dialogs, the context menus of the text boxes. The program's own texts are Japanese
// already; these are the ones Qt writes.

class QCoreApplication;

namespace zuvo {

// Makes Japanese the default locale and installs Qt's Japanese translation (qtbase_ja from
// Qt's translations folder) together with the few texts that translation lacks. Call once,
// right after the application object exists. False when qtbase_ja could not be loaded (the
// missing texts are installed all the same).
bool InstallJapaneseQtTexts(QCoreApplication &app);

} // namespace zuvo
