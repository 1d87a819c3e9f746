#pragma once

#include <QString>

#include <atomic>

namespace obzorka::store {
class Store;
} // namespace obzorka::store

namespace obzorka::sync {

// A reply of the listing server: the last four characters are ".OK." or ".ER."; anything
// shorter or ending otherwise is no reply. The body is what comes before the marker (an error
// text for the user after ".ER.").
struct Reply
{
    enum class Kind
    {
        Ok,
        Error,
        Invalid
    } kind = Kind::Invalid;
    QString body;
};
Reply parseReply(const QString& httpdata);

// The body of a login reply: its first character dropped, then four lines at CR LF (a missing
// line is empty).
struct LoginBody
{
    QString stations;  // entries "<flag><name>;<number>" separated by ","
    QString deletions; // station names whose programmes go, separated by ";"
    QString message;   // the server's message to the user, empty when there is none
    QString banners;   // "1" to clear the banners first (any other first character keeps them)
};
LoginBody parseLoginBody(const QString& body);

struct LoginOutcome
{
    QString newMessage;    // the server's message when it is new (to show once), else empty
    QString bannerEntries; // the banner line without its first character, for the banner step
    int stationsAdded = 0;
    int stationsRemoved = 0;
    int entriesSkipped = 0; // station list entries that could not be used (no name, number not
                            // a whole number)
    bool stopped = false;   // the stop flag came up: nothing was applied
};

// Applies a login body to the store in one transaction, in this order: mark every station for
// removal; the message; the banner clearing flag; the programme deletions; the station list;
// the removal of stations no longer listed. A failing statement, or the stop flag raised while
// the station list is applied, leaves the store as it was. Each station is found by its name as
// the store compares names (trim(lcase(tv))), from one reading of the table.
LoginOutcome applyLogin(store::Store& store, const LoginBody& body,
                        const std::atomic<bool>* stop = nullptr);

} // namespace obzorka::sync
