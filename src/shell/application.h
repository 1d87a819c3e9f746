#pragma once

#include "shell/downloadhost.h"
#include "shell/guidestate.h"
#include "shell/options.h"
#include "store/settings.h"
#include "store/store.h"

#include <QLockFile>
#include <QObject>
#include <functional>
#include <memory>

namespace obzorka {

class MainWindow;

// The running guide: owns the store, the state of the main window, the main window and the
// hidden download host, runs the start-up sequence in its order and the shutdown.
class Application : public QObject
{
    Q_OBJECT

public:
    // Shows a message that ends the program (second instance, unusable store).
    using Notifier = std::function<void(const QString& message)>;

    explicit Application(const Options& options, Notifier notify);
    ~Application() override;

    // The start-up sequence. False when the program must end at once; the reason has been
    // shown through the notifier.
    bool start();

    // Stops the downloader, closes the store and ends the event loop. Never refused.
    void shutdown();

    GuideState& state() { return m_state; }
    Store& store() { return m_store; }
    MainWindow* mainWindow() const { return m_window.get(); }
    DownloadHost& downloadHost() { return m_host; }

private:
    void logIn();
    void applyAccount(const Account& account);
    void loadSettingsIntoControls();
    void wireSettingsControls();

    Options m_options;
    Notifier m_notify;
    GuideState m_state;
    Store m_store;
    Settings m_settings{m_store};
    DownloadHost m_host;
    std::unique_ptr<QLockFile> m_lock;
    std::unique_ptr<MainWindow> m_window;
};

} // namespace obzorka
