#include "colour/colorize.h"

#include "settings/config_table.h"

namespace tamsel {
namespace {

constexpr int tags_per_poll = 256;
constexpr QLatin1StringView script_end("</script");

// Collects coloured stretches in text order; a later stretch over the same characters wins, as painting
// the selection again would.
class Painter {
public:
    void paint(qsizetype from, qsizetype to_inclusive, ColourValue colour) {
        if (to_inclusive < from) return;
        const qsizetype end = to_inclusive + 1;
        // Runs come nearly in text order, so only the last few can overlap the new one: take them off,
        // keeping the parts that stick out beyond it.
        QList<ColourRun> beyond;
        while (!runs_.isEmpty() && runs_.last().start + runs_.last().length > from) {
            ColourRun r = runs_.takeLast();
            const qsizetype r_end = r.start + r.length;
            if (r_end > end) beyond.prepend({std::max(r.start, end), r_end - std::max(r.start, end), r.colour});
            if (r.start < from) runs_.append({r.start, from - r.start, r.colour});
            if (r.start < from) break;
        }
        runs_.append({from, end - from, colour});
        runs_.append(beyond);
    }

    QList<ColourRun> take() {
        // Merge neighbours of one colour so the editor gets as few runs as possible.
        QList<ColourRun> merged;
        for (const ColourRun& r : runs_) {
            if (!merged.isEmpty() && merged.last().colour == r.colour && merged.last().start + merged.last().length == r.start)
                merged.last().length += r.length;
            else
                merged.append(r);
        }
        return merged;
    }

private:
    QList<ColourRun> runs_;
};

bool starts_with_ci(QStringView text, QLatin1StringView prefix) { return text.startsWith(prefix, Qt::CaseInsensitive); }

// A tag with attributes: all of it in the tag colour, the part after the name in the argument colour, and
// each value after an "=" in the value colour: up to and with the blank that ends it, or to the closing
// double quote of a quoted value. A last value that runs to the ">" is coloured up to it; attribute names
// after the last value keep the argument colour.
void paint_attributes(QStringView t, qsizetype p, const ColourScheme& s, Painter& painter) {
    const qsizetype q = p + t.size() - 1;
    painter.paint(p, q, s.tag);
    if (t.startsWith(QLatin1Char('<'))) painter.paint(p + t.indexOf(QLatin1Char(' ')) + 1, q - 1, s.arg);
    qsizetype r = t.indexOf(QLatin1Char('=')) + 1;  // where the rest R of the tag begins
    for (;;) {
        const QStringView rest = t.mid(r);
        const qsizetype blank = rest.indexOf(QLatin1Char(' '));
        qsizetype v = blank < 0 ? 0 : blank + 1;
        if (rest.left(v).contains(QLatin1Char('"'))) {
            const qsizetype close = rest.indexOf(QLatin1Char('"'), 1);
            if (close >= 0) v = close + 1;
        }
        painter.paint(p + r, p + r + v - 1, s.val);
        const qsizetype next_eq = t.indexOf(QLatin1Char('='), r + v);
        if (next_eq < 0) {
            if (v == 0) painter.paint(p + r, q - 1, s.val);
            return;
        }
        r = next_eq + 1;
    }
}

}  // namespace

ColourScheme colour_scheme(const ConfigTable& c) {
    const auto colour = [&](int slot) { return static_cast<ColourValue>(c.config_long(slot)); };
    return {colour(highlight_normal), colour(highlight_tag), colour(highlight_arg),
            colour(highlight_val),    colour(highlight_com), colour(highlight_asp)};
}

ColouringResult colorize(const QString& text, qsizetype start, qsizetype end, const ColourScheme& s,
                         ColouringState& state, const std::function<bool()>& poll) {
    ColouringResult result;
    Painter painter;
    const qsizetype last = (end < 0) ? text.size() : end;  // 1-based end of the range
    qsizetype pos = std::max<qsizetype>(start, 1) - 1;     // 0-based search position
    qsizetype read_to = pos;                               // the end of the last thing coloured
    int since_poll = 0;
    for (;;) {
        if (++since_poll >= tags_per_poll) {
            since_poll = 0;
            if (poll && poll()) {
                result.stopped = true;
                break;
            }
        }
        // Inside a script only its end tag matters: a "<" of a comparison must not swallow that tag.
        const qsizetype p = state.in_script ? text.indexOf(script_end, pos, Qt::CaseInsensitive)
                                            : text.indexOf(QLatin1Char('<'), pos);
        if (p < 0) {
            // The script's end tag may begin in the last characters, after what was read already.
            if (state.in_script) result.unfinished = std::max(read_to, text.size() - (script_end.size() - 1));
            break;
        }
        const qsizetype q = text.indexOf(QLatin1Char('>'), p);
        const QStringView t = QStringView(text).mid(p, q < 0 ? text.size() - p : q - p + 1);
        pos = q;
        if (t.startsWith(QLatin1String("<%"))) {
            const qsizetype e = text.indexOf(QLatin1String("%>"), p);
            if (e < 0) {  // an open server block ends the run
                result.unfinished = p;
                break;
            }
            painter.paint(p, e + 1, s.asp);
            pos = e + 1;
            read_to = e + 2;
        } else if (t.startsWith(QLatin1String("<!"))) {
            if (q < 0) {
                result.unfinished = p;
                break;
            }
            painter.paint(p, q, s.com);
            // The search goes on from the ">", as after a tag, so a "<" just after it is still looked at.
            read_to = q + 1;
        } else if (q < 0) {
            result.unfinished = p;
        } else {
            read_to = q + 1;
            if (starts_with_ci(t, QLatin1StringView("</SCRIPT"))) state.in_script = false;
            if (!state.in_script) {
                if (starts_with_ci(t, QLatin1StringView("<SCRIPT"))) state.in_script = true;
                if (t.contains(QLatin1Char('='))) paint_attributes(t, p, s, painter);
                else painter.paint(p, q, s.tag);
            }
        }
        if (q < 0 || pos + 1 >= last || pos <= 0) break;
    }
    result.runs = painter.take();
    return result;
}

ColouringResult colorize_in_pieces(qsizetype length, qsizetype piece, const std::function<QString(qsizetype, qsizetype)>& read,
                                   const std::function<void(qsizetype, qsizetype, const QList<ColourRun>&)>& take,
                                   const ColourScheme& scheme, ColouringState& state, const std::function<bool()>& poll) {
    piece = std::max<qsizetype>(piece, 1);
    for (qsizetype from = 0; from < length;) {
        const ColouringState before = state;
        const qsizetype size = std::min(piece, length - from);
        const bool last = from + size >= length;
        ColouringResult result = colorize(read(from, size), 1, -1, scheme, state, poll);
        if (!last && !result.stopped && result.unfinished == 0) {
            state = before;
            piece *= 2;
            continue;
        }
        for (ColourRun& r : result.runs) r.start += from;
        const qsizetype done = result.stopped ? length - from : last || result.unfinished < 0 ? size : result.unfinished;
        take(from, done, result.runs);
        if (result.stopped) return {{}, true, -1};
        if (last) break;
        from += done;
    }
    return {};
}

QList<ColourRun> remove_colouring(const QString& text, const ColourScheme& s) {
    if (text.isEmpty()) return {};
    return {ColourRun{0, text.size(), s.normal}};
}

}  // namespace tamsel
