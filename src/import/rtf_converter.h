#pragma once
// An RTF document as a page, in one pass: fonts, sizes, colours, bold, italic and underline become
// <font>, <b>, <i> and <u>; paragraph alignment a <div align=...>; paragraph and line breaks "<br>"; each
// table row a table of its own with one row, its cells as wide as the row's cell edges say. Text is
// decoded in the document's code page (or its font's character set), and \uN gives its character.
// Destinations that hold no text of the document (pictures, objects, style sheet, list tables, document
// information, "\*" groups) are skipped whole. Formatting still open at the end is left open.
#include "import/code_pages.h"
#include "import/import_page.h"
#include "import/rtf_control_words.h"
#include "import/rtf_state.h"
#include "import/rtf_tokenizer.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace tamsel {

inline const QString rtf_import_caption = QStringLiteral("Importing RTF File");

// Where an RTF document begins in bytes: its "{\rtf", after white space and a UTF-8 byte-order mark;
// -1 when bytes are no RTF document.
qsizetype rtf_document_start(QByteArrayView bytes);

// The page of the RTF document rtf (from its "{\rtf" on), its lines ended by '\n'. The first progress
// slot moves over rtf.size() units, line by line of the file; nothing when the user asked to stop.
std::optional<QString> rtf_import_page(QByteArrayView rtf, const ImportProgress& progress = {});

class RtfConverter {
public:
    explicit RtfConverter(QByteArrayView rtf) : tokens_(rtf), size_(rtf.size()) {}
    std::optional<QString> run(const ImportProgress& progress);

private:
    void group_open();
    void group_close();
    void control_word(const RtfToken& token);
    void control_symbol(unsigned char symbol);
    void act(const RtfWord& word, int param, bool has_param);
    void act_in_table(RtfAction action, int param);
    void set_format(RtfAction action, int param, bool has_param);

    // Text
    void append_bytes(QByteArrayView bytes);
    void decode_text(QByteArrayView bytes);
    void drop_lone_surrogate();
    void append_character(char32_t c);
    void append_unicode(int param);
    void settle_bytes();
    int text_code_page() const;
    void flush_import_text();
    void write_format_changes();
    QString font_attributes(const RtfFormat& format) const;

    // Font and colour tables
    bool in_font_table() const { return font_table_depth_ >= 0; }
    bool in_colour_table() const { return colour_table_depth_ >= 0; }
    void commit_font();
    void colour_table_text(QByteArrayView bytes);

    // Page, tables
    void start_page();
    void open_cell();
    void close_cell();
    void start_row();
    void end_row();
    void finish();

    RtfTokenizer tokens_;
    qsizetype size_;
    PageLines page_;
    FormatStack formats_;
    CodePages code_pages_;
    int document_code_page_ = default_code_page;
    int default_font_ = -1;

    QString text_;              // text collected since the last flush
    QByteArray pending_bytes_;  // bytes of a multi-byte code page, decoded together
    int pending_code_page_ = 0;
    char16_t high_surrogate_ = 0;  // the first half of a character beyond U+FFFF, awaiting its second
    int fallback_left_ = 0;        // fallback characters after \uN still to skip

    int skip_depth_ = -1;
    bool star_pending_ = false;  // "\*" came last: a destination this reader knows may follow it
    int font_table_depth_ = -1;
    int colour_table_depth_ = -1;
    bool page_started_ = false;
    bool ended_ = false;  // the document's outermost group has closed

    FontTable fonts_;
    RtfFont font_;            // the font table entry being read
    bool font_numbered_ = false;
    ColourTable colours_;
    std::uint32_t colour_ = 0;  // the colour table entry being read

    CellWidths cells_;
    bool in_table_ = false;
    bool cell_open_ = false;
    bool cell_empty_ = false;
    bool widths_pending_ = false;
    int cell_index_ = 0;

    // What the page shows so far.
    bool font_written_ = false;
    QString last_attributes_;
    bool last_bold_ = false;
    bool last_italic_ = false;
    bool last_underline_ = false;
    int last_align_ = -1;
    bool div_open_ = false;
};

}  // namespace tamsel
