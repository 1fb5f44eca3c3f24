#pragma once
// The tag database held in memory for the whole run: the six tables, the fixed tables built with them,
// and the flags the database editors and the start-up read.
#include "tagdb/db_layout.h"
#include "tagdb/fixed_tables.h"
#include "tagdb/lazy_table.h"

#include <QHash>
#include <QStringList>
#include <optional>

namespace tamsel {


// A deleted tag has this key, a deleted attribute this tag: one character of code 255, which sorts last.
inline const QString deleted_marker = QString(QChar(0xFF));

// The text written into Config.DB on every save.
inline const QString config_notice =
    QStringLiteral("Tamsel 2001 tag database. Change it with the tag database browser, not by hand.");

// Parent lists: upper-case names joined by ",". An empty part ends the list.
QStringList split_parents(const QString& parents);
QString join_parents(const QStringList& names);

struct SaveResult {
    bool ok = true;
    QString error;  // the file and the description of the failure
};

class TagDatabase {
public:
    TagDatabase();

    // Reads the six files of dir in their order, then builds the entity table. A missing file sets db_fatal
    // and missing_file, leaves that table and all later ones empty and returns false; the caller tells the
    // user with fatal_message(). The attribute, style sheet, colour and vocabulary tables are kept as the
    // files' bytes and read when first asked for.
    bool load_database(const QString& dir);
    // "FATAL ERROR / Required File Missing / <base name>", line by line.
    QString fatal_message() const;
    // Writes Config, HTML_Tags, HTML_Attr and Stylesheet into dir, each replacing its file only when the
    // whole write succeeded. Stops at the first failure and says which.
    SaveResult save_database(const QString& dir);

    void sort_tags();
    void sort_attrs();

    // The record number of the tag, or -1; upper_name receives the upper-cased name. The empty name finds slot 0.
    int lookup_tag(const QString& name, QString* upper_name = nullptr) const;
    // Record numbers of the attributes of a tag key, in table order.
    const QList<int>& attributes_of(const QString& tag_key) const;
    // The attribute records of a tag key, in table order. Until the attribute table is changed they are
    // read from the file for this tag alone: a check of one page needs a few tags' worth of the thousands
    // of records. Safe from several threads once prepare_for_readers has run.
    QList<AttrRecord> attribute_records_of(const QString& tag_key) const;
    // Builds the lookups that are otherwise built on first use, so that threads may then read the
    // database at once without changing it. The tables read on first use are safe without it.
    void prepare_for_readers() const {
        if (!attr_file_ && !attr_index_valid_) rebuild_attr_index();
    }

    const Table<TagRecord>& tags() const { return tags_; }
    const Table<AttrRecord>& attrs() const { return attrs_.table(); }
    const Table<StylesheetRecord>& stylesheet() const { return stylesheet_.table(); }
    const Table<ColorRecord>& colors() const { return colors_.table(); }
    const Table<VocabEntry>& vocabulary() const { return vocabulary_.table(); }
    const ConfigRecord& config() const { return config_; }
    const EntityTable& entities() const { return entities_; }
    int tag_count() const { return static_cast<int>(tags_.size()) - 1; }
    int attr_count() const { return static_cast<int>(attrs().size()) - 1; }

    // Changing access for the database editors and the data builder; the attribute index follows.
    Table<TagRecord>& edit_tags() { return tags_; }
    Table<AttrRecord>& edit_attrs();
    Table<StylesheetRecord>& edit_stylesheet() { return stylesheet_.edit(); }
    Table<ColorRecord>& edit_colors() { return colors_.edit(); }
    Table<VocabEntry>& edit_vocabulary() { return vocabulary_.edit(); }
    ConfigRecord& edit_config() { return config_; }

    bool db_fatal = false;
    bool db_changed = false;
    bool tags_need_sort = false;
    bool attrs_need_sort = false;
    QString missing_file;  // base name of the file whose absence set db_fatal

private:
    void rebuild_attr_index() const;

    Table<TagRecord> tags_;
    LazyTable<AttrRecord> attrs_;
    // The attribute file as loaded: attribute_records_of reads a tag's records from it until the table
    // is changed.
    std::optional<AttrFile> attr_file_;
    LazyTable<StylesheetRecord> stylesheet_;
    LazyTable<ColorRecord> colors_;
    LazyTable<VocabEntry> vocabulary_;
    ConfigRecord config_;
    EntityTable entities_;

    mutable QHash<QString, QList<int>> attr_index_;
    mutable bool attr_index_valid_ = false;
};

// Sorts a vocabulary table ascending by its lower-case texts, as the loader does.
void sort_vocabulary(Table<VocabEntry>& table);

}  // namespace tamsel
