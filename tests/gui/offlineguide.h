#pragma once

#include "gui/main/application.h"

#include <QStringList>
#include <memory>

namespace obzorka::test {

// The guide on a data folder, pointed at a server that never answers, keeping the messages it
// would show: those that end the program in `ending`, the others in `other`.
inline std::unique_ptr<gui::Application> offlineGuide(const QString& folder, QStringList& ending,
                                                      QStringList& other)
{
    app::Options options;
    options.dataFolder = folder;
    options.server = QStringLiteral("127.0.0.1:9");
    return std::make_unique<gui::Application>(
        options, [&ending](const QString& m) { ending << m; },
        [&other](const QString& m) { other << m; });
}

} // namespace obzorka::test
