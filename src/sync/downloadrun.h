#pragma once

#include <QString>
#include <atomic>
#include <functional>

namespace obzorka::store {
class Store;
} // namespace obzorka::store

namespace obzorka::sync {
}

namespace obzorka::sync {

class Fetcher;

// Who the run logs in as, where it fetches from and what it may fetch.
struct RunSettings
{
    QString server;      // host[:port] of the listing server
    QString imageServer; // host[:port] of the image server
    QString path = QStringLiteral("/program");
    QString name;
    QString password;
    QString imageFolder;                 // the data folder's "bmp"
    std::function<bool()> noImages;      // "Nestahovat obrázky", read as the run goes
    std::function<void()> reminderCheck; // the pending-reminder check between steps
    // Once the login has stored the stations and the server's message (given when it is new,
    // to show once), and once the banners have arrived: what they bring shows at once.
    std::function<void(const QString& newMessage)> loggedIn;
    std::function<void()> bannersFetched;
};

struct RunResult
{
    enum class End
    {
        Done,       // every step went through
        ErrorReply, // the server answered with an error text
        Quiet,      // no answer, a broken answer or the stop flag: try again later
    };
    End end = End::Quiet;
    int divisor = 1;            // the tick divisor the run leaves: 4320 after success
    bool wrongPassword = false; // the account dialog should ask again
    QString errorText;          // any other error text, to show the user
    int httpStatus = 0;         // the HTTP status of the last text reply, 0 when none came
    int stations = 0;
    int added = 0;
    int changed = 0;
    int images = 0;
    int skipped = 0;      // records that could not be stored
    int namesSkipped = 0; // file names windows-1250 has no codes for: they cannot be asked for
};

// One download run: login and stations, banners, the listing rounds until the server has
// nothing newer, the changes, the illustrations. Each step ends the run quietly when the stop
// flag is raised or the server gives no usable answer; what was merged stays merged.
RunResult pln(store::Store& store, Fetcher& fetcher, const std::atomic<bool>& stop,
              const RunSettings& settings);

} // namespace obzorka::sync
