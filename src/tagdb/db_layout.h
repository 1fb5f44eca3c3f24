#pragma once
// The byte layout of the database files: little-endian 16-bit signed counts, 1-byte codes, 2-byte flags
// (true written as -1, any non-zero read as true), texts as a 2-byte length and that many 8-bit characters.
// Reading never fails: whatever lies past the end of the bytes reads as zero, false and empty.
#include "tagdb/records.h"

#include <QByteArray>
#include <QList>

namespace tamsel {

// Records of one table; slot 0 is the empty record, so a table of count n has n + 1 slots.
template <typename Record>
using Table = QList<Record>;

Table<TagRecord> parse_tags(const QByteArray& bytes);
Table<AttrRecord> parse_attrs(const QByteArray& bytes);

// The attribute table file read a tag at a time, for a run that needs a few tags' worth of its thousands of
// records. The file is walked once, without decoding a text, for the runs of consecutive records that share
// a tag; the runs are ordered by the tag's bytes, so a tag's records are found by a binary search and read
// from the file when asked for. Safe from several threads.
class AttrFile {
public:
    AttrFile() = default;
    explicit AttrFile(QByteArray bytes);

    // The records whose tag is tag_key, in file order, as parse_attrs would read them.
    QList<AttrRecord> records_of(const QString& tag_key) const;

private:
    struct Run {
        qsizetype offset;    // where the run's first record begins
        qsizetype tag_size;  // the bytes of its tag that the file holds
        qsizetype count;
    };
    QByteArrayView tag_of(const Run& run) const;

    QByteArray bytes_;
    QList<Run> runs_;
};

Table<StylesheetRecord> parse_stylesheet(const QByteArray& bytes);
Table<ColorRecord> parse_colors(const QByteArray& bytes);
ConfigRecord parse_config(const QByteArray& bytes);
// Vocabulary is a text file: one word a line, CR LF. Entries come back in file order.
Table<VocabEntry> parse_vocabulary(const QByteArray& bytes);

QByteArray serialize_tags(const Table<TagRecord>& table);
QByteArray serialize_attrs(const Table<AttrRecord>& table);
QByteArray serialize_stylesheet(const Table<StylesheetRecord>& table);
QByteArray serialize_colors(const Table<ColorRecord>& table);
QByteArray serialize_config(const ConfigRecord& config);
QByteArray serialize_vocabulary(const Table<VocabEntry>& table);

}  // namespace tamsel
