#include "tagdb/db_source.h"

#include "platform/text_codec.h"
#include "platform/whole_file.h"

#include <QDir>
#include <QFile>
#include <array>

namespace tamsel {
namespace {

constexpr std::array<QStringView, 3> closing_words = {u"none", u"required", u"optional"};

// The layout column: one letter a flag, "." when off.
struct LayoutFlag {
    QChar letter;
    bool TagRecord::*field;
};
const std::array<LayoutFlag, 6> layout_flags = {{
    {QLatin1Char('B'), &TagRecord::break_before_open},
    {QLatin1Char('A'), &TagRecord::break_after_open},
    {QLatin1Char('b'), &TagRecord::break_before_close},
    {QLatin1Char('a'), &TagRecord::break_after_close},
    {QLatin1Char('I'), &TagRecord::indent},
    {QLatin1Char('W'), &TagRecord::use_wizard},
}};

const QString tags_header = QStringLiteral(
    "# HTML_Tags: one tag a line.\n"
    "# category: 1-11, 99 Other. closing: none, required or optional.\n"
    "# layout: B line break before the opening tag, A after it, b before the closing tag, a after it,\n"
    "#         I content indented, W the tag editor's wizard setting; \".\" where off.\n"
    "# parents: the tags one of which must enclose this one, joined by \",\".\n");
const QString attrs_header = QStringLiteral(
    "# HTML_Attr: one attribute a line, grouped by the tag that owns it.\n"
    "# type: Text, Integer, Choice, File, Font, FontSize, Percent, URL, Color, Graphic, Event, Boolean.\n"
    "# required: yes or no. choices: the values of a Choice, joined by \",\".\n");
const QString stylesheet_header = QStringLiteral(
    "# Stylesheet: one CSS property a line: property, group code, keyword values joined by \",\".\n");
const QString colors_header = QStringLiteral("# Colors: one named colour a line, its value \"#RRGGBB\".\n");
const QString config_header = QStringLiteral("# Config: the version, the notice and the 20 reserved bytes in hex.\n");

struct Line {
    int number;
    QStringList columns;
};

// Splits a source into its record lines: comments ("#" first) and blank lines are skipped.
QList<Line> record_lines(const QString& text) {
    QList<Line> lines;
    const QStringList raw = text.split(QLatin1Char('\n'));
    for (int i = 0; i < raw.size(); ++i) {
        QString line = raw[i];
        if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#'))) continue;
        QStringList columns;
        QString current;
        for (qsizetype k = 0; k < line.size(); ++k) {
            if (line[k] == QLatin1Char('\\') && k + 1 < line.size()) {
                current += line[k];
                current += line[++k];
            } else if (line[k] == QLatin1Char('|')) {
                columns.append(current.trimmed());
                current.clear();
            } else {
                current += line[k];
            }
        }
        columns.append(current.trimmed());
        lines.append({i + 1, columns});
    }
    return lines;
}

class SourceReader {
public:
    SourceReader(const QString& file, QStringList* problems) : file_(file), problems_(problems) {}

    // The record lines of the source's text, each given the number of columns of its table.
    QList<Line> lines(const QString& text, int columns) {
        QList<Line> lines = record_lines(text);
        for (Line& line : lines) {
            if (line.columns.size() != columns)
                problem(line, QStringLiteral("%1 columns, expected %2").arg(line.columns.size()).arg(columns));
            while (line.columns.size() < columns) line.columns.append(QString());
        }
        return lines;
    }

    void problem(const Line& line, const QString& text) {
        problems_->append(QStringLiteral("%1:%2: %3").arg(file_).arg(line.number).arg(text));
    }

    std::uint8_t byte(const Line& line, const QString& text) {
        bool ok = false;
        const int v = text.toInt(&ok);
        if (!ok || v < 0 || v > 255) problem(line, QStringLiteral("not a number from 0 to 255: '%1'").arg(text));
        return static_cast<std::uint8_t>(ok ? v : 0);
    }

