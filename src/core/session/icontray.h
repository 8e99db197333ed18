#pragma once
// The icon tray's pick: the icon picked to be placed, its blinking tray picture, and the end of
// the pick after a placement.

#include "model/iconcatalogue.h"

#include <array>

namespace zuvo {

// TrayPick after a placement: IconCode + TrayPickPlaced, until the next blink tick shows the tray
// picture again and ends the pick. Below it, TrayPick is the IconCode of an active pick.
constexpr int TrayPickPlaced = 31;

struct TrayState
{
    int TrayPick = -1; // -1 no pick
};

struct TrayView
{
    std::array<bool, TrayIconCount> trayVisible {};
};

class IconTray
{
public:
    IconTray(TrayState &own, TrayView &shown);

    // The IconCode of a pick, also of one just placed; -1 none.
    int trayPickCode() const;
    bool hasPick() const { return m_own.TrayPick != -1; }
    void setPick(int trayPick) { m_own.TrayPick = trayPick; }
    void placed(int code) { m_own.TrayPick = code + TrayPickPlaced; }
    // The picked icon's tray picture stops blinking, shown.
    void showPickedPicture();
    void CancelTrayPick();
    void ShowAllTrayPictures();
    // The blink tick's part: a placed pick ends; an active one's picture shows in phase one only.
    void blink(bool phaseOne);

private:
    TrayState &m_own;
    TrayView &m_shown;
};

} // namespace zuvo
