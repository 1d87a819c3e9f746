// The server's accounts: taken over from the accounts file of earlier versions, kept as salted
// hashes readable by the owner only, and administered by name.
#include "accounts.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace obzorka::server;

TEST(Accounts, AnOldAccountsFileIsTakenOverAndNoPasswordIsKept)
{
    QTemporaryDir folder;
    QFile json(folder.filePath("accounts.json"));
    ASSERT_TRUE(json.open(QIODevice::WriteOnly));
    json.write(R"({"jana": {"heslo": "tajné", "stanice": ["ČT1", "Prima, cool"]},
                   "petr": {"heslo": "jiné", "stanice": []}})");
    json.close();
    {
        Accounts accounts(folder.path(), false, {});
        ASSERT_EQ(accounts.problem(), "");
        EXPECT_EQ(accounts.list(), (QStringList{"jana: ČT1, Prima cool", "petr: "}));
    }
    Accounts accounts(folder.path(), false, {});
    EXPECT_EQ(accounts.logIn("jana", "tajné"), QStringList({"ČT1", "Prima cool"}));
    for (const auto& [name, password] :
         std::vector<std::pair<QString, QString>>{{"jana", "tajne"}, {"jana", ""}, {"nikdo", "x"}})
        EXPECT_EQ(accounts.logIn(name, password), std::nullopt) << name.toStdString();
    EXPECT_TRUE(QFile::exists(folder.filePath("accounts.json.migrated")));
    EXPECT_FALSE(QFile::exists(json.fileName()));
    QFile db(folder.filePath("accounts.db"));
    EXPECT_EQ(db.permissions(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                    QFileDevice::ReadUser | QFileDevice::WriteUser);
    ASSERT_TRUE(db.open(QIODevice::ReadOnly));
    const QByteArray stored = db.readAll();
    EXPECT_FALSE(stored.contains("jiné") || stored.contains(QString("tajné").toUtf8()));
    EXPECT_TRUE(stored.contains("$argon2id$"));
}

// Root adding the first account to a service's folder leaves a file the service can read.
TEST(Accounts, MadeByRootTheFileBelongsToTheFoldersOwner)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "needs root";
    QTemporaryDir folder;
    ASSERT_EQ(chown(QFile::encodeName(folder.path()).constData(), 65534, 65534), 0);
    Accounts accounts(folder.path(), false, {});
    ASSERT_EQ(accounts.problem(), "");
    const QFileInfo db(folder.filePath("accounts.db"));
    EXPECT_EQ(QString("%1:%2").arg(db.ownerId()).arg(db.groupId()), "65534:65534");
}

TEST(Accounts, AdministeredByNameAndDemoAccountsMadeAtTheFirstLogin)
{
    QTemporaryDir folder;
    Accounts accounts(folder.path(), false, {"ČT1"});
    QString error;
    EXPECT_TRUE(accounts.add("eva", "první", {"Nova"}, &error));
    EXPECT_FALSE(accounts.add("eva", "druhé", {}, &error));
    EXPECT_EQ(error, "Účet „eva“ už je.");
    EXPECT_EQ(accounts.logIn("eva", "první"), QStringList{"Nova"});
    EXPECT_TRUE(accounts.setPassword("eva", "druhé", &error));
    EXPECT_EQ(accounts.logIn("eva", "první"), std::nullopt); // no longer remembered as right
    EXPECT_EQ(accounts.logIn("eva", "druhé"), QStringList{"Nova"});
    EXPECT_TRUE(accounts.remove("eva", &error));
    EXPECT_FALSE(accounts.remove("eva", &error));
    EXPECT_EQ(error, "Účet „eva“ není.");
    EXPECT_EQ(accounts.logIn("eva", "druhé"), std::nullopt);

    Accounts demo(folder.path(), true, {"ČT1"});
    EXPECT_EQ(demo.logIn("nový", "heslo"), QStringList{"ČT1"});
    EXPECT_EQ(demo.logIn("nový", "jiné"), std::nullopt);
    EXPECT_EQ(demo.list(), QStringList{"nový: ČT1"});
}

// The account commands on the server's folder, the password from standard input.
TEST(Accounts, CommandsOfTheServerProgram)
{
    QTemporaryDir folder;
    // The folder as two words, or joined with "=".
    const auto run = [&folder](const QStringList& words, const QByteArray& input = {},
                               bool joined = false) {
        QProcess server;
        server.start(OBZORKA_SERVER_BINARY, QStringList{"account"} + words +
                                                (joined ? QStringList{"--data=" + folder.path()}
                                                        : QStringList{"--data", folder.path()}));
        server.write(input);
        server.closeWriteChannel();
        server.waitForFinished();
        return QString(QString::number(server.exitCode()) + ' ' + server.readAllStandardOutput() +
                       server.readAllStandardError());
    };
    EXPECT_EQ(run({"add", "jana", "ČT1", "Nova"}, "tajné heslo\n"), "0 ");
    EXPECT_EQ(run({"add", "jana"}, "jiné\n"), "1 Účet „jana“ už je.\n");
    EXPECT_EQ(run({"passwd", "jana"}, "\n"), "1 Heslo je prázdné, nebo se dvakrát neshoduje.\n");
    EXPECT_EQ(run({"list"}, {}, true), "0 jana: ČT1, Nova\n");
    EXPECT_TRUE(run({"passwd"}).startsWith("2 Použití: obzorka-server account add"));
    EXPECT_EQ(Accounts(folder.path(), false, {}).logIn("jana", "tajné heslo"),
              QStringList({"ČT1", "Nova"}));
    EXPECT_EQ(run({"remove", "jana"}), "0 ");
    EXPECT_EQ(run({"list"}), "0 ");
}
