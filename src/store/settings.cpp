#include "store/settings.h"

#include "store/blanks.h"
#include "store/numbers.h"
#include "store/store.h"

#include <algorithm>
#include <cmath>

namespace obzorka::store {
namespace {

QString flagText(bool on)
{
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

bool flagOf(const QString& field)
{
    return numbers::toWholeNumber(field).value_or(0) != 0;
}

// The typed text as a number, a decimal comma allowed; digits too many for a double still
// make a number, an infinite one. Empty for anything else ("inf" and "nan" included).
std::optional<double> typedNumber(const QString& typed)
{
    QString cleaned = typed.trimmed();
    cleaned.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double value = cleaned.toDouble(&ok);
    if (ok ? !std::isfinite(value) : !std::isinf(value))
        return std::nullopt;
    return value;
}

constexpr int defaultLeadMinutes = 5;

} // namespace

QString settingkeys::upozornitText(int row)
{
    return QStringLiteral("upozornit_text%1").arg(row);
}

QString withoutQuotes(QString text)
{
    text.remove(QLatin1Char('\''));
    text.remove(QLatin1Char('"'));
    return text;
}

std::optional<int> cleanLeadMinutes(const QString& typed)
{
    const auto number = typedNumber(typed);
    if (!number)
        return std::nullopt;
    // The bounds are whole, so holding before rounding gives what rounding first would.
    return int(numbers::roundHalfEven(std::clamp(*number, 0.0, 600.0)));
}

std::optional<QString> Settings::find(const QString& key) const
{
    const Rows rows =
        m_store.provedsql(QStringLiteral("SELECT * FROM nastaveni WHERE polozka=?"), {key});
    if (rows.empty())
        return std::nullopt;
    return rows.front().text(u"hodnota");
}

QString Settings::read(const QString& key, const QString& fallback) const
{
    return find(key).value_or(fallback);
}

void Settings::write(const QString& key, const QString& value)
{
    remove(key);
    m_store.provedsql(
        QStringLiteral("INSERT INTO nastaveni (polozka, hodnota) VALUES (?, trim(?))"),
        {key, value});
}

void Settings::remove(const QString& key)
{
    m_store.provedsql(QStringLiteral("DELETE FROM nastaveni WHERE polozka=?"), {key});
}

bool Settings::readFlag(const QString& key) const
{
    return read(key).toLower() == u"true";
}

void Settings::writeFlag(const QString& key, bool on)
{
    write(key, on ? QStringLiteral("True") : QStringLiteral("False"));
}

int Settings::readLeadMinutes() const
{
    const auto stored = find(settingkeys::upozornitMinutPredem);
    return stored ? cleanLeadMinutes(*stored).value_or(defaultLeadMinutes) : defaultLeadMinutes;
}

std::optional<int> Settings::writeLeadMinutes(const QString& typed)
{
    const auto minutes = cleanLeadMinutes(typed);
    if (minutes)
        write(settingkeys::upozornitMinutPredem, QString::number(*minutes));
    return minutes;
}

KeywordRule Settings::readKeywordRule(int row) const
{
    const auto value = find(settingkeys::upozornitText(row));
    const QString stored = value ? *value + QStringLiteral(";0;0;0") : QStringLiteral(";1;0;0");
    const QStringList fields = stored.split(QLatin1Char(';'));
    return {fields.at(0), flagOf(fields.at(1)), flagOf(fields.at(2)), flagOf(fields.at(3))};
}

void Settings::writeKeywordRule(int row, const KeywordRule& rule)
{
    const QString value = rule.text + u';' + flagText(rule.inTitle) + u';' + flagText(rule.inInfo) +
                          u';' + flagText(rule.inExtendedInfo);
    write(settingkeys::upozornitText(row), withoutQuotes(value));
}

Account Settings::readAccount() const
{
    Account account;
    for (const Row& row : m_store.provedsql(QStringLiteral("SELECT * FROM nastaveni"))) {
        const QString key = trimBlanks(row.text(u"polozka"));
        if (key == settingkeys::jmeno)
            account.name = trimBlanks(row.text(u"hodnota"));
        else if (key == settingkeys::heslo)
            account.password = trimBlanks(row.text(u"hodnota"));
    }
    return account;
}

Account Settings::writeAccount(const QString& name, const QString& password)
{
    removeAccount();
    const QString insert =
        QStringLiteral("INSERT INTO nastaveni (polozka, hodnota) VALUES (?, trim(?))");
    m_store.provedsql(insert, {settingkeys::jmeno, name});
    m_store.provedsql(insert, {settingkeys::heslo, password});
    return readAccount();
}

void Settings::removeAccount()
{
    m_store.provedsql(QStringLiteral("DELETE FROM nastaveni WHERE (polozka=?) OR (polozka=?)"),
                      {settingkeys::jmeno, settingkeys::heslo});
}

void Settings::writeServerMessage(const QString& message)
{
    remove(settingkeys::posledniZprava);
    m_store.provedsql(QStringLiteral("INSERT INTO nastaveni (polozka, hodnota) VALUES (?, ?)"),
                      {settingkeys::posledniZprava, message});
}

bool Settings::downloadAllowed() const
{
    return read(settingkeys::povolenoStahovani).toLower() != u"false";
}

} // namespace obzorka::store
