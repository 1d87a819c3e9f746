#pragma once

#include <QString>
#include <optional>

namespace obzorka::store {

class Store;

// The settings table nastaveni: one row per key, read where a setting takes effect and
// written at once when the user changes it. Values are bound, never pasted into SQL, so any
// character is stored as given; the cleaning below is what the program does to user input.
namespace settingkeys {
inline const QString jmeno = QStringLiteral("jmeno");
inline const QString heslo = QStringLiteral("heslo");
inline const QString upozornitMinutPredem = QStringLiteral("upozornit_minut_predem");
inline const QString vps = QStringLiteral("vps");
inline const QString nestahovatObrazky = QStringLiteral("nestahovat_obrazky");
inline const QString zvukoveUpozorneni = QStringLiteral("zvukove_upozorneni");
inline const QString povolenoStahovani = QStringLiteral("povoleno_stahovani");
inline const QString posledniZprava = QStringLiteral("posledni_zprava");
inline const QString velikostTextu = QStringLiteral("velikost_textu"); // the panes' zoom, in %
QString upozornitText(int row); // "upozornit_text1" … "upozornit_text10"
} // namespace settingkeys

// One keyword reminder rule: the word and where it is searched.
struct KeywordRule
{
    QString text;
    bool inTitle = true;
    bool inInfo = false;
    bool inExtendedInfo = false;

    bool operator==(const KeywordRule&) const = default;
};

struct Account
{
    QString name;
    QString password;
};

// Removes every apostrophe and double quote (keyword words, login name).
QString withoutQuotes(QString text);

// The lead minutes typed into the box: any number, held to 0..600 and rounded (halves to
// even). Empty when the text is not a number.
std::optional<int> cleanLeadMinutes(const QString& typed);

class Settings
{
public:
    explicit Settings(Store& store) : m_store(store) {}

    // The value of the first row of the key, or fallback when there is none.
    QString read(const QString& key, const QString& fallback = {}) const;
    // The value of the first row of the key; empty when the key has no row.
    std::optional<QString> find(const QString& key) const;
    // Replaces the key's row; the value is stored trimmed of blanks.
    void write(const QString& key, const QString& value);
    void remove(const QString& key);

    // "True"/"False" settings; read true only for "true" in any letter case.
    bool readFlag(const QString& key) const;
    void writeFlag(const QString& key, bool on);

    // The stored lead minutes as the box shows them; 5 when none or no number is stored.
    int readLeadMinutes() const;
    // Stores the cleaned lead minutes and returns them; nothing is stored for a non-number.
    std::optional<int> writeLeadMinutes(const QString& typed);

    KeywordRule readKeywordRule(int row) const;
    void writeKeywordRule(int row, const KeywordRule& rule);

    // The login pair from all rows by their trimmed keys, values trimmed; missing ones empty.
    Account readAccount() const;
    // Replaces both rows; values are stored trimmed, otherwise exactly as given.
    Account writeAccount(const QString& name, const QString& password);
    void removeAccount();

    // Stored as received, without trimming.
    void writeServerMessage(const QString& message);

    // Downloading allowed unless a stored "False" says otherwise.
    bool downloadAllowed() const;

private:
    Store& m_store;
};

} // namespace obzorka::store
