#include "tagdb/db_layout.h"

#include "platform/text_codec.h"

#include <QHash>
#include <QtEndian>
#include <algorithm>

namespace tamsel {
namespace {

class ByteReader {
public:
    // share_texts: each distinct text decoded once and shared by the records that hold it (every tag has
    // the same global attributes), which pays when a whole table is read.
    explicit ByteReader(QByteArrayView bytes, bool share_texts = true)
        : data_(reinterpret_cast<const std::uint8_t*>(bytes.data())), size_(bytes.size()), share_texts_(share_texts) {}

    qsizetype pos() const { return pos_; }
    void seek(qsizetype pos) { pos_ = pos; }

    std::uint8_t byte() { return pos_ < size_ ? data_[pos_++] : 0; }
    std::int16_t int16() {
        if (size_ - pos_ < 2) {
            const std::uint8_t lo = byte();
            return static_cast<std::int16_t>(lo | (byte() << 8));
        }
        const auto value = static_cast<std::int16_t>(data_[pos_] | (data_[pos_ + 1] << 8));
        pos_ += 2;
        return value;
    }
    bool flag() { return int16() != 0; }
    QString text() {
        const QByteArrayView raw = raw_text();
        if (raw.isEmpty()) return QString();
        if (!share_texts_) return decode_1252(raw);
        if (const auto it = decoded_.constFind(raw); it != decoded_.constEnd()) return *it;
        const QString text = decode_1252(raw);
        decoded_.insert(raw, text);
        return text;
    }
    // The bytes of a text, not decoded. A text cut off by the end of the file keeps what is there.
    QByteArrayView raw_text() {
        const auto length = static_cast<std::uint16_t>(int16());
        const qsizetype available = std::clamp<qsizetype>(size_ - pos_, 0, length);
        const QByteArrayView raw(data_ + pos_, available);
        pos_ += available;
        return raw;
    }
    QByteArray bytes(qsizetype n, bool pad = true) {
        const qsizetype available = std::clamp<qsizetype>(size_ - pos_, 0, n);
        QByteArray raw(reinterpret_cast<const char*>(data_ + pos_), available);
        pos_ += available;
        if (pad) raw.append(n - available, '\0');
        return raw;
    }
    // The record count; a negative count reads as an empty table.
    int count() { return std::max<int>(0, int16()); }

private:
    const std::uint8_t* data_;
    qsizetype size_;
    qsizetype pos_ = 0;
    bool share_texts_;
    QHash<QByteArrayView, QString> decoded_;
};

class ByteWriter {
public:
    void byte(std::uint8_t b) { out_.append(static_cast<char>(b)); }
    void int16(std::int16_t v) {
        byte(static_cast<std::uint8_t>(v & 0xFF));
        byte(static_cast<std::uint8_t>((v >> 8) & 0xFF));
    }
    void flag(bool on) { int16(on ? -1 : 0); }
    void text(const QString& s) {
        // A text longer than its 16-bit length can say is cut, so the file stays readable.
        const QByteArray raw = encode_1252(s).left(0xFFFF);
        int16(static_cast<std::int16_t>(static_cast<std::uint16_t>(raw.size())));
        out_.append(raw);
    }
    void raw(const QByteArray& bytes) { out_.append(bytes); }
    QByteArray take() { return std::move(out_); }

private:
    QByteArray out_;
};

template <typename Record, typename ReadOne>
Table<Record> parse_table(const QByteArray& bytes, ReadOne read_one) {
    ByteReader in(bytes);
    const int count = in.count();
    Table<Record> table;
    table.reserve(count + 1);
    table.append(Record{});
    for (int i = 1; i <= count; ++i) table.append(read_one(in));
    return table;
}

template <typename Record, typename WriteOne>
QByteArray serialize_table(const Table<Record>& table, WriteOne write_one) {
    ByteWriter out;
    const auto count = static_cast<std::int16_t>(std::clamp<qsizetype>(table.size() - 1, 0, 32767));
    out.int16(count);
    for (int i = 1; i <= count; ++i) write_one(out, table[i]);
    return out.take();
}

}  // namespace

Table<TagRecord> parse_tags(const QByteArray& bytes) {
    return parse_table<TagRecord>(bytes, [](ByteReader& in) {
        TagRecord r;
        r.category = in.byte();
        r.key = in.text();
        r.name = in.text();
        r.description = in.text();
        r.break_before_open = in.flag();
        r.break_after_open = in.flag();
        r.break_before_close = in.flag();
        r.break_after_close = in.flag();
        r.indent = in.flag();
        r.use_wizard = in.flag();
        r.closing_tag = in.byte();
        r.parents = in.text();
        return r;
    });
}

QByteArray serialize_tags(const Table<TagRecord>& table) {
    return serialize_table(table, [](ByteWriter& out, const TagRecord& r) {
        out.byte(r.category);
        out.text(r.key);
        out.text(r.name);
        out.text(r.description);
        out.flag(r.break_before_open);
        out.flag(r.break_after_open);
        out.flag(r.break_before_close);
        out.flag(r.break_after_close);
        out.flag(r.indent);
        out.flag(r.use_wizard);
        out.byte(r.closing_tag);
        out.text(r.parents);
    });
}

namespace {

AttrRecord read_attr(ByteReader& in) {
    AttrRecord r;
    r.tag = in.text();
    r.name = in.text();
    r.type = in.byte();
    r.choices = in.text();
    r.required = in.flag();
    return r;
}

}  // namespace

Table<AttrRecord> parse_attrs(const QByteArray& bytes) { return parse_table<AttrRecord>(bytes, read_attr); }

namespace {

// Where the attribute record that begins at offset ends, when it lies whole within the bytes; otherwise -1.
// The walk over the file goes from length to length, so this is the whole of its work.
qsizetype attr_record_end(QByteArrayView bytes, qsizetype offset) {
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
    qsizetype at = offset;
    for (const int before : {0, 0, 1}) {  // tag, name, and choices after the type byte
        at += before;
        if (at + 2 > bytes.size()) return -1;
        at += 2 + (data[at] | (data[at + 1] << 8));
    }
    at += 2;  // the required flag
    return at <= bytes.size() ? at : -1;
}

}  // namespace

AttrFile::AttrFile(QByteArray bytes) : bytes_(std::move(bytes)) {
    ByteReader in(bytes_);
    const int count = in.count();
    for (int i = 1; i <= count; ++i) {
        const qsizetype offset = in.pos();
        QByteArrayView tag;
        if (const qsizetype end = attr_record_end(bytes_, offset); end >= 0) {
            tag = in.raw_text();
            in.seek(end);
        } else {  // cut off by the end of the file: what is there, field by field
            tag = in.raw_text();
            in.raw_text();
            in.byte();
            in.raw_text();
            in.int16();
        }
        if (runs_.isEmpty() || tag != tag_of(runs_.last())) runs_.append({offset, tag.size(), 0});
        ++runs_.last().count;
    }
    // A file the database wrote is in order already.
    const auto tag_less = [this](const Run& a, const Run& b) { return tag_of(a) < tag_of(b); };
    if (!std::is_sorted(runs_.cbegin(), runs_.cend(), tag_less)) std::stable_sort(runs_.begin(), runs_.end(), tag_less);
}

QByteArrayView AttrFile::tag_of(const Run& run) const {
    return QByteArrayView(bytes_).sliced(std::min(run.offset + 2, bytes_.size()), run.tag_size);
}

QList<AttrRecord> AttrFile::records_of(const QString& tag_key) const {
    // Every tag of the file decodes from 8-bit bytes; a key with a character outside them names none.
    QByteArray key(tag_key.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < tag_key.size(); ++i) {
        const int code = code_1252(tag_key[i]);
        if (code < 0) return {};
        key[i] = static_cast<char>(code);
    }
    const auto tag_less = [this](const Run& run, QByteArrayView tag) { return tag_of(run) < tag; };
    const auto first = std::lower_bound(runs_.cbegin(), runs_.cend(), QByteArrayView(key), tag_less);
    auto last = first;
    qsizetype count = 0;
    for (; last != runs_.cend() && tag_of(*last) == QByteArrayView(key); ++last) count += last->count;
    QList<AttrRecord> records;
    records.reserve(count);
    // The records of one tag have few texts in common: not worth looking each one up.
    ByteReader in(bytes_, false);
    for (auto run = first; run != last; ++run) {
        in.seek(run->offset);
        for (qsizetype i = 0; i < run->count; ++i) records.append(read_attr(in));
    }
    return records;
}

QByteArray serialize_attrs(const Table<AttrRecord>& table) {
    return serialize_table(table, [](ByteWriter& out, const AttrRecord& r) {
        out.text(r.tag);
        out.text(r.name);
        out.byte(r.type);
        out.text(r.choices);
        out.flag(r.required);
    });
}

Table<StylesheetRecord> parse_stylesheet(const QByteArray& bytes) {
    return parse_table<StylesheetRecord>(bytes, [](ByteReader& in) {
        StylesheetRecord r;
        r.property = in.text();
        r.group = in.byte();
        r.values = in.text();
        return r;
    });
}

QByteArray serialize_stylesheet(const Table<StylesheetRecord>& table) {
    return serialize_table(table, [](ByteWriter& out, const StylesheetRecord& r) {
        out.text(r.property);
        out.byte(r.group);
        out.text(r.values);
    });
}

Table<ColorRecord> parse_colors(const QByteArray& bytes) {
    return parse_table<ColorRecord>(bytes, [](ByteReader& in) {
        ColorRecord r;
        r.name = in.text();
        r.value = in.text();
        return r;
    });
}

QByteArray serialize_colors(const Table<ColorRecord>& table) {
    return serialize_table(table, [](ByteWriter& out, const ColorRecord& r) {
        out.text(r.name);
        out.text(r.value);
    });
}

ConfigRecord parse_config(const QByteArray& bytes) {
    ByteReader in(bytes);
    ConfigRecord c;
    c.version = in.int16();
    c.notice = in.text();
    c.reserved = in.bytes(config_reserved_size);
    return c;
}

QByteArray serialize_config(const ConfigRecord& config) {
    ByteWriter out;
    out.int16(config.version);
    out.text(config.notice);
    QByteArray reserved = config.reserved.left(config_reserved_size);
    reserved.append(config_reserved_size - reserved.size(), '\0');
    out.raw(reserved);
    return out.take();
}

Table<VocabEntry> parse_vocabulary(const QByteArray& bytes) {
    Table<VocabEntry> table;
    table.append(VocabEntry{});
    const QString text = decode_1252(bytes);
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf(QLatin1Char('\n'), start);
        if (end < 0) end = text.size();
        QString line = text.mid(start, end - start);
        if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
        table.append(VocabEntry{line.toLower(), line});
        start = end + 1;
    }
    return table;
}

QByteArray serialize_vocabulary(const Table<VocabEntry>& table) {
    QByteArray out;
    for (qsizetype i = 1; i < table.size(); ++i) out += encode_1252(table[i].written) + "\r\n";
    return out;
}

}  // namespace tamsel
