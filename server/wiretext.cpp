#include "wiretext.h"

#include <QHash>
#include <QStringDecoder>

#include <bitset>

namespace obzorka::server::wiretext {
namespace {

// The characters windows-1250 has a code for, controls left out.
const std::bitset<0x10000>& carried()
{
    static const std::bitset<0x10000> set = [] {
        std::bitset<0x10000> characters;
        QByteArray bytes;
        for (int code = 0x20; code <= 0xff; ++code)
            bytes += char(code);
        for (const QChar c : QString(QStringDecoder("windows-1250")(bytes)))
            if (c.category() != QChar::Other_Control)
                characters.set(c.unicode());
        return characters;
    }();
    return set;
}

// Signs and ligatures that neither windows-1250 has nor a decomposition turns into its letters; the
// ellipsis too, written as three dots whatever the font.
const QHash<char32_t, QString>& standIns()
{
    static const QHash<char32_t, QString> table{
        {U'œ', "oe"},  {U'Œ', "OE"}, {U'æ', "ae"},  {U'Æ', "AE"},    {U'ø', "o"},   {U'Ø', "O"},
        {U'ð', "d"},   {U'Þ', "Th"}, {U'þ', "th"},  {U'ħ', "h"},     {U'Ħ', "H"},   {U'ı', "i"},
        {U'ŀ', "l"},   {U'Ŀ', "L"},  {U'ŋ', "ng"},  {U'Ŋ', "NG"},    {U'ĸ', "q"},   {U'£', "GBP"},
        {U'¥', "JPY"}, {U'¢', "c"},  {U'₤', "GBP"}, {U'₽', "RUB"}, {U'₴', "UAH"}, {U'₹', "INR"},
        {U'…', "..."}, {U'‐', "-"},  {U'‑', "-"},   {U'‒', "-"},     {U'―', "-"},   {U'−', "-"},
        {U'′', "'"},   {U'″', "\""}, {U'‹', "<"},   {U'›', ">"},     {U'≤', "<="},  {U'≥', ">="},
        {U'≠', "!="},  {U'→', "->"}, {U'←', "<-"},  {U'½', "1/2"},   {U'¼', "1/4"}, {U'¾', "3/4"},
        {U'¹', "1"},   {U'²', "2"},  {U'³', "3"},   {U'¡', "!"},     {U'¿', "?"},   {U'ª', "a"},
        {U'º', "o"},   {U'⁄', "/"},  {U'♪', "?"}};
    return table;
}

// Kept as it is: a character windows-1250 carries, but for the ellipsis.
bool kept(QChar c)
{
    return c != u'…' && carried().test(c.unicode());
}

// The character's letters without their accents, when windows-1250 carries all of them.
QString withoutAccents(char32_t code)
{
    QString letters;
    for (const QChar c : QString::fromUcs4(&code, 1).normalized(QString::NormalizationForm_KD)) {
        if (c.category() == QChar::Mark_NonSpacing)
            continue;
        if (!carried().test(c.unicode()))
            return {};
        letters += c;
    }
    return letters;
}

void append(QString& folded, char32_t code)
{
    const QChar::Category category = QChar::category(code);
    if (category == QChar::Other_Control) {
        folded += u' ';
    } else if (category == QChar::Other_Format && (code > 0xffff || !carried().test(code))) {
        // Invisible: zero-width spaces, joiners, direction marks, byte order marks.
    } else if (const auto standIn = standIns().constFind(code); standIn != standIns().cend()) {
        folded += *standIn;
    } else if (code <= 0xffff && carried().test(code)) {
        folded += QChar(char16_t(code));
    } else if (const QString letters = withoutAccents(code); !letters.isEmpty()) {
        folded += letters;
    } else {
        folded += u'?';
    }
}

} // namespace

QString fold(QStringView text)
{
    qsizetype same = 0;
    while (same < text.size() && kept(text[same]))
        ++same;
    if (same == text.size())
        return text.toString();
    QString folded = text.first(same).toString();
    for (const char32_t code : text.sliced(same).toUcs4())
        append(folded, code);
    return folded;
}

} // namespace obzorka::server::wiretext
