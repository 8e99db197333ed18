#pragma once
// A stand-in for the person in front of the editor: answers questions from a queue, returns
// scripted file names, and records beeps, message boxes, dialogs and transmissions.

#include "session/editorprompts.h"

#include <QList>
#include <QString>
#include <deque>
#include <functional>
#include <utility>

namespace zuvo::test {

struct RecordedBox
{
    QString title;
    QString text;
    MessageIcon icon = MessageIcon::None;
    QString messageArea; // the editor's message area while the box was up
};

struct RecordedDialog
{
    QString title;
    QString startDir;
    QString filter;
};

class ScriptedPrompts : public EditorPrompts
{
public:
    bool askYesNo(const QString &title, const QString &text, MessageIcon icon) override
    {
        questions.append({title, text, icon, snapshot()});
        if (answers.empty())
            return false; // No is the default button
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void showMessage(const QString &title, const QString &text, MessageIcon icon) override
    {
        messages.append({title, text, icon, snapshot()});
    }
    void beep() override { ++beeps; }
    QString chooseOpenFile(const QString &title, const QString &startDir,
                           const QString &filter) override
    {
        return nextFile(title, startDir, filter);
    }
    QString chooseSaveFile(const QString &title, const QString &startDir,
                           const QString &filter) override
    {
        return nextFile(title, startDir, filter);
    }
    TransmissionOutcome transmit(const QString &symbolText) override
    {
        transmissions.append(symbolText);
        return transmitOutcome;
    }
    OutputInfo readOutput() override { return output; }
    QString makeOutputAudible() override
    {
        ++audibleRequests;
        if (audibleFailure.isEmpty()) {
            output.volumePercent = 100;
            output.muted = false;
        }
        return audibleFailure;
    }
    OutputChoice askAboutOutput(const QString &text, bool canMakeAudible) override
    {
        outputQuestions.append({text, canMakeAudible});
        const OutputChoice choice = outputChoice;
        return choice == OutputChoice::MakeAudible && !canMakeAudible ? OutputChoice::Stop : choice;
    }

    // A speaker at 100 %, unmuted: sending goes ahead without a question.
    static OutputInfo FineOutput()
    {
        OutputInfo fine;
        fine.reached = fine.present = true;
        fine.name = QStringLiteral("speaker");
        fine.volumePercent = 100;
        fine.monitor = QStringLiteral("speaker.monitor");
        return fine;
    }

    std::deque<bool> answers;
    std::deque<QString> files; // "" cancels a dialog
    TransmissionOutcome transmitOutcome {1, QString(), Hearing::NotChecked};
    OutputInfo output = FineOutput();
    OutputChoice outputChoice = OutputChoice::Stop; // the answer to every question about it
    QString audibleFailure; // what makeOutputAudible answers; empty: it works
    std::function<QString()> messageArea;

    QList<RecordedBox> questions;
    QList<RecordedBox> messages;
    QList<RecordedDialog> dialogs;
    QList<QString> transmissions;
    QList<std::pair<QString, bool>> outputQuestions; // the text and whether 100 % was offered
    int audibleRequests = 0;
    int beeps = 0;

private:
    QString snapshot() const { return messageArea ? messageArea() : QString(); }
    QString nextFile(const QString &title, const QString &startDir, const QString &filter)
    {
        dialogs.append({title, startDir, filter});
        if (files.empty())
            return QString();
        const QString file = files.front();
        files.pop_front();
        return file;
    }
};

} // namespace zuvo::test
