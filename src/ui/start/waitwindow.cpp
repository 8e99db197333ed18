#include "start/waitwindow.h"

#include <QCloseEvent>
#include <QLabel>

namespace zuvo {

WaitWindow::WaitWindow(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Ｚｕｖｏｍａｔｉｃ　編集起動中"));
    setFixedSize(215, 71);

    auto *label
        = new QLabel(QStringLiteral("ただいま起動中・・・・\nしばらくお待ちください"), this);
    label->setObjectName(QStringLiteral("Label1"));
    label->setGeometry(16, 16, 169, 41);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
}

void WaitWindow::closeEvent(QCloseEvent *event)
{
    // It goes away by itself once the editor is up; closing it by hand would change nothing.
    event->ignore();
}

} // namespace zuvo
