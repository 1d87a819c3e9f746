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

TEST(Options, Overrides)
{
    const app::Options given = parse(
        {"--data-dir", "/tmp/ob", "--server", "tv.example:65535", "--image-server", "obr.example"});
    EXPECT_EQ(QStringList({given.server, given.imageServer, given.dataFolder}),
              QStringList({"tv.example:65535", "obr.example", "/tmp/ob"}));
}

TEST(Options, EachActionAndEachMistake)
{
    const std::vector<std::pair<QStringList, Action>> cases{
        {{}, Action::Run},
        {{"--help"}, Action::Help},
        {{"--version"}, Action::Version},
        {{"--export", "grid", "--day", "1.1.2027", "--page", "24"}, Action::Export},
        {{"--bogus"}, Action::Error},
        {{"--data-dir"}, Action::Error},
        {{"--help=1"}, Action::Error},
        {{"--server", "host:0"}, Action::Error},
        {{"--server", "host:65536"}, Action::Error},
        {{"--server", "http://host/"}, Action::Error},
        {{"--image-server", ":80"}, Action::Error},
        {{"--user", "eva"}, Action::Error},     // belongs to --sync-once
        {{"--day", "1.1.2027"}, Action::Error}, // belongs to --export
        {{"--export", "tisk"}, Action::Error},
        {{"--export", "grid", "--from", "7:00"}, Action::Error},
        {{"--export", "grid", "--page", "25"}, Action::Error},
        {{"--export", "grid", "--text", "x"}, Action::Error},
        {{"--export", "search", "--day", "pondělí"}, Action::Error},
        {{"--export", "help", "--name", "help.html"}, Action::Error},
        {{"--export", "detail"}, Action::Error}};
    for (const auto& [arguments, action] : cases) {
        const app::Options options = parse(arguments);
        EXPECT_EQ(options.action, action) << arguments.join(' ').toStdString();
        EXPECT_EQ(options.error.isEmpty(), action != Action::Error);
    }
}

TEST(Caption, CarriesVersionAndLoginName)
{
    EXPECT_EQ(app::form1caption(""), "Obzorka - verze " OBZORKA_VERSION);
    EXPECT_EQ(app::form1caption("jan"), "Obzorka - verze " OBZORKA_VERSION " - jan");
}
