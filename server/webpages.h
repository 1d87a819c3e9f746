#pragma once

#include "listing.h"

#include <QString>
#include <QStringList>

// The server's web pages for people (UTF-8 HTML): the station choice and the account page.
namespace obzorka::server::webpages {

QString loginForm();
QString choiceForm(const QString& name, const QString& password, const QList<Station>& stations,
                   const QStringList& received);
QString saved(const QStringList& stations);
QString message(const QString& text);
QString accountPage();

} // namespace obzorka::server::webpages
