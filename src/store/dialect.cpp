#include "store/dialect.h"

#include "store/blanks.h"
#include "store/clock.h"
#include "store/dates.h"
#include "store/numbers.h"
#include "store/utf8.h"

#include <QString>
#include <sqlite3.h>

namespace obzorka::store {
namespace {

QString textOf(sqlite3_value* value)
{
    const auto* bytes = reinterpret_cast<const char*>(sqlite3_value_text(value));
    return QString::fromUtf8(bytes, sqlite3_value_bytes(value));
}

bool isNull(sqlite3_value* value)
{
    return sqlite3_value_type(value) == SQLITE_NULL;
}

void resultText(sqlite3_context* context, const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    sqlite3_result_text(context, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
}

void resultError(sqlite3_context* context, const QString& message)
{
    const QByteArray utf8 = message.toUtf8();
    sqlite3_result_error(context, utf8.constData(), int(utf8.size()));
}

// A whole number from an SQL value: integers as they are, reals and texts rounded half to even.
std::optional<qint64> wholeNumberOf(sqlite3_value* value)
{
    switch (sqlite3_value_type(value)) {
    case SQLITE_INTEGER:
        return sqlite3_value_int64(value);
    case SQLITE_FLOAT:
        return numbers::roundHalfEven(sqlite3_value_double(value));
    default:
        return numbers::toWholeNumber(textOf(value));
    }
}

void dateValue(sqlite3_context* context, int, sqlite3_value** argv)
{
    const auto day = isNull(argv[0]) ? std::nullopt : dates::parseDate(textOf(argv[0]));
    if (day)
        resultText(context, dates::isoDate(*day));
    else
        sqlite3_result_null(context);
}

// An invalid moment, like Qt's own past its range, when the seconds do not fit in 64 bits.
QDateTime addSeconds(const QDateTime& moment, qint64 amount, qint64 unit)
{
    qint64 seconds = 0;
    return qMulOverflow(amount, unit, &seconds) ? QDateTime() : moment.addSecs(seconds);
}

void dateAdd(sqlite3_context* context, int, sqlite3_value** argv)
{
    if (isNull(argv[1]) || isNull(argv[2])) {
        sqlite3_result_null(context);
        return;
    }
    const auto moment = dates::parseMoment(textOf(argv[2]));
    const auto amount = wholeNumberOf(argv[1]);
    if (!moment || !amount) {
        sqlite3_result_null(context);
        return;
    }
    const QString interval = textOf(argv[0]).toLower();
    QDateTime result;
    if (interval == u"s")
        result = moment->addSecs(*amount);
    else if (interval == u"n")
        result = addSeconds(*moment, *amount, 60);
    else if (interval == u"h")
        result = addSeconds(*moment, *amount, 3600);
    else if (interval == u"d")
        result = moment->addDays(*amount);
    else if (interval == u"m")
        result = moment->addMonths(int(*amount));
    else {
        resultError(context, QStringLiteral("DateAdd: neznámý interval '%1'").arg(interval));
        return;
    }
    resultText(context, dates::isoMoment(result));
}

void dateDiff(sqlite3_context* context, int, sqlite3_value** argv)
{
    if (isNull(argv[1]) || isNull(argv[2])) {
        sqlite3_result_null(context);
        return;
    }
    const auto from = dates::parseMoment(textOf(argv[1]));
    const auto to = dates::parseMoment(textOf(argv[2]));
    if (!from || !to) {
        sqlite3_result_null(context);
        return;
    }
    const QString interval = textOf(argv[0]).toLower();
    if (interval == u"n")
        sqlite3_result_int64(context, dates::minuteBoundaries(*from, *to));
    else if (interval == u"s")
        sqlite3_result_int64(context, dates::secondsBetween(*from, *to));
    else if (interval == u"d")
        sqlite3_result_int64(context, from->date().daysTo(to->date()));
    else
        resultError(context, QStringLiteral("DateDiff: neznámý interval '%1'").arg(interval));
}

void now(sqlite3_context* context, int, sqlite3_value**)
{
    resultText(context, dates::isoMoment(dates::naive(Clock::now())));
}

void today(sqlite3_context* context, int, sqlite3_value**)
{
    resultText(context, dates::isoDate(Clock::today()));
}

template <int (QDate::*part)() const>
void datePart(sqlite3_context* context, int, sqlite3_value** argv)
{
    const auto day = isNull(argv[0]) ? std::nullopt : dates::parseDate(textOf(argv[0]));
    if (day)
        sqlite3_result_int(context, ((*day).*part)());
    else
        sqlite3_result_null(context);
}

void cstr(sqlite3_context* context, int, sqlite3_value** argv)
{
    switch (sqlite3_value_type(argv[0])) {
    case SQLITE_NULL:
        sqlite3_result_null(context);
        break;
    case SQLITE_FLOAT:
        resultText(context, QString::number(sqlite3_value_double(argv[0]), 'g', 15));
        break;
    default:
        resultText(context, textOf(argv[0]));
    }
}

void cint(sqlite3_context* context, int, sqlite3_value** argv)
{
    if (isNull(argv[0])) {
        sqlite3_result_null(context);
        return;
    }
    if (const auto number = wholeNumberOf(argv[0]))
        sqlite3_result_int64(context, *number);
    else
        resultError(context, QStringLiteral("CInt: '%1' není číslo").arg(textOf(argv[0])));
}

std::string_view bytesOf(sqlite3_value* value)
{
    const auto* bytes = reinterpret_cast<const char*>(sqlite3_value_text(value));
    return {bytes ? bytes : "", size_t(sqlite3_value_bytes(value))};
}

void instr(sqlite3_context* context, int argc, sqlite3_value** argv)
{
    sqlite3_value* haystack = argv[argc - 2];
    sqlite3_value* needle = argv[argc - 1];
    if (isNull(haystack) || isNull(needle) || (argc == 3 && isNull(argv[0]))) {
        sqlite3_result_null(context);
        return;
    }
    qint64 start = 1;
    if (argc == 3) {
        const auto given = wholeNumberOf(argv[0]);
        if (!given || *given < 1) {
            resultError(context, QStringLiteral("Instr: neplatný začátek"));
            return;
        }
        start = *given;
    }
    sqlite3_result_int64(context, utf8::find(bytesOf(haystack), bytesOf(needle), start));
}

void lcase(sqlite3_context* context, int, sqlite3_value** argv)
{
    if (isNull(argv[0])) {
        sqlite3_result_null(context);
        return;
    }
    const std::string_view text = bytesOf(argv[0]);
    // SQLite takes the buffer over and frees it: no copy per row.
    auto* lowered = static_cast<char*>(sqlite3_malloc64(utf8::lowerCapacity(text.size())));
    if (!lowered) {
        sqlite3_result_error_nomem(context);
        return;
    }
    sqlite3_result_text64(context, lowered, utf8::lower(text, lowered), sqlite3_free, SQLITE_UTF8);
}

// ContainsText(needle, text, ...): whether the texts joined together, in lower case, contain
// the needle (given in lower case); NULL texts count as empty. The same as
// Instr(LCase(a || b || c), needle) > 0, in one pass and without allocating for each row,
// because a search asks it of every stored programme.
void containsText(sqlite3_context* context, int argc, sqlite3_value** argv)
{
    thread_local std::string folded;
    folded.clear();
    for (int i = 1; i < argc; ++i) {
        if (isNull(argv[i]))
            continue;
        const std::string_view text = bytesOf(argv[i]);
        const size_t at = folded.size();
        folded.resize(at + utf8::lowerCapacity(text.size()));
        folded.resize(at + utf8::lower(text, folded.data() + at));
    }
    const std::string_view needle = isNull(argv[0]) ? std::string_view() : bytesOf(argv[0]);
    sqlite3_result_int(context, folded.find(needle) != std::string::npos ? 1 : 0);
}

// Trims blanks only, like the dialect's Trim; tabs and line breaks stay.
void trim(sqlite3_context* context, int, sqlite3_value** argv)
{
    if (isNull(argv[0]))
        sqlite3_result_null(context);
    else
        resultText(context, trimBlanks(textOf(argv[0])));
}

void firstStep(sqlite3_context* context, int, sqlite3_value** argv)
{
    auto** kept =
        static_cast<sqlite3_value**>(sqlite3_aggregate_context(context, sizeof(sqlite3_value*)));
    if (kept && !*kept)
        *kept = sqlite3_value_dup(argv[0]);
}

void firstFinal(sqlite3_context* context)
{
    auto** kept = static_cast<sqlite3_value**>(sqlite3_aggregate_context(context, 0));
    if (kept && *kept) {
        sqlite3_result_value(context, *kept);
        sqlite3_value_free(*kept);
    } else {
        sqlite3_result_null(context);
    }
}

struct Scalar
{
    const char* name;
    int arguments;
    bool deterministic;
    void (*function)(sqlite3_context*, int, sqlite3_value**);
};

} // namespace

bool registerDialect(sqlite3* db)
{
    static const Scalar scalars[] = {
        {"DateValue", 1, true, dateValue},
        {"DateAdd", 3, true, dateAdd},
        {"DateDiff", 3, true, dateDiff},
        {"Now", 0, false, now},
        {"Date", 0, false, today},
        {"Day", 1, true, datePart<&QDate::day>},
        {"Month", 1, true, datePart<&QDate::month>},
        {"Year", 1, true, datePart<&QDate::year>},
        {"CStr", 1, true, cstr},
        {"CInt", 1, true, cint},
        {"Instr", 2, true, instr},
        {"Instr", 3, true, instr},
        {"LCase", 1, true, lcase},
        {"Trim", 1, true, trim},
        {"ContainsText", -1, true, containsText},
    };
    for (const Scalar& scalar : scalars) {
        const int flags = SQLITE_UTF8 | (scalar.deterministic ? SQLITE_DETERMINISTIC : 0);
        if (sqlite3_create_function_v2(db, scalar.name, scalar.arguments, flags, nullptr,
                                       scalar.function, nullptr, nullptr, nullptr) != SQLITE_OK)
            return false;
    }
    return sqlite3_create_function_v2(db, "First", 1, SQLITE_UTF8, nullptr, nullptr, firstStep,
                                      firstFinal, nullptr) == SQLITE_OK;
}

} // namespace obzorka::store
