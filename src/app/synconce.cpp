#include "app/synconce.h"

#include "store/datafolder.h"
#include "store/settings.h"
#include "store/store.h"
#include "sync/downloadrun.h"
#include "sync/fetcher.h"

namespace obzorka::app {

int syncOnce(const QString& dataFolder, const QString& server, const QString& imageServer,
             const QString& user, const QString& password, QString* report)
{
    const std::optional<store::DataFolder> folder = store::prepareDataFolder(dataFolder, report);
    // A window on the folder downloads by itself; two runs at once would fight over the store.
    const auto lock = folder ? store::claimDataFolder(dataFolder, report) : nullptr;
    store::Store store;
    // The icons and pictures that pages show, as the window lays them out, so that an export
    // from a folder only this run fills shows them too.
    if (!lock || !store::installFiles(dataFolder, report) || !store.otevridb(dataFolder, report))
        return 1;
    store::Settings settings(store);
    if (!user.isEmpty())
        settings.writeAccount(store::withoutQuotes(user), password);
    const store::Account account = settings.readAccount();
    if (account.name.isEmpty() || account.password.isEmpty()) {
        *report = QStringLiteral("Chybí přístupové jméno a heslo: zadejte --user a --password.");
        return 1;
    }

    const std::atomic<bool> stop{false};
    sync::Fetcher fetcher(stop);
    sync::RunSettings run;
    run.server = server;
    run.imageServer = imageServer;
    run.name = account.name;
    run.password = account.password;
    run.imageFolder = folder->bmp;
    run.noImages = [&settings] { return settings.readFlag(store::settingkeys::nestahovatObrazky); };
    const sync::RunResult result = sync::pln(store, fetcher, stop, run);

    switch (result.end) {
    case sync::RunResult::End::Done:
        *report = QStringLiteral("Stanice: %1, nové pořady: %2, změněné pořady: %3, obrázky: %4")
                      .arg(result.stations)
                      .arg(result.added)
                      .arg(result.changed)
                      .arg(result.images);
        if (result.skipped > 0)
            *report += QStringLiteral(", vynechané záznamy: %1").arg(result.skipped);
        if (result.namesSkipped > 0)
            *report += QStringLiteral(", vynechané názvy souborů: %1").arg(result.namesSkipped);
        return 0;
    case sync::RunResult::End::ErrorReply:
        *report = result.wrongPassword ? QStringLiteral("Špatné přístupové jméno nebo heslo!")
                                       : QStringLiteral("Server odpověděl: ") + result.errorText;
        return 1;
    case sync::RunResult::End::Quiet:
        break;
    }
    if (result.httpStatus == 0)
        *report = QStringLiteral("Server %1 nelze zastihnout nebo neodpověděl.").arg(server);
    else if (result.httpStatus >= 300)
        *report = QStringLiteral("Server %1 odpověděl chybou HTTP %2.")
                      .arg(server)
                      .arg(result.httpStatus);
    else
        *report =
            QStringLiteral("Server %1 odpověděl, ale jeho odpovědi Obzorka nerozumí.").arg(server);
    return 2;
}

} // namespace obzorka::app
