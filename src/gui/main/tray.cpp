#include "gui/main/tray.h"

namespace obzorka::gui {

Tray::Tray(QObject* parent) : QObject(parent), m_icon(this)
{
    m_menu.setObjectName(QStringLiteral("mnuBar"));
    m_open = m_menu.addAction(QStringLiteral("Otevřít"));
    m_open->setObjectName(QStringLiteral("mnuOpen"));
    QFont bold = m_open->font();
    bold.setBold(true);
    m_open->setFont(bold);
    m_menu.setDefaultAction(m_open);
    m_now = m_menu.addAction(QStringLiteral("Teď běží"));
    m_now->setObjectName(QStringLiteral("mnuNow"));
    m_pause = m_menu.addAction(QStringLiteral("Pozastavit stahování"));
    m_pause->setObjectName(QStringLiteral("mnuData"));
    m_menu.addSeparator()->setObjectName(QStringLiteral("mnuSepar"));
    m_exit = m_menu.addAction(QStringLiteral("Konec"));
    m_exit->setObjectName(QStringLiteral("mnuExit"));
    connect(m_open, &QAction::triggered, this, &Tray::openRequested);
    connect(m_now, &QAction::triggered, this, &Tray::nowRequested);
    connect(m_pause, &QAction::triggered, this, &Tray::pauseToggled);
    connect(m_exit, &QAction::triggered, this, &Tray::exitRequested);

    m_icon.setToolTip(QStringLiteral("Obzorka"));
    m_icon.setContextMenu(&m_menu);
    connect(&m_icon, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason why) {
                // A press of the left button opens; a double click has pressed it already.
                if (why == QSystemTrayIcon::Trigger)
                    emit openRequested();
            });
}

bool Tray::available()
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void Tray::pridejikonu(const QString& iconFile)
{
    showIcon(iconFile);
    m_icon.show();
}

void Tray::showIcon(const QString& iconFile)
{
    m_iconFile = iconFile;
    m_icon.setIcon(QIcon(iconFile));
}

bool Tray::shown() const
{
    return available() && m_icon.isVisible();
}

void Tray::smazikonu()
{
    m_icon.hide();
}

void Tray::setDownloadAllowed(bool allowed)
{
    m_pause->setText(allowed ? QStringLiteral("Pozastavit stahování")
                             : QStringLiteral("Povolit stahování"));
}

} // namespace obzorka::gui
