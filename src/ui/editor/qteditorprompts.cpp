#include "editor/qteditorprompts.h"

#include "editor/japanesefilecolumns.h"
#include "signal/soundmodule.h"
#include "transmit/transmissionwindow.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>

namespace zuvo {

namespace {

QMessageBox::Icon boxIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Warning:
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

QString QtEditorPrompts::dialogFilter(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    if (parts.size() < 2)
        return filter;
    // "ロボットファイル(*.qvk)" names a pattern of its own; the dialog shows the one it applies.
    static const QRegularExpression ownPattern(QStringLiteral(R"(\s*\(\*[^()]*\)\s*$)"));
    QStringList entries;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i];
        description.remove(ownPattern);
        entries << description + QStringLiteral(" (") + parts[i + 1] + QLatin1Char(')');
    }
    return entries.join(QStringLiteral(";;"));
}

QString QtEditorPrompts::dialogSuffix(const QString &filter)
{
    static const QRegularExpression pattern(QStringLiteral(R"(\*\.([A-Za-z0-9]+))"));
    const QStringList parts = filter.split(QLatin1Char('|'));
    const QString patterns = parts.size() >= 2 ? parts[1] : filter;
    const QRegularExpressionMatch m = pattern.match(patterns);
    return m.hasMatch() ? m.captured(1) : QString();
}

QString QtEditorPrompts::boxText(const QString &text)
{
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t;
}

bool QtEditorPrompts::askYesNo(const QString &title, const QString &text, MessageIcon icon)
{
    QMessageBox box(boxIcon(icon), title, boxText(text), QMessageBox::Yes | QMessageBox::No,
                    m_owner);
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void QtEditorPrompts::showMessage(const QString &title, const QString &text, MessageIcon icon)
{
    QMessageBox box(boxIcon(icon), title, boxText(text), QMessageBox::Ok, m_owner);
    box.exec();
}

void QtEditorPrompts::beep()
{
    QApplication::beep();
}

QString QtEditorPrompts::chooseOpenFile(const QString &title, const QString &startDir,
                                        const QString &filter)
{
    QFileDialog dialog(m_owner, title, startDir, dialogFilter(filter));
    dialog.setProxyModel(new JapaneseFileColumns(&dialog)); // the dialog owns it
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::ReadOnly, false);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

QString QtEditorPrompts::chooseSaveFile(const QString &title, const QString &startDir,
                                        const QString &filter)
{
    QFileDialog dialog(m_owner, title, startDir, dialogFilter(filter));
    dialog.setProxyModel(new JapaneseFileColumns(&dialog)); // the dialog owns it
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The editor asks its own overwrite question with its own wording.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.setDefaultSuffix(dialogSuffix(filter));
    // With several file types, a name typed without a suffix takes the type chosen.
    QObject::connect(
        &dialog, &QFileDialog::filterSelected, &dialog,
        [&dialog](const QString &chosen) { dialog.setDefaultSuffix(dialogSuffix(chosen)); });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

QtEditorPrompts::QtEditorPrompts(QWidget *owner)
    : m_owner(owner)
{
}

QtEditorPrompts::~QtEditorPrompts() = default;

TransmissionOutcome QtEditorPrompts::transmit(const QString &symbolText)
{
    const PlaybackResult result = runTransmission(m_owner, symbolText);
    return {result.Response, result.errorText, result.hearing};
}

SoundServer &QtEditorPrompts::sound()
{
    if (!m_sound)
        m_sound = OpenSoundServer();
    return *m_sound;
}

OutputInfo QtEditorPrompts::readOutput()
{
    return sound().readOutput();
}

QString QtEditorPrompts::makeOutputAudible()
{
    return sound().makeAudible();
}

QString QtEditorPrompts::outputQuestionTitle()
{
    return QStringLiteral(u"音声出力の確認");
}

QString QtEditorPrompts::makeAudibleCaption()
{
    return QStringLiteral(u"音量を100％にして送る(&V)");
}

QString QtEditorPrompts::sendAnywayCaption()
{
    return QStringLiteral(u"このまま送る(&A)");
}

QString QtEditorPrompts::stopCaption()
{
    return QStringLiteral(u"送らない(&N)");
}

OutputChoice QtEditorPrompts::askAboutOutput(const QString &text, bool canMakeAudible)
{
    QMessageBox box(QMessageBox::Warning, outputQuestionTitle(), boxText(text),
                    QMessageBox::NoButton, m_owner);
    box.setObjectName(QStringLiteral("outputQuestion"));
    QPushButton *makeAudible = nullptr;
    if (canMakeAudible) {
        makeAudible = box.addButton(makeAudibleCaption(), QMessageBox::AcceptRole);
        makeAudible->setObjectName(QStringLiteral("makeAudible"));
    }
    QPushButton *sendAnyway = box.addButton(sendAnywayCaption(), QMessageBox::DestructiveRole);
    sendAnyway->setObjectName(QStringLiteral("sendAnyway"));
    QPushButton *stop = box.addButton(stopCaption(), QMessageBox::RejectRole);
    stop->setObjectName(QStringLiteral("stop"));
    // The mending choice where there is one; otherwise not sending, as every question here.
    box.setDefaultButton(makeAudible ? makeAudible : stop);
    box.setEscapeButton(stop);
    box.exec();
    if (makeAudible && box.clickedButton() == makeAudible)
        return OutputChoice::MakeAudible;
    return box.clickedButton() == sendAnyway ? OutputChoice::SendAnyway : OutputChoice::Stop;
}

} // namespace zuvo
