#include "tagdb/tag_database.h"

#include "platform/paths.h"
#include "tagdb/table_order.h"
#include "platform/whole_file.h"

#include <QFile>

namespace tamsel {
namespace {

bool tag_less(const TagRecord& a, const TagRecord& b) { return compare_8bit(a.key, b.key) < 0; }

bool attr_less(const AttrRecord& a, const AttrRecord& b) {
    const int by_tag = compare_8bit(a.tag, b.tag);
    return by_tag < 0 || (by_tag == 0 && compare_8bit(a.name, b.name) < 0);
}

// Drops deleted records from the end of a sorted table.
template <typename Record, typename Deleted>
void cut_deleted(Table<Record>& table, Deleted deleted) {
    qsizetype count = table.size() - 1;
    while (count > 0 && deleted(table[count])) --count;
    table.resize(count + 1);
}

// The probe of the binary search: the midpoint rounded half to even.
int midpoint_half_even(int low, int high) {
    const int sum = low + high;
    const int half = sum / 2;
    if (sum % 2 == 0) return half;
    return (half % 2 == 0) ? half : half + 1;
}

QByteArray read_file(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

SaveResult write_atomically(const QString& path, const QByteArray& bytes) {
    QString cause;
    if (write_whole_file(path, bytes, &cause)) return {};
    return {false, path + QStringLiteral(": ") + cause};
}

}  // namespace

QStringList split_parents(const QString& parents) {
    QStringList names;
    const QString text = parents + QLatin1Char(',');
    qsizetype start = 0;
    while (start < text.size()) {
        const qsizetype comma = text.indexOf(QLatin1Char(','), start);
        const QString part = text.mid(start, comma - start);
        if (part.isEmpty()) break;
        names.append(part);
        start = comma + 1;
    }
    return names;
}

QString join_parents(const QStringList& names) { return names.join(QLatin1Char(',')); }

void sort_vocabulary(Table<VocabEntry>& table) {
    sort_slots(table, [](const VocabEntry& a, const VocabEntry& b) { return compare_8bit(a.lower, b.lower) < 0; },
               [](const VocabEntry&) { return false; });
}

namespace {

Table<VocabEntry> read_vocabulary(const QByteArray& bytes) {
    Table<VocabEntry> table = parse_vocabulary(bytes);
    sort_vocabulary(table);
    return table;
}

}  // namespace

TagDatabase::TagDatabase() { tags_.append(TagRecord{}); }

bool TagDatabase::load_database(const QString& dir) {
    *this = TagDatabase();
    for (const QString& base : database_base_names()) {
        const QString path = dir + QLatin1Char('/') + base + QStringLiteral(".DB");
        if (!QFile::exists(path)) {
            db_fatal = true;
            missing_file = base;
            break;
        }
        const QByteArray bytes = read_file(path);
        if (base == QLatin1String("Config")) config_ = parse_config(bytes);
        else if (base == QLatin1String("HTML_Tags")) tags_ = parse_tags(bytes);
        else if (base == QLatin1String("HTML_Attr")) {
            attrs_ = LazyTable<AttrRecord>(bytes, parse_attrs);
            attr_file_.emplace(bytes);
        } else if (base == QLatin1String("Stylesheet")) stylesheet_ = LazyTable<StylesheetRecord>(bytes, parse_stylesheet);
        else if (base == QLatin1String("Vocabulary")) vocabulary_ = LazyTable<VocabEntry>(bytes, read_vocabulary);
        else colors_ = LazyTable<ColorRecord>(bytes, parse_colors);
    }
    attr_index_valid_ = false;
    entities_.build_entity_table();
    return !db_fatal;
}

QString TagDatabase::fatal_message() const {
    return QStringLiteral("FATAL ERROR\r\nRequired File Missing\r\n") + missing_file;
}

SaveResult TagDatabase::save_database(const QString& dir) {
    const auto path = [&](const char* base) { return dir + QLatin1Char('/') + QLatin1String(base) + QStringLiteral(".DB"); };
    config_.version = 1;
    config_.notice = config_notice;
    if (SaveResult r = write_atomically(path("Config"), serialize_config(config_)); !r.ok) return r;
    if (tags_need_sort && tag_count() >= 1) sort_tags();
    if (SaveResult r = write_atomically(path("HTML_Tags"), serialize_tags(tags_)); !r.ok) return r;
    if (attrs_need_sort && attr_count() >= 1) sort_attrs();
    if (SaveResult r = write_atomically(path("HTML_Attr"), serialize_attrs(attrs())); !r.ok) return r;
    return write_atomically(path("Stylesheet"), serialize_stylesheet(stylesheet()));
}

void TagDatabase::sort_tags() {
    tags_need_sort = false;
    const auto deleted = [](const TagRecord& r) { return r.key == deleted_marker; };
    sort_slots(tags_, tag_less, deleted);
    cut_deleted(tags_, deleted);
}

void TagDatabase::sort_attrs() {
    Table<AttrRecord>& attrs = edit_attrs();
    attrs_need_sort = false;
    const auto deleted = [](const AttrRecord& r) { return r.tag == deleted_marker; };
    sort_slots(attrs, attr_less, deleted);
    cut_deleted(attrs, deleted);
}

int TagDatabase::lookup_tag(const QString& name, QString* upper_name) const {
    const QString upper = name.toUpper();
    if (upper_name) *upper_name = upper;
    const int count = tag_count();
    int low = 0;
    int high = count + 1;
    int previous = -1;
    int probe = -1;
    for (;;) {
        probe = midpoint_half_even(low, high);
        if (probe < 0 || probe > count || probe == previous) return not_found;
        const int order = compare_8bit(tags_[probe].key, upper);
        if (order == 0) return probe;
        if (order > 0) high = probe;
        else low = probe;
        previous = probe;
    }
}

Table<AttrRecord>& TagDatabase::edit_attrs() {
    attr_file_.reset();
    attr_index_valid_ = false;
    return attrs_.edit();
}

const QList<int>& TagDatabase::attributes_of(const QString& tag_key) const {
    if (!attr_index_valid_) rebuild_attr_index();
    static const QList<int> none;
    const auto it = attr_index_.constFind(tag_key);
    return it == attr_index_.constEnd() ? none : *it;
}

void TagDatabase::rebuild_attr_index() const {
    attr_index_.clear();
    const Table<AttrRecord>& table = attrs();
    for (int i = 1; i < table.size(); ++i) attr_index_[table[i].tag].append(i);
    attr_index_valid_ = true;
}

QList<AttrRecord> TagDatabase::attribute_records_of(const QString& tag_key) const {
    if (attr_file_) return attr_file_->records_of(tag_key);
    QList<AttrRecord> records;
    for (const int i : attributes_of(tag_key)) records.append(attrs()[i]);
    return records;
}

}  // namespace tamsel
