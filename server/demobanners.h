#pragma once

#include "listing.h"

#include <QDate>

namespace obzorka::server::demo {

// Two banners: Obzorka's own for a month and a made-up magazine's for three days.
QList<Banner> banners(QDate today);

} // namespace obzorka::server::demo