    // A word of the list, or a plain code.
    template <std::size_t N>
    std::uint8_t word_or_code(const Line& line, const QString& text, const std::array<QStringView, N>& words, int first) {
        for (std::size_t i = 0; i < N; ++i)
            if (!words[i].isEmpty() && text.compare(words[i], Qt::CaseInsensitive) == 0) return static_cast<std::uint8_t>(first + i);
        return byte(line, text);
    }

private:
    QString file_;
    QStringList* problems_;
};

TagRecord read_tag(SourceReader& in, const Line& line) {
    const QStringList& c = line.columns;
    TagRecord r;
    r.key = unescape_column(c[0]);
    r.name = unescape_column(c[1]);
    r.category = in.byte(line, c[2]);
    r.closing_tag = in.word_or_code(line, c[3], closing_words, 0);
    const QString layout = c[4];
    if (layout.size() != static_cast<qsizetype>(layout_flags.size())) in.problem(line, QStringLiteral("layout needs 6 letters: '%1'").arg(layout));
    for (std::size_t i = 0; i < layout_flags.size(); ++i) {
        const QChar ch = static_cast<qsizetype>(i) < layout.size() ? layout[i] : QLatin1Char('.');
        if (ch != QLatin1Char('.') && ch != layout_flags[i].letter)
            in.problem(line, QStringLiteral("layout letter %1 should be %2 or '.'").arg(ch).arg(layout_flags[i].letter));
        r.*layout_flags[i].field = ch == layout_flags[i].letter;
    }
    r.parents = unescape_column(c[5]);
    r.description = unescape_column(c[6]);
    return r;
}

AttrRecord read_attr(SourceReader& in, const Line& line) {
    const QStringList& c = line.columns;
    AttrRecord r;
    r.tag = unescape_column(c[0]);
    r.name = unescape_column(c[1]);
    r.type = in.word_or_code(line, c[2], attr_type_names, 0);
    if (c[3] == QLatin1String("yes")) r.required = true;
    else if (c[3] != QLatin1String("no")) in.problem(line, QStringLiteral("required is yes or no: '%1'").arg(c[3]));
    r.choices = unescape_column(c[4]);
    return r;
}

// Lays out rows of columns with every column but the last padded to its widest entry.
QString aligned(const QList<QStringList>& rows) {
    QList<qsizetype> widths;
    for (const QStringList& row : rows)
        for (qsizetype i = 0; i + 1 < row.size(); ++i) {
            if (widths.size() <= i) widths.append(0);
            widths[i] = std::max(widths[i], row[i].size());
        }
    QString out;
    for (const QStringList& row : rows) {
        QString line;
        for (qsizetype i = 0; i < row.size(); ++i) {
            if (i > 0) line += QStringLiteral(" | ");
            line += (i + 1 < row.size()) ? row[i].leftJustified(widths[i]) : row[i];
        }
        while (line.endsWith(QLatin1Char(' '))) line.chop(1);
        out += line + QLatin1Char('\n');
    }
    return out;
}

QString closing_column(std::uint8_t code) {
    return code < closing_words.size() ? closing_words[code].toString() : QString::number(code);
}

QString type_column(std::uint8_t code) {
    return (code >= 1 && code < attr_type_names.size()) ? attr_type_names[code].toString() : QString::number(code);
}

QString layout_column(const TagRecord& r) {
    QString s;
    for (const LayoutFlag& f : layout_flags) s += (r.*f.field) ? f.letter : QLatin1Char('.');
    return s;
}

bool write_text_file(const QString& path, const QByteArray& bytes, QString* error) {
    QString cause;
    if (write_whole_file(path, bytes, &cause)) return true;
    *error = path + QStringLiteral(": ") + cause;
    return false;
}

}  // namespace

QString escape_column(const QString& text, bool first_column) {
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const bool at_end = i == 0 || i + 1 == text.size();
        if (c == QLatin1Char('\\')) out += QStringLiteral("\\\\");
        else if (c == QLatin1Char('|')) out += QStringLiteral("\\|");
        else if (c == QLatin1Char('\t')) out += QStringLiteral("\\t");
        else if (c == QLatin1Char('\n')) out += QStringLiteral("\\n");
        else if (c == QLatin1Char('\r')) out += QStringLiteral("\\r");
        else if (c == QLatin1Char(' ') && at_end) out += QStringLiteral("\\s");
        else if (c == QLatin1Char('#') && i == 0 && first_column) out += QStringLiteral("\\#");
        else if (c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() < 0xA0))
            out += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else out += c;
    }
    return out;
}

QString unescape_column(const QString& text) {
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != QLatin1Char('\\') || i + 1 >= text.size()) {
            out += text[i];
            continue;
        }
        const QChar e = text[++i];
        if (e == QLatin1Char('t')) out += QLatin1Char('\t');
        else if (e == QLatin1Char('n')) out += QLatin1Char('\n');
        else if (e == QLatin1Char('r')) out += QLatin1Char('\r');
        else if (e == QLatin1Char('s')) out += QLatin1Char(' ');
        else if (e == QLatin1Char('x') && i + 2 < text.size() + 0) {
            bool ok = false;
            const int code = text.mid(i + 1, 2).toInt(&ok, 16);
            if (ok) {
                out += QChar(code);
                i += 2;
            } else {
                out += e;
            }
        } else out += e;  // \\ \| \# and anything else stand for themselves
    }
    return out;
}

