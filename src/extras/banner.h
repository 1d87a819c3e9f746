#pragma once

#include <QRandomGenerator>
#include <QString>

namespace obzorka::store {
class Store;
} // namespace obzorka::store

// The advertising banner: one of the banners still valid, drawn at random each time.
namespace obzorka::extras {

// The id of a banner whose last day is today or later, each with the same chance; "0" when
// none is (its folder holds nothing, so the pane shows a missing picture).
QString chooseBanner(store::Store& store, QRandomGenerator& random);

// chooseBanner with a generator seeded afresh.
QString chooseBanner(store::Store& store);

// The pane's page: the banner's picture linking to its own page, both in its folder under
// the image folder.
QString bannerPage(const QString& imageFolder, const QString& bannerId);

// True for the link bannerPage writes: a local file inside the image folder's "banner". A
// click on the banner opens nothing else.
bool isBannerLink(const QString& imageFolder, const QString& target);

} // namespace obzorka::extras
