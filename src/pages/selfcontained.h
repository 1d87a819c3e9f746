#pragma once

#include "pages/pageresources.h"

#include <QString>

namespace obzorka::pages {

// The page with every image it shows written into the page itself as a data address, so that
// the file opens anywhere: mailed, published or moved. An image the files do not allow (outside
// their folders, missing, too large) keeps its address.
QString withImagesInside(const QString& page, const PageResources& files);

} // namespace obzorka::pages
