#include "app/guidestate.h"
#include "app/options.h"

#include <gtest/gtest.h>

using namespace obzorka;
using Action = app::Options::Action;

namespace {
app::Options parse(QStringList arguments)
{
    arguments.prepend("obzorka");
    return app::parseOptions(arguments);
}
} // namespace

TEST(Options, DefaultsAndOverrides)
{
    const app::Options plain = parse({});
    EXPECT_EQ(plain.action, Action::Run);
    EXPECT_EQ(plain.server.toStdString(), OBZORKA_SERVER);
    EXPECT_TRUE(plain.dataFolder.isEmpty());

    const app::Options given = parse(
        {"--data-dir", "/tmp/ob", "--server", "tv.example:8080", "--image-server", "obr.example"});
    EXPECT_EQ(given.action, Action::Run);
    EXPECT_EQ(given.dataFolder.toStdString(), "/tmp/ob");
    EXPECT_EQ(given.server.toStdString(), "tv.example:8080");
    EXPECT_EQ(given.imageServer.toStdString(), "obr.example");
}

TEST(Options, HelpVersionAndMistakes)
{
    EXPECT_EQ(parse({"--help"}).action, Action::Help);
    EXPECT_EQ(parse({"--version"}).action, Action::Version);
    for (const QStringList& wrong :
         {QStringList{"--bogus"}, QStringList{"--data-dir"}, QStringList{"--help=1"},
          QStringList{"--server", "host:0"}, QStringList{"--server", "http://host/"},
          QStringList{"--image-server", ":80"}}) {
        const app::Options options = parse(wrong);
        EXPECT_EQ(options.action, Action::Error) << wrong.join(' ').toStdString();
        EXPECT_FALSE(options.error.isEmpty());
    }
}

TEST(Caption, CarriesVersionAndLoginName)
{
    EXPECT_EQ(app::form1caption("").toStdString(),
              std::string("Obzorka - verze ") + OBZORKA_VERSION);
    EXPECT_EQ(app::form1caption("jan").toStdString(),
              std::string("Obzorka - verze ") + OBZORKA_VERSION + " - jan");
}
