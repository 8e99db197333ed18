#pragma once
// The code generator: walks the FlowTable from BEGIN, gives every icon its address and bytes,
// resolves the jumps and writes the TransmitImage as the hex text of TXdata.

#include "check/flowtable.h"
#include "model/colours.h"
#include "model/workingprogram.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace zuvo {

constexpr int ProgramByteLimit = 237;
inline const QString TransmitHeaderText
    = QStringLiteral("01 3A 5C C4 B4 E1 F1 F9 00 00 00 00 00 00 00 00 ");

enum class GenerateOutcome {
    NotChecked, // the check has not passed: a message box, then as NothingToSend
    NothingToSend, // no icon produces code
    LoopError, // a Loop End without its Loop
    RepeatError, // a Repeat End without its Repeat
    IterationLimit, // the walk did not reach END within 500 iterations
    TooLarge, // more than ProgramByteLimit code bytes: not sent
    BrokenFlow, // the FlowTable breaks what the check guarantees: nothing generated
    Ready, // TXdata holds the image: encode and transmit it
};

struct GenerateResult
{
    GenerateOutcome outcome = GenerateOutcome::NothingToSend;
    QString messageBoxText; // NotChecked only: shown with an OK button and the program's title
    // The message area after this run; for Ready the caller writes SentText once the
    // transmission window has closed.
    QString text;
    quint32 background = ColourWhite; // 0xRRGGBB
    bool beeps = false; // two system beeps
    QList<int> blinkCells; // CellIndex values whose CellMark becomes 1
    // Loop error, repeat error, iteration limit and a broken FlowTable run ResetGrammarCheck,
    // which hides TXdata; the other outcomes reset the check but leave TXdata as it is shown.
    bool hidesTxData = false;
    bool writesTxData = false; // TooLarge and Ready: TXdata's text becomes txData
    QString txData; // with " 5" appended when the checksum test flag was set
    int ProgramByteCount = 0;
    QByteArray TransmitImage; // header, code, 00 FF and checksum (TooLarge and Ready)
};

// Writes FlowTable columns 2 and 7..10 of every icon it reaches. Never reads outside the
// FlowTable, the slots or its own stacks: a table that breaks the check's guarantees gives
// BrokenFlow.
GenerateResult GenerateProgram(const WorkingProgram &program, FlowTable &flow, bool checkPassed,
                               bool checksumTestFlag);

// The message area after a transmission of byteCount code bytes.
QString SentText(int byteCount);

} // namespace zuvo
