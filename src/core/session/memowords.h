#pragma once
// Words that act as commands when the memo box holds exactly one of them.

#include <QString>

namespace zuvo {

enum class MemoWord {
    None,
    CapClip, // copy the box to the hidden clipboard
    DrpClip, // paste the hidden clipboard
    CutClip, // cut the box to the hidden clipboard
    MovPick, // start moving the current icon
    RmvIcon, // remove the current icon
    RawBits, // toggle HexDisp
    BadCsum, // toggle ChecksumTestFlag
    ShowPanel, // show the debug panel
    HidePanel, // hide the debug panel, GhostMode off
    GhostOn, // GhostMode on
    SampleSet1,
    SampleSet2,
    SampleSet3,
    SampleSet4,
    SampleSet5,
};

// The word the whole memo text equals, compared exactly; None for any other text.
MemoWord MatchMemoWord(const QString &memoText);

// The sample set (1..5) a sample word loads; 0 for the other words.
int MemoWordSampleSet(MemoWord word);

// The three name words, in table order (show panel, hide panel, ghost on).
QString MemoNameWord(int index);

} // namespace zuvo
