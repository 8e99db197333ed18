#include "samples/samplesteps.h"

#include <QStringList>

namespace zuvo {

QString SampleListText(int step)
{
    // The names are the tab captions of the sample set that the step loads into the editor.
    static const QStringList names[SampleStepCount] = {
        {QStringLiteral("５秒間前進"), QStringLiteral("２０秒間前進"),
         QStringLiteral("向きを変えて戻る")},
        {QStringLiteral("タッチセンサで後退"), QStringLiteral("タッチセンサを2つ使う(1)"),
         QStringLiteral("タッチセンサを2つ使う(2)")},
        {QStringLiteral("暗くなるとブザー"), QStringLiteral("光に反応して動く")},
        {QStringLiteral("カウントダウンブザー(1)"), QStringLiteral("カウントダウンブザー(2)")},
        {QStringLiteral("ライントレース"), QStringLiteral("迷路脱出"),
         QStringLiteral("発光ボールを追いかける")},
    };
    if (step < 0 || step >= SampleStepCount)
        return QString();
    QStringList entries;
    for (const QString &name : names[step])
        entries << QStringLiteral("●　") + name;
    return entries.join(QStringLiteral("\r\n\r\n"));
}

} // namespace zuvo
