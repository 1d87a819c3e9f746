#pragma once

#include "app/downloadhost.h"
#include "app/guidestate.h"
#include "app/options.h"
#include "store/datafolder.h"
#include "store/settings.h"
#include "store/store.h"

#include "app/trayanimation.h"

#include <QObject>
#include <QPointer>
#include <QThread>
#include <functional>
#include <memory>

namespace obzorka::sync {
class DownloadWorker;
struct RunResult;
} // namespace obzorka::sync

namespace obzorka::gui {

class AccountDialog;
class GuideController;
class ReminderDesk;
class ReminderPage;
class MainWindow;
class Tray;

// The running guide: owns the store, the state of the main window, the main window with its
// controller, the tray icon and the hidden download host; runs the start-up sequence in its
// order and the shutdown.
class Application : public QObject
{
    Q_OBJECT

public:
    // Shows a message that ends the program (second instance, unusable store); messages
    // that do not end it go to inform.
    using Notifier = std::function<void(const QString& message)>;

    Application(const app::Options& options, Notifier notify, Notifier inform);
    ~Application() override;

    // The start-up sequence up to the shown window. False when the program must end at once;
    // the reason has been shown through the notifier. The banner, the tray icon, the downloads
    // and the reminders' timers start behind the window's first frame.
    bool start();
    // True once they have.
    bool backgroundRunning() const { return m_backgroundRunning; }

    // Stops the downloader, closes the store, removes the tray icon and ends the event loop.
    // Never refused.
    void shutdown();

    app::GuideState& state() { return m_state; }
    store::Store& store() { return m_store; }
    MainWindow* mainWindow() const { return m_window.get(); }
    GuideController* controller() const { return m_controller.get(); }
    Tray* tray() const { return m_tray.get(); }
    app::DownloadHost& downloadHost() { return m_host; }
    const ReminderDesk* reminderDesk() const { return m_desk.get(); }

    // The tray menu's items: the window on today's grid, or on what is on now.
    void openWindow(bool onNow);
    void togglePause();
    // Starts a download run on the worker when an account is given, downloading is allowed and
    // no run is going on.
    void pln();
    bool downloading() const { return m_pln_bezi; }

private:
    // The phases of start(), in their order; each false when the program must end.
    bool claimDataFolder(const QString& folder); // made, locked, the installed files in it
    void fillWindow(); // the controls from the store and the settings, the first page
    // What the first frame does not need; the program ends (exit status 1) when it fails.
    void startBehindWindow();
    bool showTray();        // the icon and its menu
    bool startBackground(); // the pause state, the download worker, the timers, the reminders
    void logIn();
    void applyAccount(const store::Account& account);
    // The account dialog after a rejected login: one at a time, raised when it is open.
    void askForAccount();
    // "Někdy jindy": no downloads until the next start, the tray icon at rest.
    void postpone();
    QString accountPage() const;
    void loadSettingsIntoControls();
    // Applies the stored pause state; false (and the program ends) when an icon is missing.
    bool nastavstahovani();
    void windowMinimised();
    // Shows an icon file of the icon folder in the tray; false (and the program ends) when
    // the file is missing.
    bool zmenikonu(const QString& name);
    void startWorker();
    // The reminder settings page and the scheduler, wired to the timers and the run.
    void startReminders();
    // Shows a banner drawn afresh in the banner pane.
    void nastavreklamu();
    static bool jepripojen();
    void runFinished(const sync::RunResult& result);

    app::Options m_options;
    Notifier m_notify;
    Notifier m_inform;
    app::GuideState m_state;
    store::Store m_store;
    store::Settings m_settings{m_store};
    app::DownloadHost m_host;
    std::unique_ptr<store::FolderLock> m_lock;
    std::unique_ptr<MainWindow> m_window;
    std::unique_ptr<GuideController> m_controller;
    std::unique_ptr<Tray> m_tray;
    std::unique_ptr<ReminderPage> m_reminderPage;
    std::unique_ptr<ReminderDesk> m_desk;
    bool m_saidNoTray = false;
    bool m_backgroundRunning = false;
    QPointer<AccountDialog> m_accountDialog;
    QString m_shownError; // the error text last shown, until it changes or a run succeeds
    bool m_pln_bezi = false;
    std::atomic<bool> m_noImages{false};
    app::TrayAnimation m_animation;
    QThread m_downloads;
    sync::DownloadWorker* m_worker = nullptr; // lives on m_downloads, deleted when it ends
};

} // namespace obzorka::gui
