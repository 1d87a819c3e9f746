#include "accountcommand.h"

#include "accounts.h"

#include <QDir>

#include <cstdio>
#include <iostream>
#include <string>
#include <termios.h>
#include <unistd.h>

namespace obzorka::server {
namespace {

const char* const usage =
    "Použití: obzorka-server account add JMÉNO [STANICE ...] [--data SLOŽKA]\n"
    "         obzorka-server account passwd JMÉNO [--data SLOŽKA]\n"
    "         obzorka-server account remove JMÉNO [--data SLOŽKA]\n"
    "         obzorka-server account list [--data SLOŽKA]\n";

// A line of standard input; from a terminal asked for and not shown as it is typed.
QString readPassword(const char* prompt)
{
    const bool terminal = isatty(STDIN_FILENO);
    termios shown{};
    if (terminal) {
        std::fputs(prompt, stderr);
        tcgetattr(STDIN_FILENO, &shown);
        termios hidden = shown;
        hidden.c_lflag &= ~tcflag_t(ECHO);
        tcsetattr(STDIN_FILENO, TCSANOW, &hidden);
    }
    std::string line;
    std::getline(std::cin, line);
    if (terminal) {
        tcsetattr(STDIN_FILENO, TCSANOW, &shown);
        std::fputs("\n", stderr);
    }
    return QString::fromStdString(line);
}

// The new password, asked twice at a terminal; empty when the two differ.
QString newPassword()
{
    const QString password = readPassword("Heslo: ");
    if (isatty(STDIN_FILENO) && readPassword("Heslo znovu: ") != password)
        return {};
    return password;
}

int refused(const QString& message)
{
    std::fprintf(stderr, "%s\n", qUtf8Printable(message));
    return 1;
}

} // namespace

int runAccountCommand(const QStringList& arguments)
{
    QStringList words;
    // "--data=DIR" is "--data DIR", as the server's own options take it.
    for (const QString& word : arguments.mid(2)) {
        if (word.startsWith(QStringLiteral("--data=")))
            words << QStringLiteral("--data") << word.sliced(7);
        else
            words << word;
    }
    QString folder = QStringLiteral("obzorka-server-data");
    if (const qsizetype data = words.indexOf(QStringLiteral("--data")); data >= 0) {
        if (data + 1 >= words.size())
            return std::fputs(usage, stderr), 2;
        folder = words.at(data + 1);
        words.remove(data, 2);
    }
    const QString command = words.value(0);
    const QString name = words.value(1);
    const bool named = !name.isEmpty() && !name.startsWith(u'-');
    const bool fits = command == u"add"    ? named
                      : command == u"list" ? words.size() == 1
                                           : (command == u"passwd" || command == u"remove") &&
                                                 named && words.size() == 2;
    if (!fits)
        return std::fputs(usage, stderr), 2;
    QDir().mkpath(folder);
    Accounts accounts(folder, false, {});
    if (!accounts.problem().isEmpty())
        return refused(accounts.problem());
    QString error;
    if (command == u"list") {
        for (const QString& account : accounts.list())
            std::printf("%s\n", qUtf8Printable(account));
        return 0;
    }
    if (command == u"remove")
        return accounts.remove(name, &error) ? 0 : refused(error);
    const QString password = newPassword();
    if (password.isEmpty())
        return refused(QStringLiteral("Heslo je prázdné, nebo se dvakrát neshoduje."));
    const bool done = command == u"add" ? accounts.add(name, password, words.mid(2), &error)
                                        : accounts.setPassword(name, password, &error);
    return done ? 0 : refused(error);
}

} // namespace obzorka::server