namespace {

void read_tags(SourceReader& in, const QString& text, SourceTables& t) {
    for (const Line& line : in.lines(text, 7)) t.tags.append(read_tag(in, line));
}

void read_attrs(SourceReader& in, const QString& text, SourceTables& t) {
    for (const Line& line : in.lines(text, 5)) t.attrs.append(read_attr(in, line));
}

void read_stylesheet(SourceReader& in, const QString& text, SourceTables& t) {
    for (const Line& line : in.lines(text, 3))
        t.stylesheet.append({unescape_column(line.columns[0]), in.byte(line, line.columns[1]), unescape_column(line.columns[2])});
}

void read_colors(SourceReader& in, const QString& text, SourceTables& t) {
    for (const Line& line : in.lines(text, 2)) t.colors.append({unescape_column(line.columns[0]), unescape_column(line.columns[1])});
}

void read_config(SourceReader& in, const QString& text, SourceTables& t) {
    for (const Line& line : in.lines(text, 2)) {
        const QString& key = line.columns[0];
        if (key == QLatin1String("version")) t.config.version = static_cast<std::int16_t>(line.columns[1].toInt());
        else if (key == QLatin1String("notice")) t.config.notice = unescape_column(line.columns[1]);
        else if (key == QLatin1String("reserved")) {
            const QByteArray hex = QByteArray::fromHex(line.columns[1].toLatin1());
            if (hex.size() != config_reserved_size) in.problem(line, QStringLiteral("reserved needs 20 bytes"));
            t.config.reserved = hex.leftJustified(config_reserved_size, '\0', true);
        } else in.problem(line, QStringLiteral("unknown key '%1'").arg(key));
    }
}

// One word a line, written as it is; the build gives the file CR LF line ends.
void read_vocabulary(SourceReader&, const QString& source, SourceTables& t) {
    QString text = source;
    text.remove(QLatin1Char('\r'));
    if (text.endsWith(QLatin1Char('\n'))) text.chop(1);
    t.vocabulary = parse_vocabulary(encode_1252(text.isEmpty() ? QString() : text + QLatin1Char('\n')));
}

struct SourceFile {
    QStringView name;
    void (*read)(SourceReader&, const QString&, SourceTables&);
};
constexpr std::array<SourceFile, 6> source_files = {{
    {u"HTML_Tags.txt", read_tags},
    {u"HTML_Attr.txt", read_attrs},
    {u"Stylesheet.txt", read_stylesheet},
    {u"Colors.txt", read_colors},
    {u"Config.txt", read_config},
    {u"Vocabulary.txt", read_vocabulary},
}};

}  // namespace

SourceTables empty_sources() {
    SourceTables t;
    t.tags.append(TagRecord{});
    t.attrs.append(AttrRecord{});
    t.stylesheet.append(StylesheetRecord{});
    t.colors.append(ColorRecord{});
    t.vocabulary.append(VocabEntry{});
    return t;
}

QStringList source_names() {
    QStringList names;
    for (const SourceFile& f : source_files) names.append(f.name.toString());
    return names;
}

void read_source(const QString& file, const QByteArray& bytes, SourceTables* tables, QStringList* problems) {
    for (const SourceFile& f : source_files) {
        if (f.name != file) continue;
        SourceReader in(file, problems);
        f.read(in, QString::fromUtf8(bytes), *tables);
        return;
    }
    problems->append(file + QStringLiteral(": not a database source"));
}

SourceTables read_sources(const QString& dir, QStringList* problems) {
    SourceTables t = empty_sources();
    for (const SourceFile& f : source_files) {
        const QString name = f.name.toString();
        QFile in(dir + QLatin1Char('/') + name);
        if (in.open(QIODevice::ReadOnly)) read_source(name, in.readAll(), &t, problems);
        else problems->append(name + QStringLiteral(": cannot read: ") + in.errorString());
    }
    return t;
}

