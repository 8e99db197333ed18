#include "common/aboutboxes.h"

#include <QMessageBox>

#ifndef ZUVOMATIC_VERSION
#define ZUVOMATIC_VERSION "0.0.0"
#endif

namespace zuvo {

QString VersionBoxText()
{
    return QStringLiteral("Zuvomatic\n"
                          "バージョン %1\n"
                          "日本語版\n"
                          "\n"
                          "Copyright (C) 合同会社　vezudavi　All rights reserved.")
        .arg(QStringLiteral(ZUVOMATIC_VERSION));
}

QString AboutBoxText()
{
    // Lines end in CR alone; the box's plain-text layout breaks lines there.
    return QStringLiteral("合同会社　vezudavi\r\r"
                          "（住所）\r"
                          "〒000-0000\r"
                          "zuvomatic@example.com\r\r"
                          "サポート：https://zuvomatic.example.com/support\r");
}

static QMessageBox *createBox(QWidget *parent, const QString &title, const QString &text,
                              QMessageBox::Icon icon, const char *objectName)
{
    auto *box = new QMessageBox(icon, title, text, QMessageBox::Ok, parent);
    box->setObjectName(QString::fromLatin1(objectName));
    box->setTextFormat(Qt::PlainText);
    box->setDefaultButton(QMessageBox::Ok);
    box->setAttribute(Qt::WA_DeleteOnClose);
    return box;
}

QMessageBox *CreateVersionBox(QWidget *parent)
{
    return createBox(parent, QStringLiteral("バージョン情報"), VersionBoxText(),
                     QMessageBox::Information, "versionBox");
}

QMessageBox *CreateAboutBox(QWidget *parent)
{
    return createBox(parent, QStringLiteral("Ｚｕｖｏｍａｔｉｃについて"), AboutBoxText(),
                     QMessageBox::NoIcon, "aboutBox");
}

void ShowVersionBox(QWidget *parent)
{
    CreateVersionBox(parent)->exec();
}

void ShowAboutBox(QWidget *parent)
{
    CreateAboutBox(parent)->exec();
}

} // namespace zuvo
