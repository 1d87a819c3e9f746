#pragma once

#include "store/settings.h"

#include <QList>
#include <QString>

// Keyword reminders: programmes whose texts hold one of the user's words get a mark of their
// own, told apart from the user's marks by automat.
namespace obzorka::reminders {

inline constexpr int keywordRowCount = 10;

// The keyword box after the user leaves it: every ";" taken out, then trimmed. tooShort when
// a word remains that is shorter than 4 characters (the box is then emptied with a message).
struct CleanedKeyword
{
    QString text;
    bool tooShort = false;
};
CleanedKeyword cleanKeyword(const QString& typed);

// Deletes every keyword mark and marks anew each programme, not marked already, whose end
// lies from now to 12 days ahead and whose title, information or extended information (as
// each rule says) holds its word in any letter case. Rules without a word or without a ticked
// box add nothing; with no such rule no programme is marked.
void nastavautoupozorneni(store::Store& store, const QList<store::KeywordRule>& rules);

} // namespace obzorka::reminders
