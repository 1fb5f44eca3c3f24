#pragma once
// The readable sources of the database files (data/*.txt): one table a file, one record a line, columns
// separated by "|" and padded with blanks. The build turns them into the .DB files; a dump turns .DB files
// back into them, so that building a dump gives the same bytes again.
#include "tagdb/tag_database.h"

#include <QStringList>

namespace tamsel {

struct SourceTables {
    Table<TagRecord> tags;
    Table<AttrRecord> attrs;
    Table<StylesheetRecord> stylesheet;
    Table<ColorRecord> colors;
    Table<VocabEntry> vocabulary;  // in file order
    ConfigRecord config;
};

// Tables holding only the empty record 0 each table starts with.
SourceTables empty_sources();
// The file names of the six sources, in the order they are read.
QStringList source_names();
// Reads one source, named by its file name, from its bytes into tables (which start as empty_sources()):
// its records are appended, or the vocabulary and the config replaced. Problems come back as "FILE:LINE: text".
void read_source(const QString& file, const QByteArray& bytes, SourceTables* tables, QStringList* problems);
// Reads the six sources of dir. Problems come back as "FILE:LINE: text"; the tables hold what could be read.
SourceTables read_sources(const QString& dir, QStringList* problems);
// Writes the six sources into dir; false with a description on a failed write.
bool write_sources(const SourceTables& tables, const QString& dir, QString* error);
// Reads the six .DB files of dir as they are stored (the vocabulary unsorted). A missing or unreadable file
// is a problem; its table stays empty.
SourceTables read_database_files(const QString& dir, QStringList* problems);
// Writes the six .DB files of the tables into dir, records in the order given.
bool write_database_files(const SourceTables& tables, const QString& dir, QString* error);
// The tables of a loaded database, with the vocabulary as loaded (sorted).
SourceTables tables_of(const TagDatabase& db);

// The escapes of a text column: \\ \| \t \n \r, \s for a blank at either end, \# for a "#" that starts a line,
// \xHH for other control characters.
QString escape_column(const QString& text, bool first_column);
QString unescape_column(const QString& text);

}  // namespace tamsel
