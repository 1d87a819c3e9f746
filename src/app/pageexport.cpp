#include "app/pageexport.h"

#include "navigation/stationpages.h"
#include "pages/chooseritems.h"
#include "pages/generhtml.h"
#include "pages/selfcontained.h"
#include "reminders/icalendar.h"
#include "store/clock.h"
#include "store/dates.h"
#include "store/programmeid.h"
#include "store/settings.h"
#include "store/store.h"
#include "store/wholefile.h"

#include <QDir>
#include <QFileInfo>
#include <QStringEncoder>
#include <cstdio>

namespace obzorka::app {
namespace {

// The detail page declares no character set; a file on its own needs one.
QString withCharset(const QString& kind, QString page)
{
    if (kind == u"detail")
        page.insert(QStringLiteral("<HTML>").size(), pages::metaLine());
    return page;
}

// An existing folder, or a name ending in a slash, takes the page as its index.html; no name is
// standard output.
QString outputFile(const QString& out, const QString& nameInFolder)
{
    if (out.endsWith(u'/'))
        QDir().mkpath(out);
    return QFileInfo(out).isDir() ? QDir(out).filePath(nameInFolder) : out;
}

bool writeOut(const QString& path, const QByteArray& bytes, QString* error)
{
    if (path.isEmpty()) {
        const bool written =
            std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) == size_t(bytes.size());
        std::fflush(stdout);
        if (!written && error)
            *error = QStringLiteral("Stránku nelze zapsat na standardní výstup.");
        return written;
    }
    return store::writeWholeFile(path, bytes, error);
}

} // namespace

QString buildExportedPage(const QString& dataFolder, const ExportRequest& request,
                          store::Store& store)
{
    const pages::PageContext context{store, dataFolder + QStringLiteral("/bmp"),
                                     store::Settings(store).readFlag(store::settingkeys::vps)};
    if (request.kind == u"grid") {
        const QDate day = request.day.isEmpty()
                              ? store::Clock::today()
                              : store::dates::parseDate(request.day).value_or(QDate());
        // Without --from and --to the window starts as the day chooser would set it.
        const pages::chooseritems::DayChoice window = pages::chooseritems::chooseDay(
            QDate(), pages::chooseritems::dateItem(day), store::Clock::today(),
            QStringLiteral("Teď"), QStringLiteral("Konce"));
        const QStringList stations =
            navigation::readStationPages(store).stationsOfPage(request.page - 1);
        return pages::genertabulku(context, day, request.type,
                                   request.from.isEmpty() ? window.from : request.from,
                                   request.to.isEmpty() ? window.to : request.to, stations, false);
    }
    if (request.kind == u"search")
        return pages::generhledani(context, {request.text, request.type, request.day, request.group,
                                             request.first, request.titleOnly, request.markedOnly});
    if (request.kind == u"detail")
        return pages::genervypisinf(context, request.id, pages::links::Origin::Grid);
    if (request.kind == u"now")
        return pages::generbezi(context, request.at.isEmpty()
                                             ? store::Clock::now()
                                             : store::dates::parseMoment(request.at).value());
    return pages::helpPage(context, request.name);
}

int exportPage(const QString& dataFolder, const ExportRequest& request, QString* error)
{
    store::Store store;
    if (!store.otevridb(dataFolder, error, store::Store::Access::ReadOnly))
        return 1;
    // An empty page is no detail: the run says so rather than report it written.
    if (request.kind == u"detail" &&
        store.provedsql(QStringLiteral("SELECT id FROM program") + store::whereIdIs, {request.id})
            .empty()) {
        if (error)
            *error = QStringLiteral("Pořad s id „%1“ v databázi není.").arg(request.id);
        return 1;
    }
    if (request.kind == u"ical") {
        const QByteArray calendar =
            reminders::icalendar(store, reminders::markedProgrammes(store),
                                 store::Settings(store).readLeadMinutes(), store::Clock::now());
        return writeOut(outputFile(request.out, QStringLiteral("obzorka.ics")), calendar, error)
                   ? 0
                   : 1;
    }
    const QString page =
        pages::withImagesInside(buildExportedPage(dataFolder, request, store),
                                pages::PageResources({dataFolder + QStringLiteral("/bmp")}));
    QStringEncoder encoder("windows-1250", QStringEncoder::Flag::Default);
    const QByteArray bytes = encoder(withCharset(request.kind, page));
    return writeOut(outputFile(request.out, QStringLiteral("index.html")), bytes, error) ? 0 : 1;
}

} // namespace obzorka::app
