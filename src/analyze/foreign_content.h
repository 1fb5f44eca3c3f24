#pragma once
// Inline SVG and MathML: the elements between <svg> and </svg>, or <math> and </math>, belong to those
// languages, not to HTML, so the tag database has nothing to say about them. Fed every tag of a page in
// order, this tells which ones are HTML.
#include <QHash>
#include <QList>
#include <QString>
#include <QStringView>

namespace tamsel {

class ForeignContent {
public:
    void clear();

    // One start or end tag: its name upper-cased without "/", whether it is an end tag, whether it closes
    // itself ("<path/>"), its text, and for an end tag whether an HTML element of that name is open. True
    // when the tag is HTML, false when it belongs to SVG or MathML. The <svg> or <math> that opens a
    // drawing or formula, and the end tag that closes it, are HTML.
    bool is_html(const QString& name, bool closing, bool self_closed, QStringView tag, bool html_open = false);

    // Whether an SVG or MathML element is open.
    bool inside() const { return !open_.isEmpty(); }

private:
    struct OpenElement {
        QString name;
        bool root;         // the <svg> or <math> an HTML element holds
        bool holds_html;   // its content is HTML again: <foreignObject>, <desc>, <title>, <mi>, ...
    };

    bool reads_html() const { return open_.isEmpty() || open_.back().holds_html; }
    void push(const QString& name, bool root, bool holds_html);
    bool pop_to(const QString& name);

    QList<OpenElement> open_;
    QHash<QString, int> open_count_;  // per name how many of open_ carry it
};

}  // namespace tamsel
