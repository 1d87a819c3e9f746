#include "reminders/alert.h"

#include "pages/generhtml.h"
#include "store/dates.h"
#include "store/programmeid.h"
#include "store/settings.h"
#include "store/store.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>

namespace obzorka::reminders {
namespace {

// The stored ISO day as the user reads it; a stored text that is no date is shown unchanged.
QString shownDay(const QString& stored)
{
    const std::optional<QDate> day = store::dates::parseDate(stored);
    return day ? store::dates::dayText(*day) : stored;
}

} // namespace

AlertTexts takeAlert(store::Store& store, const QString& id)
{
    AlertTexts texts;
    const store::Rows rows =
        store.provedsql(QStringLiteral("SELECT * FROM program") + store::whereIdIs, {id});
    if (!rows.empty()) {
        const store::Row& programme = rows.front();
        texts.title = programme.text(u"nazev");
        texts.start = pages::casnatext(programme.number(u"hod1"), programme.number(u"min1"));
        texts.end = pages::casnatext(programme.number(u"hod2"), programme.number(u"min2"));
        texts.day = shownDay(programme.text(u"datum"));
        texts.station = programme.text(u"tv");
    }
    store.provedsql(QStringLiteral("DELETE FROM upozornit") + store::whereIdIs, {id});
    return texts;
}

QString alertSound(store::Store& store)
{
    return store::Settings(store).find(store::settingkeys::zvukoveUpozorneni).value_or(QString());
}

bool isWholeWave(const QString& path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray riff = file.read(12);
    if (riff.size() < 12 || !riff.startsWith("RIFF") || riff.mid(8) != "WAVE")
        return false;
    bool hasFormat = false;
    for (;;) {
        const QByteArray header = file.read(8);
        if (header.size() < 8)
            return false;
        const QByteArray id = header.left(4);
        const qint64 size = qFromLittleEndian<quint32>(header.constData() + 4);
        const qint64 end = file.pos() + size;
        if (end > file.size())
            return false;
        if (id == "data")
            return hasFormat;
        if (size % 2 != 0 || (id == "fmt " && size < 16))
            return false;
        if (id == "fmt ") {
            // Plain PCM only: another coding is another way for the player to stall.
            const QByteArray format = file.read(16);
            const quint16 coding = qFromLittleEndian<quint16>(format.constData());
            const quint16 channels = qFromLittleEndian<quint16>(format.constData() + 2);
            const quint16 bits = qFromLittleEndian<quint16>(format.constData() + 14);
            if (coding != 1 || channels == 0 || (bits != 8 && bits != 16))
                return false;
            hasFormat = true;
        }
        file.seek(end);
    }
}

QString soundFileProblem(const QString& path)
{
    if (!QFileInfo(path).isFile())
        return QStringLiteral("soubor nebyl nalezen");
    if (!isWholeWave(path))
        return QStringLiteral("upozornění přehraje jen nekomprimovaný zvuk WAV s 8 nebo 16 bity");
    return {};
}

} // namespace obzorka::reminders
