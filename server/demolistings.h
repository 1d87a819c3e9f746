#pragma once

#include "listing.h"

#include <QDate>

namespace obzorka::server {

// Demo listings, the same for the same day and seed: 14 broadcast days from yesterday.
// A calendar day's programmes, ids included, depend only on that day and the seed, so the
// listings of consecutive days agree where their days overlap (a guide's stored entries stay
// valid); the changes, message and banners depend on today.
Listings demoListings(QDate today, quint32 seed);

} // namespace obzorka::server