bool write_sources(const SourceTables& t, const QString& dir, QString* error) {
    if (!QDir().mkpath(dir)) {
        *error = QStringLiteral("cannot create the folder ") + dir;
        return false;
    }
    const auto esc = [](const QString& s) { return escape_column(s, false); };
    QList<QStringList> rows{{QStringLiteral("# key"), QStringLiteral("name"), QStringLiteral("category"), QStringLiteral("closing"),
                             QStringLiteral("layout"), QStringLiteral("parents"), QStringLiteral("description")}};
    for (qsizetype i = 1; i < t.tags.size(); ++i) {
        const TagRecord& r = t.tags[i];
        rows.append({escape_column(r.key, true), esc(r.name), QString::number(r.category), closing_column(r.closing_tag),
                     layout_column(r), esc(r.parents), esc(r.description)});
    }
    const QString tags = tags_header + aligned(rows);

    rows = {{QStringLiteral("# tag"), QStringLiteral("name"), QStringLiteral("type"), QStringLiteral("required"), QStringLiteral("choices")}};
    for (qsizetype i = 1; i < t.attrs.size(); ++i) {
        const AttrRecord& r = t.attrs[i];
        rows.append({escape_column(r.tag, true), esc(r.name), type_column(r.type),
                     r.required ? QStringLiteral("yes") : QStringLiteral("no"), esc(r.choices)});
    }
    const QString attrs = attrs_header + aligned(rows);

    rows = {{QStringLiteral("# property"), QStringLiteral("group"), QStringLiteral("values")}};
    for (qsizetype i = 1; i < t.stylesheet.size(); ++i)
        rows.append({escape_column(t.stylesheet[i].property, true), QString::number(t.stylesheet[i].group), esc(t.stylesheet[i].values)});
    const QString stylesheet = stylesheet_header + aligned(rows);

    rows = {{QStringLiteral("# name"), QStringLiteral("value")}};
    for (qsizetype i = 1; i < t.colors.size(); ++i) rows.append({escape_column(t.colors[i].name, true), esc(t.colors[i].value)});
    const QString colors = colors_header + aligned(rows);

    const QString config = config_header + aligned({{QStringLiteral("version"), QString::number(t.config.version)},
                                                    {QStringLiteral("notice"), esc(t.config.notice)},
                                                    {QStringLiteral("reserved"), QString::fromLatin1(t.config.reserved.toHex(' '))}});
    QString vocabulary;
    for (qsizetype i = 1; i < t.vocabulary.size(); ++i) vocabulary += t.vocabulary[i].written + QLatin1Char('\n');

    const QList<std::pair<QString, QString>> files = {
        {QStringLiteral("HTML_Tags.txt"), tags},   {QStringLiteral("HTML_Attr.txt"), attrs},
        {QStringLiteral("Stylesheet.txt"), stylesheet}, {QStringLiteral("Colors.txt"), colors},
        {QStringLiteral("Config.txt"), config},    {QStringLiteral("Vocabulary.txt"), vocabulary}};
    for (const auto& [name, text] : files)
        if (!write_text_file(dir + QLatin1Char('/') + name, text.toUtf8(), error)) return false;
    return true;
}

bool write_database_files(const SourceTables& t, const QString& dir, QString* error) {
    if (!QDir().mkpath(dir)) {
        *error = QStringLiteral("cannot create the folder ") + dir;
        return false;
    }
    const QList<std::pair<QString, QByteArray>> files = {
        {QStringLiteral("Config.DB"), serialize_config(t.config)},
        {QStringLiteral("HTML_Tags.DB"), serialize_tags(t.tags)},
        {QStringLiteral("HTML_Attr.DB"), serialize_attrs(t.attrs)},
        {QStringLiteral("Stylesheet.DB"), serialize_stylesheet(t.stylesheet)},
        {QStringLiteral("Vocabulary.DB"), serialize_vocabulary(t.vocabulary)},
        {QStringLiteral("Colors.DB"), serialize_colors(t.colors)}};
    for (const auto& [name, bytes] : files)
        if (!write_text_file(dir + QLatin1Char('/') + name, bytes, error)) return false;
    return true;
}

SourceTables read_database_files(const QString& dir, QStringList* problems) {
    const auto bytes = [&](const char* base) {
        QFile f(dir + QLatin1Char('/') + QLatin1String(base) + QStringLiteral(".DB"));
        if (f.open(QIODevice::ReadOnly)) return f.readAll();
        problems->append(QLatin1String(base) + QStringLiteral(".DB: cannot read: ") + f.errorString());
        return QByteArray();
    };
    SourceTables t;
    t.config = parse_config(bytes("Config"));
    t.tags = parse_tags(bytes("HTML_Tags"));
    t.attrs = parse_attrs(bytes("HTML_Attr"));
    t.stylesheet = parse_stylesheet(bytes("Stylesheet"));
    t.vocabulary = parse_vocabulary(bytes("Vocabulary"));
    t.colors = parse_colors(bytes("Colors"));
    return t;
}

SourceTables tables_of(const TagDatabase& db) {
    return {db.tags(), db.attrs(), db.stylesheet(), db.colors(), db.vocabulary(), db.config()};
}

}  // namespace tamsel
