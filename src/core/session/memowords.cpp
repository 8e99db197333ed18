#include "session/memowords.h"

#include <array>
#include <utility>

namespace zuvo {

namespace {

using namespace Qt::StringLiterals;

// Family name, one blank, given name: invented, six characters each.
const std::array<QString, 3> NameWords {u"ミヌカ ポロ"_s, u"タペロ ニサ"_s, u"ズモ キルナ"_s};

const std::array<std::pair<QString, MemoWord>, 15> &wordTable()
{
    static const std::array<std::pair<QString, MemoWord>, 15> table {{
        {u"cap_clip"_s, MemoWord::CapClip},
        {u"drp_clip"_s, MemoWord::DrpClip},
        {u"cut_clip"_s, MemoWord::CutClip},
        {u"mov_pick"_s, MemoWord::MovPick},
        {u"rmv_icon"_s, MemoWord::RmvIcon},
        {u"raw_bits"_s, MemoWord::RawBits},
        {u"bad_csum"_s, MemoWord::BadCsum},
        {NameWords[0], MemoWord::ShowPanel},
        {NameWords[1], MemoWord::HidePanel},
        {NameWords[2], MemoWord::GhostOn},
        {u"合同会社\u3000vezudavi１"_s, MemoWord::SampleSet1},
        {u"合同会社\u3000vezudavi２"_s, MemoWord::SampleSet2},
        {u"合同会社\u3000vezudavi３"_s, MemoWord::SampleSet3},
        {u"合同会社\u3000vezudavi４"_s, MemoWord::SampleSet4},
        {u"合同会社\u3000vezudavi５"_s, MemoWord::SampleSet5},
    }};
    return table;
}

} // namespace

MemoWord MatchMemoWord(const QString &memoText)
{
    for (const auto &[word, meaning] : wordTable())
        if (memoText == word)
            return meaning;
    return MemoWord::None;
}

int MemoWordSampleSet(MemoWord word)
{
    switch (word) {
    case MemoWord::SampleSet1:
        return 1;
    case MemoWord::SampleSet2:
        return 2;
    case MemoWord::SampleSet3:
        return 3;
    case MemoWord::SampleSet4:
        return 4;
    case MemoWord::SampleSet5:
        return 5;
    default:
        return 0;
    }
}

QString MemoNameWord(int index)
{
    return index >= 0 && index < 3 ? NameWords[index] : QString();
}

} // namespace zuvo
