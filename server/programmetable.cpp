#include "programmetable.h"

#include "protocol.h"

namespace obzorka::server {
namespace {

constexpr qsizetype blockSize = 1 << 20;
constexpr char field = protocol::fieldSeparator;

// Fields 7 to 15 of the record: title, short and extended information, flag, video recorder code,
// the two illustrations, link and type.
QString textFields(const Programme& p)
{
    const QChar separator(field);
    return p.title + separator + p.info1 + separator + p.info2 + separator +
           protocol::flagCharacter(p) + separator + p.showview + separator + p.image1 + separator +
           p.image2 + separator + p.link + separator +
           (p.type.isNull() ? QString() : QString(p.type));
}

void appendNumber(QByteArray* wire, qint64 number)
{
    wire->append(QByteArray::number(number)).append(field);
}

} // namespace

void ProgrammeTable::append(const Programme& programme)
{
    appendRow(Row{programme.id, programme.day, 0, 0, 0, 0, qint16(programme.hod1),
                  qint16(programme.hod2), qint8(programme.min1), qint8(programme.min2)},
              protocol::encode(textFields(programme)), programme.station);
}

ProgrammeTable& ProgrammeTable::operator+=(const QList<Programme>& programmes)
{
    for (const Programme& programme : programmes)
        append(programme);
    return *this;
}

void ProgrammeTable::appendFrom(const ProgrammeTable& other, qsizetype row)
{
    const Row& copied = other.m_rows[row];
    appendRow(copied, other.texts(copied), other.station(row));
}

// Files the texts in the last block, or in a new one when they do not fit.
void ProgrammeTable::appendRow(Row row, QByteArrayView texts, const QString& station)
{
    if (m_blocks.isEmpty() || m_blocks.last().size() + texts.size() > m_blocks.last().capacity()) {
        m_blocks.append(QByteArray());
        m_blocks.last().reserve(std::max(blockSize, texts.size()));
    }
    auto known = m_stationRow.constFind(station);
    if (known == m_stationRow.cend()) {
        known = m_stationRow.insert(station, quint32(m_stations.size()));
        m_stations << station;
        m_stationWire << protocol::encode(station);
    }
    row.block = quint32(m_blocks.size() - 1);
    row.offset = quint32(m_blocks.last().size());
    row.length = quint32(texts.size());
    row.station = *known;
    m_rows.append(row);
    m_blocks.last().append(texts);
}

QByteArrayView ProgrammeTable::texts(const Row& row) const
{
    return QByteArrayView(m_blocks[row.block]).sliced(row.offset, row.length);
}

Programme ProgrammeTable::at(qsizetype index) const
{
    const Row& row = m_rows[index];
    const QStringList fields = protocol::decode(texts(row).toByteArray()).split(QChar(field));
    Programme programme;
    programme.id = row.id;
    programme.station = m_stations[row.station];
    programme.day = row.day;
    programme.hod1 = row.hod1;
    programme.min1 = row.min1;
    programme.hod2 = row.hod2;
    programme.min2 = row.min2;
    programme.title = fields[0];
    programme.info1 = fields[1];
    programme.info2 = fields[2];
    const int flags = fields[3].at(0).unicode() - u'A';
    programme.stereo = flags & 1;
    programme.subtitles = flags & 2;
    programme.dual = flags & 4;
    programme.signLanguage = flags & 8;
    programme.showview = fields[4];
    programme.image1 = fields[5];
    programme.image2 = fields[6];
    programme.link = fields[7];
    programme.type = fields[8].isEmpty() ? QChar() : fields[8].at(0);
    return programme;
}

bool ProgrammeTable::operator==(const ProgrammeTable& other) const
{
    if (size() != other.size())
        return false;
    for (qsizetype row = 0; row < size(); ++row)
        if (id(row) != other.id(row) || !sameContents(row, other, row))
            return false;
    return true;
}

QList<Programme> ProgrammeTable::all() const
{
    QList<Programme> programmes;
    programmes.reserve(size());
    for (qsizetype row = 0; row < size(); ++row)
        programmes << at(row);
    return programmes;
}

void ProgrammeTable::setEnd(qsizetype row, int hod2, int min2)
{
    m_rows[row].hod2 = qint16(hod2);
    m_rows[row].min2 = qint8(min2);
}

QByteArrayView ProgrammeTable::title(qsizetype row) const
{
    const QByteArrayView all = texts(m_rows[row]);
    return all.first(all.indexOf(field));
}

bool ProgrammeTable::sameContents(qsizetype index, const ProgrammeTable& other,
                                  qsizetype otherIndex) const
{
    const Row& a = m_rows[index];
    const Row& b = other.m_rows[otherIndex];
    return a.day == b.day && a.hod1 == b.hod1 && a.min1 == b.min1 && a.hod2 == b.hod2 &&
           a.min2 == b.min2 && station(index) == other.station(otherIndex) &&
           texts(a) == other.texts(b);
}

void ProgrammeTable::appendRecord(const Row& row, QByteArray* wire) const
{
    appendNumber(wire, row.id);
    wire->append(m_stationWire[row.station]).append(field);
    wire->append(QByteArray::number(row.day.day()))
        .append('.')
        .append(QByteArray::number(row.day.month()))
        .append('.')
        .append(QByteArray::number(row.day.year()))
        .append(field);
    appendNumber(wire, row.hod1);
    appendNumber(wire, row.min1);
    appendNumber(wire, row.hod2);
    appendNumber(wire, row.min2);
    wire->append(texts(row));
}

QByteArray ProgrammeTable::records(const QList<qsizetype>& rows) const
{
    QByteArray wire;
    for (const qsizetype row : rows) {
        if (!wire.isEmpty())
            wire += protocol::recordSeparator;
        appendRecord(m_rows[row], &wire);
    }
    return wire;
}

} // namespace obzorka::server
