#include "gui/reminders/reminderdesk.h"

#include "gui/reminders/alertwindow.h"
#include "store/clock.h"

namespace obzorka::gui {

ReminderDesk::ReminderDesk(store::Store& store, std::function<int()> leadMinutes)
    : m_store(store), m_leadMinutes(std::move(leadMinutes))
{
}

void ReminderDesk::nastavupozorneni()
{
    m_next = reminders::nextReminder(m_store);
}

void ReminderDesk::check()
{
    if (reminders::isDue(m_next, store::Clock::now(), m_leadMinutes()))
        raise();
}

void ReminderDesk::checkDuringRun()
{
    if (reminders::isDueDuringRun(m_next, store::Clock::now()))
        raise();
}

void ReminderDesk::raise()
{
    // The alert deletes the mark as it fills and then asks for the next reminder, so a second
    // mark of the same moment comes on the next tick.
    auto* alert = new AlertWindow(m_store);
    connect(alert, &AlertWindow::filled, this, &ReminderDesk::nastavupozorneni);
    alert->napln(m_next.id);
}

} // namespace obzorka::gui
