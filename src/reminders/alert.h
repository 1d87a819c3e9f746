#pragma once

#include <QString>

namespace obzorka::store {
class Store;
} // namespace obzorka::store

namespace obzorka::reminders {
}

namespace obzorka::reminders {

// What an alert shows; a programme row that is gone leaves the labels' own names (Label3, …).
struct AlertTexts
{
    QString title = QStringLiteral("Label3");
    QString start = QStringLiteral("Label4");
    QString end = QStringLiteral("Label5");
    QString day = QStringLiteral("Label8");
    QString station = QStringLiteral("Label11");
};

// Reads the programme with this id (compared as trimmed text) and deletes its reminder mark:
// each mark alerts once. A mark whose programme row is gone still gives an alert, with the
// labels' own names.
AlertTexts takeAlert(store::Store& store, const QString& id);

// The reminder sound file path from setting zvukove_upozorneni; empty when the setting has no row.
QString alertSound(store::Store& store);

// True for a RIFF WAVE file of plain 8- or 16-bit PCM whose format and sound data are all
// there. The sound player waits for ever on a file it cannot finish loading (and later blocks
// while freeing any sound), so only such files may reach it; chunks of odd size are refused,
// as players disagree on their padding.
bool isWholeWave(const QString& path);

// Why the alert would stay silent with this sound file, in Czech, to follow "cannot be used:";
// empty when isWholeWave lets it play.
QString soundFileProblem(const QString& path);

} // namespace obzorka::reminders
