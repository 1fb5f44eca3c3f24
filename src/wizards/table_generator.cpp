#include "wizards/table_generator.h"

#include "core/markup_text.h"
#include "core/progress_model.h"
#include "wizards/csv_reader.h"

#include <algorithm>
#include <climits>

namespace tamsel {
namespace {

const QString empty_cell = QStringLiteral("<td>&nbsp;</td>");

void add_line(QString& out, QStringView line) {
    out += line;
    out += u'\n';
}

CellKind kind_of(const CsvCell& cell) {
    if (!cell.numeric) return CellKind::Text;
    return cell.sign < 0 ? CellKind::Below : cell.sign == 0 ? CellKind::Zero : CellKind::Above;
}

// Both passes over data of a given length move the progress from 0 to its maximum.
class PassProgress {
public:
    PassProgress(ProgressModel* model, qsizetype length)
        : model_(model), total_(2.0 * static_cast<double>(length)), maximum_(csv_progress_maximum(length)) {}
    void reached(qsizetype done) {
        if (model_ && total_ > 0) model_->advance_progress(0, static_cast<int>(done / total_ * maximum_), true);
    }

private:
    ProgressModel* model_;
    double total_;
    int maximum_;
};

void add_cell(QString& out, const TableStyles& styles, const CsvCell& cell, bool first_row, bool first_cell) {
    out += cell.numeric ? QLatin1String("<td align=right") : QLatin1String("<td");
    const QString style = styles.cell_style(first_row, first_cell, kind_of(cell));
    if (!style.isEmpty()) {
        out += u' ';
        out += style;
    }
    out += u'>';
    if (cell.empty) out += QLatin1String("&nbsp;");
    else append_html_text(out, cell.text);  // data, never markup; its line breaks stay
    out += QLatin1String("</td>\n");
}

}  // namespace

QString style_attribute(QStringView value) {
    if (value.isEmpty()) return {};
    return QStringLiteral("id=\"") + value.toString().toHtmlEscaped() + QLatin1Char('"');
}

QString table_start_line(const TableFields& f) {
    QString attributes;
    const qint64 width = whole_number(f.width);
    if (f.set_width && width > 0) {
        attributes = f.unit == WidthUnit::Percent
                         ? QStringLiteral("Width=\"%1%\"").arg(std::min<qint64>(width, 100))
                         : QStringLiteral("Width=%1").arg(width);
    }
    attributes += QStringLiteral(" Cellpadding=%1 Cellspacing=%2 Border=%3")
                      .arg(whole_number(f.table_format[0]))
                      .arg(whole_number(f.table_format[1]))
                      .arg(whole_number(f.table_format[2]));
    return QStringLiteral("<table ") + trim_spaces(attributes).toString() + QLatin1Char('>');
}

TableStyles::TableStyles(const TableFields& f)
    : top_(style_attribute(f.styles[0])), first_column_(style_attribute(f.styles[1])),
      text_(style_attribute(f.styles[2])), center_top_(f.center_top) {
    for (int i = 0; i < 3; ++i) numeric_[i] = style_attribute(f.numeric_styles[i]);
}

QString TableStyles::row_start(bool first_row) const {
    if (!first_row) return QStringLiteral("<tr>");
    QString row = QStringLiteral("<tr");
    if (center_top_) row += QLatin1String(" align=center");
    row += QLatin1Char(' ');
    row += top_;
    return trim_spaces(row).toString() + QLatin1Char('>');
}

QString TableStyles::cell_style(bool first_row, bool first_cell, CellKind kind) const {
    if (first_row && !top_.isEmpty()) return {};
    QString style = text_;
    if (kind != CellKind::Text) {
        const QString& numeric = numeric_[static_cast<int>(kind) - static_cast<int>(CellKind::Below)];
        if (!numeric.isEmpty()) style = numeric;
    }
    if (first_cell && !first_column_.isEmpty()) style = first_column_;
    return style;
}

QString basic_table(const TableFields& f) {
    const TableStyles styles(f);
    const qint64 rows = std::clamp<qint64>(whole_number(f.rows), 0, max_table_side);
    const qint64 columns = std::clamp<qint64>(whole_number(f.columns), 0, max_table_side);
    QString out;
    add_line(out, table_start_line(f));
    for (qint64 r = 0; r < rows; ++r) {
        add_line(out, styles.row_start(r == 0));
        for (qint64 c = 0; c < columns; ++c) {
            const QString style = styles.cell_style(r == 0, c == 0, CellKind::Text);
            add_line(out, (style.isEmpty() ? QStringLiteral("<td") : QStringLiteral("<td ") + style) + QStringLiteral(">&nbsp;</td>"));
        }
        add_line(out, u"</tr>");
    }
    add_line(out, u"</table>");
    return out;
}

int csv_progress_maximum(qsizetype length) {
    return static_cast<int>(std::min<qint64>(2 * static_cast<qint64>(length), INT_MAX));
}

QString csv_table(QStringView csv, const TableFields& f, ProgressModel* progress) {
    PassProgress passes(progress, csv.size());
    QList<QStringView> fields;
    qsizetype widest = 0;
    CsvReader measure(csv);
    while (measure.next(fields)) {
        widest = std::max(widest, fields.size());
        passes.reached(measure.position());
    }

    const TableStyles styles(f);
    QString out;
    add_line(out, table_start_line(f));
    CsvReader reader(csv);
    for (bool first_row = true; reader.next(fields); first_row = false) {
        add_line(out, styles.row_start(first_row));
        for (qsizetype i = 0; i < fields.size(); ++i)
            add_cell(out, styles, csv_cell(fields[i], i + 1 == fields.size()), first_row, i == 0);
        for (qsizetype i = fields.size(); i < widest; ++i) add_line(out, empty_cell);
        add_line(out, u"</tr>");
        passes.reached(csv.size() + reader.position());
    }
    add_line(out, u"</table>");
    return out;
}

void close_table(PageEditor& page, QStringView lines) {
    EditorBuffer& e = page.editor;
    EditStep step(e);
    qsizetype tracked = e.selection_start();
    config_basic_html(page, tracked);
    clamp_to_element(e, u"BODY", tracked);
    e.set_selection(tracked, 0);
    OutputBuffer out(page);
    for (qsizetype start = 0; start < lines.size();) {
        qsizetype end = lines.indexOf(u'\n', start);
        if (end < 0) end = lines.size();
        out.append_output_line(lines.sliced(start, end - start).toString());
        start = end + 1;
    }
    bool flush = true;
    out.append_output_line(QString(), flush);
    step.leave_caret_at(tracked);
}

}  // namespace tamsel
