#include "session/icontray.h"

namespace zuvo {

IconTray::IconTray(TrayState &own, TrayView &shown)
    : m_own(own)
    , m_shown(shown)
{
    m_shown.trayVisible.fill(true);
}

int IconTray::trayPickCode() const
{
    const int pick = m_own.TrayPick;
    if (pick < 0)
        return -1;
    return pick >= TrayPickPlaced ? pick - TrayPickPlaced : pick;
}

void IconTray::showPickedPicture()
{
    const int picked = trayPickCode();
    if (picked >= 0 && picked < TrayIconCount)
        m_shown.trayVisible[picked] = true;
}

void IconTray::CancelTrayPick()
{
    const int code = trayPickCode();
    m_own.TrayPick = -1;
    if (code >= 0 && code < TrayIconCount)
        m_shown.trayVisible[code] = true;
}

void IconTray::ShowAllTrayPictures()
{
    m_shown.trayVisible.fill(true);
}

void IconTray::blink(bool phaseOne)
{
    if (m_own.TrayPick >= TrayPickPlaced) {
        const int code = m_own.TrayPick - TrayPickPlaced;
        if (code >= 0 && code < TrayIconCount)
            m_shown.trayVisible[code] = true;
        m_own.TrayPick = -1;
    }
    if (m_own.TrayPick >= 0 && m_own.TrayPick < TrayIconCount)
        m_shown.trayVisible[m_own.TrayPick] = phaseOne;
}

} // namespace zuvo
