#pragma once

#include <QByteArrayView>
#include <QString>

// What the fuzz targets run on one input, and the test of kept inputs with them: each entry
// decodes the bytes as the program receives them, runs the real parsing code on them and
// checks what its results promise. Returns the first broken promise, empty when all hold.
namespace obzorka::fuzz {

// A listing server reply in windows-1250; a login body that reads is applied to a store.
QString loginReply(QByteArrayView input);
// The banner line of a login body: the run's banner step only gets what applyLogin hands on.
QString bannerLine(QByteArrayView input);
// A listing reply body; records that read are merged as new and as changed entries.
QString listingRecords(QByteArrayView input);
// A link target in UTF-8: only the links the pages write act.
QString linkTarget(QByteArrayView input);
// A programme record's texts separated by "|" (title, short and extended information,
// station, ShowView code, the two illustration names) through every page that shows it.
QString programmePages(QByteArrayView input);
// An XMLTV document for the server.
QString xmltvDocument(QByteArrayView input);
// A channel map file for the server.
QString channelMap(QByteArrayView input);
// Up to three lines in UTF-8: a date text, a whole number to add to it, a second date text;
// read by the date functions and the SQL dialect.
QString dateText(QByteArrayView input);

} // namespace obzorka::fuzz
