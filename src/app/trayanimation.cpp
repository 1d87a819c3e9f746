#include "app/trayanimation.h"

namespace obzorka::app {

int TrayAnimation::krokanimace(int units)
{
    m_citac += units;
    while (m_citac >= 4000)
        m_citac -= 4000;
    const int frame = m_citac / 1000 + 1;
    if (frame == m_snimek)
        return 0;
    m_snimek = frame;
    return frame;
}

} // namespace obzorka::app
