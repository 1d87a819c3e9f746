#pragma once

#include <QMenu>
#include <QObject>
#include <QSystemTrayIcon>

namespace obzorka::gui {

// The icon in the notification area with its tip "Obzorka": a left click asks to open the
// main window, a right click shows the menu "Otevřít", "Teď běží", "Pozastavit stahování" or
// "Povolit stahování", "Konec". Where the desktop has no notification area it stays hidden.
class Tray : public QObject
{
    Q_OBJECT

public:
    explicit Tray(QObject* parent = nullptr);

    static bool available();
    // Whether the icon is in a notification area now, so that a hidden window can come back.
    bool shown() const;
    // Shows the icon file (a path to an .ico) in the notification area, once there is one.
    void pridejikonu(const QString& iconFile);
    void showIcon(const QString& iconFile);
    void smazikonu();
    // The pause item names what a click does: pause while downloading is allowed.
    void setDownloadAllowed(bool allowed);

    QMenu* menu() { return &m_menu; }
    QAction* openAction() const { return m_open; }
    QAction* nowAction() const { return m_now; }
    QAction* pauseAction() const { return m_pause; }
    QAction* exitAction() const { return m_exit; }
    const QString& iconFile() const { return m_iconFile; }

signals:
    void openRequested();
    // The window on what is on now.
    void nowRequested();
    void pauseToggled();
    void exitRequested();

private:
    QMenu m_menu; // outlives the icon that shows it
    QSystemTrayIcon m_icon;
    QAction* m_open;
    QAction* m_now;
    QAction* m_pause;
    QAction* m_exit;
    QString m_iconFile;
};

} // namespace obzorka::gui
