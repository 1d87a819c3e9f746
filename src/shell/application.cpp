#include "shell/application.h"

#include "extras/accountdialog.h"
#include "extras/dateline.h"
#include "pages/generhtml.h"
#include "reminders/marks.h"
#include "shell/datafolder.h"
#include "shell/mainwindow.h"
#include "shell/pane.h"
#include "store/clock.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QLineEdit>

namespace obzorka {

Application::Application(const Options& options, Notifier notify)
    : m_options(options), m_notify(std::move(notify))
{
}

Application::~Application() = default;

bool Application::start()
{
    QString problem;
    const QString folder = resolveDataFolder(m_options.dataFolder);
    if (!prepareDataFolder(folder, m_state, &problem)) {
        m_notify(problem);
        return false;
    }

    // A second copy on the same data folder would fight the first over the store.
    m_lock = std::make_unique<QLockFile>(folder + QStringLiteral("/obzorka.lock"));
    m_lock->setStaleLockTime(0);
    if (!m_lock->tryLock(0)) {
        m_notify(m_lock->error() == QLockFile::LockFailedError
                     ? QStringLiteral("Program Obzorka je již otevřen.")
                     : QStringLiteral("Do složky „%1“ nelze zapisovat; program se ukončí.")
                           .arg(QDir::toNativeSeparators(folder)));
        return false;
    }

    if (!installFiles(folder, &problem)) {
        m_notify(problem);
        return false;
    }

    m_state.data_server = m_options.server;
    m_state.data_serverobr = m_options.imageServer;
    m_window = std::make_unique<MainWindow>(m_state);
    connect(m_window.get(), &MainWindow::shutdownRequested, this, &Application::shutdown);
    wireSettingsControls();
    m_window->form1caption();

    if (!m_store.otevridb(folder, &problem)) {
        m_notify(problem);
        return false;
    }

    logIn();
    m_window->form1caption();

    m_host.timer1div_pln = 1;
    m_state.zvoleno4 = -1;
    loadSettingsIntoControls();
    m_window->setDateLine(dateLine(Clock::today(), nameDayAtStartup(m_store)));
    m_window->fillChoosers(Clock::today());
    m_window->fillDayChooser(Clock::today());
    m_window->mainPane()->showPage(generhtml::generzprava(QString()));

    m_window->show();

    // Every run starts with downloading allowed, whatever the last run stored.
    m_settings.remove(settingkeys::povolenoStahovani);
    m_state.povoleno_stahovani = m_settings.downloadAllowed();
    m_host.timer1div_pln = 1;
    m_host.enableTimer1();

    purgeEndedMarks(m_store);
    m_host.enableTimer2();

    m_state.zvoleno4 = 0;
    m_host.Timer1_Timer();
    return true;
}

void Application::logIn()
{
    for (;;) {
        const Account stored = m_settings.readAccount();
        m_state.data_jmeno = stored.name;
        m_state.data_heslo = stored.password;
        if (m_state.hasAccount())
            return;
        AccountDialog dialog(m_settings, QStringLiteral("http://") + m_state.data_server +
                                             QStringLiteral("/proguziv/program"));
        connect(&dialog, &AccountDialog::accountSaved, this, &Application::applyAccount);
        connect(&dialog, &AccountDialog::postponed, this, [this] {
            // No download run starts under this name until the next start.
            applyAccount({QStringLiteral("anonymous"), QStringLiteral("anonymous")});
        });
        dialog.exec();
        if (m_state.hasAccount())
            return;
    }
}

void Application::applyAccount(const Account& account)
{
    m_state.data_jmeno = account.name;
    m_state.data_heslo = account.password;
    if (m_window)
        m_window->form1caption();
    m_host.timer1div_pln = 1;
}

void Application::loadSettingsIntoControls()
{
    m_state.upozornit_minutpredem = 5;
    QLineEdit* minutes = m_window->leadMinutesBox();
    minutes->setText(QStringLiteral("5"));
    if (const auto stored = m_settings.find(settingkeys::upozornitMinutPredem))
        minutes->setText(*stored);

    m_window->vpsBox()->setChecked(m_settings.readFlag(settingkeys::vps));
    m_window->noImagesBox()->setChecked(m_settings.readFlag(settingkeys::nestahovatObrazky));
}

void Application::wireSettingsControls()
{
    // While start-up fills the boxes from the settings nothing is written back.
    connect(m_window.get(), &MainWindow::vpsToggled, this, [this](bool on) {
        if (!m_state.starting())
            m_settings.writeFlag(settingkeys::vps, on);
    });
    connect(m_window.get(), &MainWindow::noImagesToggled, this, [this](bool on) {
        if (m_state.starting())
            return;
        m_settings.writeFlag(settingkeys::nestahovatObrazky, on);
        m_host.timer1div_pln = 1; // the next tick may start a run that honours the choice
    });
    connect(m_window.get(), &MainWindow::leadMinutesEdited, this, [this](const QString& text) {
        QLineEdit* box = m_window->leadMinutesBox();
        const auto minutes = m_settings.writeLeadMinutes(text);
        if (!minutes) {
            box->setText(QStringLiteral("0")); // not a number: shown as 0, nothing stored
            return;
        }
        box->setText(QString::number(*minutes));
        m_state.upozornit_minutpredem = *minutes;
    });
}

void Application::shutdown()
{
    // A box that loses the focus as the window goes must not write to the closed store.
    m_window->disconnect(this);
    m_host.pln_ukonci = true;
    m_store.zavridb();
    QCoreApplication::quit();
}

} // namespace obzorka
