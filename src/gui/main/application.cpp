#include "gui/main/application.h"

#include "extras/banner.h"
#include "extras/dateline.h"
#include "gui/dialogs/accountdialog.h"
#include "gui/dialogs/messagewindow.h"
#include "gui/guide/guidecontroller.h"
#include "gui/guide/pagedeck.h"
#include "gui/guide/pane.h"
#include "gui/main/firstframe.h"
#include "gui/main/mainwindow.h"
#include "gui/main/tray.h"
#include "gui/reminders/reminderdesk.h"
#include "gui/reminders/reminderpage.h"
#include "pages/generhtml.h"
#include "reminders/marks.h"
#include "store/clock.h"
#include "store/datafolder.h"
#include "sync/downloadworker.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QNetworkInformation>

namespace obzorka::gui {

Application::Application(const app::Options& options, Notifier notify, Notifier inform)
    : m_options(options), m_notify(std::move(notify)), m_inform(std::move(inform))
{
}

Application::~Application()
{
    // The worker may be in the middle of a fetch; the stop flag ends it within a round.
    m_host.pln_ukonci = true;
    m_downloads.quit();
    m_downloads.wait();
}

void Application::startWorker()
{
    m_worker = new sync::DownloadWorker(m_state.dataFolder, m_host.pln_ukonci);
    m_worker->moveToThread(&m_downloads);
    connect(&m_downloads, &QThread::finished, m_worker, &QObject::deleteLater);
    connect(m_worker, &sync::DownloadWorker::animate, this, [this](int units) {
        // A paused run still moves until its next check; the paused icon stays meanwhile.
        if (!m_state.povoleno_stahovani)
            return;
        if (const int frame = m_animation.krokanimace(units))
            zmenikonu(QStringLiteral("nacit%1.ico").arg(frame));
    });
    connect(m_worker, &sync::DownloadWorker::loggedIn, this, [this](const QString& newMessage) {
        if (!m_controller)
            return; // the window has closed meanwhile
        m_controller->nastav_rychle4tv();
        if (!newMessage.isEmpty())
            MessageWindow::napln(newMessage);
    });
    connect(m_worker, &sync::DownloadWorker::bannersFetched, this, [this] {
        if (m_controller)
            nastavreklamu();
    });
    connect(m_worker, &sync::DownloadWorker::finished, this, &Application::runFinished);
    connect(m_worker, &sync::DownloadWorker::reminderCheckDue, &m_host,
            &app::DownloadHost::runReminderCheckDue);
    connect(&m_host, &app::DownloadHost::downloadDue, this, &Application::pln);
    m_downloads.start();
}

void Application::pln()
{
    if (!m_state.hasAccount() || m_state.data_jmeno == u"anonymous" || !m_controller)
        return;
    m_host.timer1div_pln = 1;
    // While the account dialog asks for a new password the rejected one is not tried again.
    const bool askingForAccount = m_accountDialog && m_accountDialog->isVisible();
    if (!m_state.povoleno_stahovani || m_pln_bezi || askingForAccount || !jepripojen())
        return;
    m_pln_bezi = true;
    m_controller->setDownloading(true);
    m_host.pln_ukonci = false;
    m_animation.reset();
    if (const int frame = m_animation.krokanimace(1))
        zmenikonu(QStringLiteral("nacit%1.ico").arg(frame));
    sync::RunSettings settings;
    settings.server = m_state.data_server;
    settings.imageServer = m_state.data_serverobr;
    settings.path = m_state.data_serverpath;
    settings.name = m_state.data_jmeno;
    settings.password = m_state.data_heslo;
    settings.imageFolder = m_state.adr_bmp;
    settings.noImages = [this] { return m_noImages.load(); };
    QMetaObject::invokeMethod(
        m_worker, [worker = m_worker, settings] { worker->run(settings); }, Qt::QueuedConnection);
}

bool Application::jepripojen()
{
    // Without a reachability backend on this desktop the computer counts as on line.
    const QNetworkInformation* network = QNetworkInformation::instance();
    return !network || network->reachability() != QNetworkInformation::Reachability::Disconnected;
}

void Application::runFinished(const sync::RunResult& result)
{
    m_pln_bezi = false;
    if (!m_controller)
        return; // the window has closed meanwhile
    m_controller->setDownloading(false);
    m_host.timer1div_pln = result.divisor;
    // A pause during the run keeps its icon until downloading is allowed again.
    zmenikonu(m_state.povoleno_stahovani ? QStringLiteral("tv.ico")
                                         : QStringLiteral("nacitzru.ico"));
    // The first listings of a new data folder show at once, instead of the empty start page.
    if (result.added > 0 && m_window->mainPane()->page() == pages::generzprava(QString()))
        m_controller->generedit1frame();
    // A marked programme may have moved: its reminder follows.
    if (result.added > 0 || result.changed > 0)
        m_desk->nastavupozorneni();
    // An error text that stays the same is shown once, until it changes or a run succeeds.
    if (result.end == sync::RunResult::End::Done)
        m_shownError.clear();
    if (!result.errorText.isEmpty() && result.errorText != m_shownError) {
        m_shownError = result.errorText;
        MessageWindow::napln(result.errorText);
    }
    if (result.wrongPassword)
        askForAccount();
}

void Application::askForAccount()
{
    if (m_accountDialog) {
        m_accountDialog->show();
        m_accountDialog->raise();
        m_accountDialog->activateWindow();
        return;
    }
    m_accountDialog = new AccountDialog(m_settings, accountPage());
    m_accountDialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(m_accountDialog, &AccountDialog::accountSaved, this,
            [this](const store::Account& account) {
                applyAccount(account);
                // The new account is tried at once, once the dialog has closed.
                QMetaObject::invokeMethod(this, &Application::pln, Qt::QueuedConnection);
            });
    connect(m_accountDialog, &AccountDialog::postponed, this, &Application::postpone);
    m_accountDialog->show();
}

void Application::postpone()
{
    // No download run starts under this name until the next start.
    applyAccount({QStringLiteral("anonymous"), QStringLiteral("anonymous")});
    if (m_tray)
        zmenikonu(QStringLiteral("tv.ico"));
}

QString Application::accountPage() const
{
    return QStringLiteral("http://") + m_state.data_server + QStringLiteral("/proguziv/program");
}

bool Application::start()
{
    const QString folder = app::resolveDataFolder(m_options.dataFolder);
    if (!claimDataFolder(folder))
        return false;
    m_state.data_server = m_options.server;
    m_state.data_serverobr = m_options.imageServer;
    m_window = std::make_unique<MainWindow>(m_state);
    connect(m_window.get(), &MainWindow::shutdownRequested, this, &Application::shutdown);
    connect(m_window.get(), &MainWindow::minimised, this, &Application::windowMinimised);
    m_window->form1caption();
    QString problem;
    if (!m_store.otevridb(folder, &problem)) {
        m_notify(problem);
        return false;
    }
    logIn();
    m_window->form1caption();
    fillWindow();
    m_window->show();
    // The controls are filled: what the user does from now on counts.
    m_state.zvoleno4 = 0;
    afterFirstFrame(m_window.get(), this, [this] { startBehindWindow(); });
    return true;
}

void Application::startBehindWindow()
{
    if (!m_controller)
        return; // the window closed before its first frame
    nastavreklamu();
    if (showTray() && startBackground()) {
        m_backgroundRunning = true;
        // Minimised before there was a tray to hide in.
        if (m_window->isMinimized())
            windowMinimised();
        return;
    }
    shutdown();
    QCoreApplication::exit(1);
}

bool Application::claimDataFolder(const QString& folder)
{
    QString problem;
    const std::optional<store::DataFolder> prepared = store::prepareDataFolder(folder, &problem);
    if (!prepared) {
        m_notify(problem);
        return false;
    }
    m_state.useDataFolder(*prepared);

    // A second copy on the same data folder would fight the first over the store.
    m_lock = store::claimDataFolder(folder, &problem);
    if (!m_lock || !store::installFiles(folder, &problem)) {
        m_notify(problem);
        return false;
    }
    return true;
}

void Application::fillWindow()
{
    m_host.timer1div_pln = 1;
    m_state.zvoleno4 = -1;
    m_controller =
        std::make_unique<GuideController>(*m_window, m_store, m_state, m_settings, m_host);
    connect(m_controller.get(), &GuideController::quitRequested, m_window.get(), &QWidget::close);
    startReminders();
    loadSettingsIntoControls();
    m_window->setDateLine(
        extras::dateLine(store::Clock::today(), extras::nameDayAtStartup(m_store)));
    m_window->fillChoosers(store::Clock::today());
    m_reminderPage->loadKeywordRows();
    m_reminderPage->nastavautoupozorneni();
    m_controller->nastav_rychle4tv();
    m_window->fillDayChooser(store::Clock::today());
    m_controller->dayChosen();
    m_window->pageDeck()->showPage(pages::generzprava(QString()));
    m_controller->prepareAroundCurrentView();
    m_reminderPage->nastavzvukoveupozorneni();
}

bool Application::showTray()
{
    m_tray = std::make_unique<Tray>();
    connect(m_tray.get(), &Tray::openRequested, this, [this] { openWindow(false); });
    connect(m_tray.get(), &Tray::nowRequested, this, [this] { openWindow(true); });
    connect(m_tray.get(), &Tray::pauseToggled, this, &Application::togglePause);
    connect(m_tray.get(), &Tray::exitRequested, m_window.get(), &QWidget::close);
    if (!zmenikonu(QStringLiteral("tv.ico")))
        return false;
    m_tray->pridejikonu(m_tray->iconFile());
    return true;
}

bool Application::startBackground()
{
    // Every run starts with downloading allowed, whatever the last run stored.
    m_settings.remove(store::settingkeys::povolenoStahovani);
    if (!nastavstahovani())
        return false;
    QNetworkInformation::loadDefaultBackend();
    startWorker();
    m_host.enableTimer1();

    reminders::purgeEndedMarks(m_store);
    m_desk->nastavupozorneni();
    m_host.enableTimer2();

    m_host.tick();
    return m_store.isOpen();
}

void Application::startReminders()
{
    QWidget* window = m_window.get();
    m_reminderPage = std::make_unique<ReminderPage>(
        *m_window->reminderPanel(), m_store, m_settings, m_state, m_inform,
        [window] { return ReminderPage::askForSoundFile(window); });
    m_desk = std::make_unique<ReminderDesk>(
        m_store, [page = m_reminderPage.get()] { return page->leadMinutes(); });
    connect(m_reminderPage.get(), &ReminderPage::scheduleChanged, m_desk.get(),
            &ReminderDesk::nastavupozorneni);
    connect(m_controller.get(), &GuideController::marksChanged, m_desk.get(),
            &ReminderDesk::nastavupozorneni);
    connect(&m_host, &app::DownloadHost::reminderCheckDue, m_desk.get(), &ReminderDesk::check);
    connect(&m_host, &app::DownloadHost::runReminderCheckDue, m_desk.get(),
            &ReminderDesk::checkDuringRun);
    connect(&m_host, &app::DownloadHost::bannerDue, this, [this] {
        if (m_window && m_window->isVisible() && !m_window->isMinimized())
            nastavreklamu();
    });
    connect(m_window->bannerPane(), &Pane::linkClicked, this, [this](const QString& target) {
        if (extras::isBannerLink(m_state.adr_bmp, target))
            QDesktopServices::openUrl(QUrl(target)); // the banner's own page, in the browser
    });
}

void Application::nastavreklamu()
{
    Pane* banner = m_window->bannerPane();
    banner->showPage(extras::bannerPage(m_state.adr_bmp, extras::chooseBanner(m_store)));
    banner->show();
}

void Application::logIn()
{
    for (;;) {
        const store::Account stored = m_settings.readAccount();
        m_state.data_jmeno = stored.name;
        m_state.data_heslo = stored.password;
        if (m_state.hasAccount())
            return;
        AccountDialog dialog(m_settings, accountPage());
        connect(&dialog, &AccountDialog::accountSaved, this, &Application::applyAccount);
        connect(&dialog, &AccountDialog::postponed, this, &Application::postpone);
        dialog.exec();
        if (m_state.hasAccount())
            return;
    }
}

void Application::applyAccount(const store::Account& account)
{
    m_state.data_jmeno = account.name;
    m_state.data_heslo = account.password;
    if (m_window)
        m_window->form1caption();
    m_host.timer1div_pln = 1;
}

void Application::loadSettingsIntoControls()
{
    m_reminderPage->loadLeadMinutes();
    m_window->vpsBox()->setChecked(m_settings.readFlag(store::settingkeys::vps));
    m_window->noImagesBox()->setChecked(m_settings.readFlag(store::settingkeys::nestahovatObrazky));
    m_noImages = m_window->noImagesBox()->isChecked();
    connect(m_window->noImagesBox(), &QCheckBox::toggled, this,
            [this](bool on) { m_noImages = on; });
}

bool Application::zmenikonu(const QString& name)
{
    const QString path = m_state.adr_icon + u'/' + name;
    if (!QFile::exists(path)) {
        m_notify(QStringLiteral("Nemohu nalézt soubor '") + QDir::toNativeSeparators(path) +
                 QStringLiteral("'!"));
        shutdown();
        return false;
    }
    m_tray->showIcon(path);
    return true;
}

bool Application::nastavstahovani()
{
    m_state.povoleno_stahovani = m_settings.downloadAllowed();
    m_tray->setDownloadAllowed(m_state.povoleno_stahovani);
    if (m_state.povoleno_stahovani) {
        m_host.timer1div_pln = 1; // a run at the next tick
        return zmenikonu(QStringLiteral("nacit0.ico"));
    }
    m_host.pln_ukonci = true; // a run in progress stops at its next check
    return zmenikonu(QStringLiteral("nacitzru.ico"));
}

void Application::togglePause()
{
    m_settings.writeFlag(store::settingkeys::povolenoStahovani, !m_state.povoleno_stahovani);
    nastavstahovani();
}

void Application::openWindow(bool onNow)
{
    m_window->showMaximized();
    if (onNow)
        m_controller->showNow();
    else
        m_controller->showToday();
    m_window->raise();
    m_window->activateWindow();
}

void Application::windowMinimised()
{
    if (!m_backgroundRunning)
        return; // the tray is not there yet; asked again once it is
    // Without an icon in a notification area a hidden window could not be brought back.
    if (m_tray && m_tray->shown()) {
        m_window->hide();
        return;
    }
    if (!m_saidNoTray) {
        m_saidNoTray = true;
        m_inform(QStringLiteral("Pracovní plocha nemá oznamovací oblast, proto Obzorka zůstane "
                                "na hlavním panelu jako běžné okno."));
    }
}

void Application::shutdown()
{
    // A box that loses the focus as the window goes must not write to the closed store, and
    // the tray's items have nothing left to act on.
    m_controller.reset();
    m_reminderPage.reset();
    m_desk.reset();
    if (m_tray)
        m_tray->disconnect(this);
    m_host.pln_ukonci = true;
    m_downloads.quit();
    m_store.zavridb();
    if (m_tray)
        m_tray->smazikonu();
    QCoreApplication::quit();
}

} // namespace obzorka::gui
