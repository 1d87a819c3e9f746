#pragma once

#include "programme.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QStringList>

#include <iterator>

// The programme entries as the server keeps them while it serves: the numbers of each entry, and
// its texts already as the wire carries them (windows-1250), packed into large blocks. Listings
// read from a feed take less memory than the feed's file, and a record goes out without being
// encoded again.
namespace obzorka::server {

class ProgrammeTable
{
public:
    void append(const Programme& programme);
    ProgrammeTable& operator<<(const Programme& programme)
    {
        append(programme);
        return *this;
    }
    ProgrammeTable& operator+=(const QList<Programme>& programmes);
    // Another table's entry as it is.
    void appendFrom(const ProgrammeTable& other, qsizetype row);
    qsizetype size() const { return m_rows.size(); }
    bool isEmpty() const { return m_rows.isEmpty(); }

    // The entry as a Programme again.
    Programme at(qsizetype row) const;
    Programme value(qsizetype row) const { return row < size() ? at(row) : Programme(); }
    QList<Programme> all() const;
    bool operator==(const ProgrammeTable& other) const;

    // Walks the entries as Programmes.
    class const_iterator
    {
    public:
        using iterator_category = std::input_iterator_tag;
        using value_type = Programme;
        using difference_type = qsizetype;
        using pointer = void;
        using reference = Programme;

        const_iterator(const ProgrammeTable* table, qsizetype row) : m_table(table), m_row(row) {}
        Programme operator*() const { return m_table->at(m_row); }
        const_iterator& operator++()
        {
            ++m_row;
            return *this;
        }
        bool operator==(const const_iterator&) const = default;

    private:
        const ProgrammeTable* m_table;
        qsizetype m_row;
    };
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, size()}; }

    qint64 id(qsizetype row) const { return m_rows[row].id; }
    void setId(qsizetype row, qint64 id) { m_rows[row].id = id; }
    const QString& station(qsizetype row) const { return m_stations[m_rows[row].station]; }
    QDate day(qsizetype row) const { return m_rows[row].day; }
    // Minutes from the broadcast day's midnight.
    int startMinute(qsizetype row) const { return m_rows[row].hod1 * 60 + m_rows[row].min1; }
    void setEnd(qsizetype row, int hod2, int min2);
    // The title as the wire carries it.
    QByteArrayView title(qsizetype row) const;
    // Whether the entry says all the other table's entry says, its id aside.
    bool sameContents(qsizetype row, const ProgrammeTable& other, qsizetype otherRow) const;

    // The records of the rows, each of its 16 fields, separated as on the wire (windows-1250).
    QByteArray records(const QList<qsizetype>& rows) const;

private:
    struct Row
    {
        qint64 id;
        QDate day;
        quint32 block;
        quint32 offset;
        quint32 length;
        quint32 station;
        qint16 hod1;
        qint16 hod2;
        qint8 min1;
        qint8 min2;
    };
    QByteArrayView texts(const Row& row) const;
    void appendRow(Row row, QByteArrayView texts, const QString& station);
    void appendRecord(const Row& row, QByteArray* wire) const;

    QList<Row> m_rows;
    // Fields 7 to 15 of each record, separated as on the wire; a block is never reallocated, so a
    // growing table never holds its texts twice.
    QList<QByteArray> m_blocks;
    QStringList m_stations;
    QList<QByteArray> m_stationWire;
    QHash<QString, quint32> m_stationRow;
};

} // namespace obzorka::server
