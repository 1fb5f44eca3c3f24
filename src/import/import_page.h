#pragma once
// What the text and the RTF import share: the page they write (start, end, the escaping of text), the
// lines it is made of, and the progress of a run with its stop request.
#include <QString>
#include <QStringView>
#include <functional>

namespace tamsel {

class ProgressModel;

// Where an import reports how far it got, and how it learns that the user asked it to stop (Escape).
// Both are optional: the command line has neither.
struct ImportProgress {
    ProgressModel* model = nullptr;
    std::function<bool()> stop_requested;
};

// Advances the first progress slot to positions of an input of total units, scaled so that the
// progress maximum fits an int, and asks for the stop request as it goes.
class ProgressSteps {
public:
    ProgressSteps(const ImportProgress& progress, qint64 total);
    // The progress maximum the panel is opened with for an input of total units.
    static int maximum_for(qint64 total);
    // The run has reached position; false when the user asked to stop.
    bool reached(qint64 position);

private:
    const ImportProgress& progress_;
    int shift_ = 0;
};

// The page an import writes, as lines each ended by '\n' (the pouring gives them the document's line
// end). Text and formatting tags run on in one line ("inline"), since a line end in HTML shows as a
// space; a structural line (a table tag, the page's skeleton) ends that line and stands on its own.
class PageLines {
public:
    void line(QStringView text);
    void inline_text(QStringView text);
    // Appends text to the line under way and ends it.
    void end_inline(QStringView text);
    // Text escaped as an import writes it (see append_import_text).
    void inline_escaped(QStringView text);
    bool empty() const { return page_.isEmpty(); }
    QString take();

private:
    void close_inline();

    QString page_;
    bool inline_open_ = false;
};

// "<html>", "<head>", "</head>", "<body>" and, for a text file, the style block of its fixed-width font.
void write_page_start(PageLines& page, bool with_style);
// "</body></html>".
void write_page_end(PageLines& page);

// Appends text to out as a page shows it: "&" as "&amp;"; each character up to U+00FF that the
// system's entity table names as its reference ("<" as "&lt;", "{" as "&#123;", "é" as "&eacute;"); each
// pair of spaces as a space and "&nbsp;"; other characters as they are (the page is UTF-8). Control
// characters other than the tab are no text of a page and are left out.
void append_import_text(QStringView text, QString& out);

// Whether text has a character other than a space.
bool has_visible_text(QStringView text);

}  // namespace tamsel
