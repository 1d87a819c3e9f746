#include "app/downloadhost.h"

namespace obzorka::app {

DownloadHost::DownloadHost(QObject* parent) : QObject(parent)
{
    setObjectName(QStringLiteral("Form2"));
    m_timer1.setInterval(tickMs);
    m_timer2.setInterval(tickMs);
    connect(&m_timer1, &QTimer::timeout, this, &DownloadHost::tick);
    connect(&m_timer2, &QTimer::timeout, this, &DownloadHost::reminderCheckDue);
}

void DownloadHost::enableTimer1()
{
    m_timer1.start();
}

void DownloadHost::enableTimer2()
{
    m_timer2.start();
}

void DownloadHost::tick()
{
    // The count wraps so that it never overflows in a run that lasts for years.
    if (++m_timer1_tiky > 99999)
        m_timer1_tiky = 0;
    emit dayCheckDue();
    if (m_timer1_tiky % std::max(1, timer1div_pln) == 0)
        emit downloadDue();
    if (m_timer1_tiky % bannerTicks == 0)
        emit bannerDue();
}

} // namespace obzorka::app
