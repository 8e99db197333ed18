#include "model/iconcatalogue.h"

#include <array>
#include <stdexcept>

namespace zuvo {

namespace {

#define SPEED_LINE u"\a\bスピードは高／中／低速の3種類から設定"
#define NOTHING_LINE u"\a\b設定　なし"
#define VARIABLE_LINE u"\a\b数値を有効には変数欄で『数』を選択する"
#define TIME_LINE u"\a\b0.1秒～10.0秒の範囲で設定"
#define ONLY_ONE_LINE u"\a\b１つのプログラムに1個のみ"

const std::array<IconInfo, IconCodeCount> Catalogue = {{
    {u"Forward", u"前進", 1, 1, u"00 1=中 &H00FFFFFF", u"ロボットを前進させます。" SPEED_LINE},
    {u"Backward", u"後退", 1, 2, u"01 1=中 &H00FFFFFF", u"ロボットを後退させます。" SPEED_LINE},
    {u"Turn Right", u"右旋回", 1, 3, u"02 1=中 &H00FFFFFF",
     u"ロボットを右旋回させます。" SPEED_LINE},
    {u"Turn Left", u"左旋回", 1, 4, u"03 1=中 &H00FFFFFF",
     u"ロボットを左旋回させます。" SPEED_LINE},
    {u"Turn Right Back", u"右後ろ旋回", 1, 5, u"04 1=中 &H00FFFFFF",
     u"ロボットを右後旋回させます。" SPEED_LINE},
    {u"Turn Left Back", u"左後ろ旋回", 1, 6, u"05 1=中 &H00FFFFFF",
     u"ロボットを左後旋回させます。" SPEED_LINE},
    {u"Spin Right", u"右回転(右超信地旋回)", 1, 7, u"06 1=中 &H00FFFFFF",
     u"ロボットを右回転させます。" SPEED_LINE},
    {u"Spin Left", u"左回転(左超信地旋回)", 1, 8, u"07 1=中 &H00FFFFFF",
     u"ロボットを左回転させます。" SPEED_LINE},
    {u"Motor Off", u"モーターオフ", 1, 9, u"08 0=",
     u"左右のモータを停止する（ブレーキ制御なし）。" NOTHING_LINE},
    {u"Brake", u"ブレーキ", 1, 10, u"09 1=0.5 &H00FFFFFF",
     u"左右のモータに設定した時間ブレーキをかける。" TIME_LINE},
    {u"Light Branch", u"光センサ分岐", 2, 1, u"10 1=１ &H00FFFFFF",
     u"光を検出したらYes，未検出のときNoへ進む。\a\b光ｾﾝｻ番号1または2を設定"},
    {u"Touch Branch", u"タッチセンサ分岐", 2, 2, u"11 1=１ &H00FFFFFF",
     u"ﾀｯﾁｾﾝｻがONのときYes，OFFのときNoへ進む。\a\bﾀｯﾁｾﾝｻ番号1または2を設定"},
    {u"Variable Branch", u"変数分岐", 2, 3, u"12 2=Ａ 1 &H00FFFFFF",
     u"左辺が＞＝ならYes，＜ならNoへ進む。" VARIABLE_LINE},
    {u"Merge", u"合流アイコン", 1, 12, u"13 0=", u"分岐したラインを合流させます。" NOTHING_LINE},
    {u"Yes/No", u"イエス／ノー", 2, 5, u"14 0=", u"条件分岐アイコンにYesで続ける。" NOTHING_LINE},
    {u"Yes/No", u"イエス／ノー", 2, 4, u"15 0=", u"条件分岐アイコンにNoで続ける。" NOTHING_LINE},
    {u"Loop", u"ループ", 2, 6, u"16 0=", u"LoopEndまでを無限に繰り返す。" NOTHING_LINE},
    {u"Repeat", u"リピート", 2, 8, u"17 1=1 &H00FFFFFF",
     u"RepEndまでを設定した回数繰り返す。\a\b1～255回の範囲で設定"},
    {u"Set Variable", u"変数設定", 2, 10, u"18 2=Ａ 0 &H00FFFFFF",
     u"左辺の変数(A～H)に数値または変数値を代入。" VARIABLE_LINE},
    {u"Wait", u"ウェイト", 1, 11, u"19 1=0.5 &H00FFFFFF",
     u"今の状態のまま設定した時間を待つ。" TIME_LINE},
    {u"Loop End", u"ループ　エンド", 2, 7, u"20 0=", u"Loopの終わり" NOTHING_LINE},
    {u"Repeat End", u"リピート　エンド", 2, 9, u"21 0=", u"Repの終わり" NOTHING_LINE},
    {u"Caluculate Variable", u"変数計算", 2, 11, u"22 3=Ａ 1 ＋ &H00FFFFFF",
     u"変数の四則計算をし左辺の変数に結果を代入。" VARIABLE_LINE},
    {u"Set Led", u"エルイーディー", 2, 12, u"23 1=ON &H00FFFFFF",
     u"投光用LEDを点灯または消灯します。\a\b点灯はオン，消灯はオフで設定"},
    {u"Set Beep", u"ビープ", 2, 13, u"24 1=1 &H00FFFFFF",
     u"ブザーを0.2秒間鳴らす\a\bビープ１，２，３，４から選択して設定"},
    {u"Nop(No Operation)", u"ノップ", 1, 13, u"25 0=",
     u"離れたアイコンどうしを接続する時に使用する。" NOTHING_LINE},
    {u"-", u"-", 0, 0, u"26 0=", u"未使用"},
    {u"-", u"-", 0, 0, u"27 0=", u"未使用"},
    {u"-", u"-", 0, 0, u"28 0=", u"未使用"},
    {u"BEGIN", u"開始", 0, 0, u"29 0=", u"プログラムの始点です。" ONLY_ONE_LINE},
    {u"END", u"終了", 0, 0, u"30 0=", u"プログラムの終点です。" ONLY_ONE_LINE},
}};

#undef SPEED_LINE
#undef NOTHING_LINE
#undef VARIABLE_LINE
#undef TIME_LINE
#undef ONLY_ONE_LINE

} // namespace

void LoadIconCatalogue()
{
    // The tables are constant data; nothing to build at run time.
}

const IconInfo &iconInfo(int code)
{
    if (!isValidIconCode(code))
        throw std::out_of_range("IconCode outside 0..30");
    return Catalogue[static_cast<size_t>(code)];
}

QString DefaultParams(int code)
{
    return QString::fromUtf16(iconInfo(code).defaultParams);
}

QString CatalogueText(int code)
{
    return QString::fromUtf16(iconInfo(code).text);
}

QString IconHelpText(int code)
{
    QString text = CatalogueText(code);
    text.replace(QChar(7), QChar(13));
    text.replace(QChar(8), QChar(10));
    return text;
}

int iconAtTrayPlace(int row, int column)
{
    for (int k = 0; k < TrayIconCount; ++k)
        if (Catalogue[static_cast<size_t>(k)].trayRow == row
            && Catalogue[static_cast<size_t>(k)].trayColumn == column)
            return k;
    return -1;
}

} // namespace zuvo
