#include "tagdb/db_layout.h"

#include "platform/text_codec.h"

#include <QHash>
#include <QtEndian>
#include <algorithm>

namespace tamsel {
namespace {

class ByteReader {
public:
    explicit ByteReader(const QByteArray& bytes) : bytes_(bytes) {}

    qsizetype pos() const { return pos_; }
    void seek(qsizetype pos) { pos_ = pos; }

    std::uint8_t byte() {
        if (pos_ >= bytes_.size()) return 0;
        return static_cast<std::uint8_t>(bytes_[pos_++]);
    }
    std::int16_t int16() {
        const std::uint8_t lo = byte();
        const std::uint8_t hi = byte();
        return static_cast<std::int16_t>(lo | (hi << 8));
    }
    bool flag() { return int16() != 0; }
    // Texts repeat a great deal (every tag has the same global attributes): each distinct text is decoded
    // once and shared by the records that hold it.
    QString text() {
        const QByteArrayView raw = raw_text();
        if (raw.isEmpty()) return QString();
        if (const auto it = decoded_.constFind(raw); it != decoded_.constEnd()) return *it;
        const QString text = decode_1252(raw.toByteArray());
        decoded_.insert(raw, text);
        return text;
    }
    // The bytes of a text, not decoded. A text cut off by the end of the file keeps what is there.
    QByteArrayView raw_text() {
        const auto length = static_cast<std::uint16_t>(int16());
        const qsizetype available = std::clamp<qsizetype>(bytes_.size() - pos_, 0, length);
        const QByteArrayView raw(bytes_.constData() + pos_, available);
        pos_ += available;
        return raw;
    }
    QByteArray bytes(qsizetype n, bool pad = true) {
        const qsizetype available = std::clamp<qsizetype>(bytes_.size() - pos_, 0, n);
        QByteArray raw = bytes_.mid(pos_, available);
        pos_ += available;
        if (pad) raw.append(n - available, '\0');
        return raw;
    }
    // The record count; a negative count reads as an empty table.
    int count() { return std::max<int>(0, int16()); }

private:
    const QByteArray& bytes_;
    qsizetype pos_ = 0;
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

QHash<QString, QList<qsizetype>> index_attr_records(const QByteArray& bytes) {
    QHash<QString, QList<qsizetype>> index;
    ByteReader in(bytes);
    const int count = in.count();
    QByteArrayView previous_tag;
    QList<qsizetype>* offsets = nullptr;  // of the tag of the record before; valid until the next insert
    for (int i = 1; i <= count; ++i) {
        const qsizetype offset = in.pos();
        const QByteArrayView tag = in.raw_text();
        in.raw_text();
        in.byte();
        in.raw_text();
        in.int16();
        // The records of a tag mostly follow one another: its key is decoded once per run.
        if (!offsets || tag != previous_tag) {
            offsets = &index[tag.isEmpty() ? QString() : decode_1252(tag.toByteArray())];
            previous_tag = tag;
        }
        offsets->append(offset);
    }
    return index;
}

QList<AttrRecord> parse_attrs_at(const QByteArray& bytes, const QList<qsizetype>& offsets) {
    QList<AttrRecord> records;
    records.reserve(offsets.size());
    ByteReader in(bytes);
    for (const qsizetype offset : offsets) {
        in.seek(offset);
        records.append(read_attr(in));
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
