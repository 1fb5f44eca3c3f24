#pragma once
// The markup scanner: reads a page line by line, splits it into text chunks and tags, runs the validator's
// checks on each, and files problems, statistics, links, script functions and (help check) the page's
// title, keywords and description into the result list. In cleanup mode it also hands every chunk, tag
// and script or stylesheet line to the formatter as a token stream.
#include "analyze/foreign_content.h"
#include "analyze/result_list.h"
#include "analyze/tag_checks.h"
#include "analyze/tag_list.h"
#include "analyze/text_checks.h"
#include "analyze/token_pipe.h"
#include "analyze/token_stream.h"

#include <QString>
#include <array>

namespace tamsel {

class ProgressModel;
class TagDatabase;
struct MetaSlots;

enum class AnalyzeMode : int {
    count = 0,       // the first pass of a site scan: files are only counted
    report = 1,      // statistics report and `tamsel check`
    cleanup = 2,     // cleanup: also produce the token stream
    help_check = 3,  // before a help build: also title, keywords, description, frame targets
};

class MarkupScanner {
public:
    MarkupScanner(const TagDatabase& db, ResultList& results, MetaSlots& metas, AnalyzeMode mode);

    // Reads and scans the file at path. document, when given, is the document path is a copy of: it gives
    // the file's type and owns the links. False when the file cannot be read (nothing is filed then).
    bool scan_file(const QString& path, const QString& document = {});
    // Scans text as the content of path (bytes is the file's length for the statistics).
    void scan_text(const QString& text, qint64 bytes, const QString& path, const QString& document = {});

    // Advances slot of progress by the length of each line plus 2.
    void set_progress(ProgressModel* progress, int slot = 0) {
        progress_ = progress;
        progress_slot_ = slot;
    }

    AnalyzeMode mode() const { return mode_; }
    bool collect_links = true;  // links (and frame targets) are read from every line
    bool script_file = false;   // a site scan walking .JS and .VBS files: no checks, no script counts
    // In cleanup mode, the tokens go into pipe a chunk at a time as they are made, and tokens() keeps only
    // the chunk being filled; the pipe closes as the page ends.
    void hand_tokens_to(TokenPipe* pipe) { pipe_ = pipe; }

    int files_counted() const { return files_counted_; }
    // The cleanup mode's output for the last page scanned.
    const TokenStream& tokens() const { return tokens_; }
    // The page's tags that take part in nesting, after the pair analysis of the last page scanned.
    const TagList& tag_list() const { return tag_list_; }

private:
    enum ScriptLanguage { javascript = 1, vbscript = 2 };
    struct ScriptCount {
        int lines = 0;
        qint64 characters = 0;
    };

    void start_file(const QString& path, const QString& document);
    void scan_line(QStringView raw, qsizetype offset);
    void scan_character(QStringView line, qsizetype i);
    bool reads_attributes() const;
    qsizetype next_quote(QStringView line, qsizetype from, QChar quote);
    void note_text(QStringView run, qsizetype at);
    void end_tag();
    void end_tag_pieces();
    void flush_text();
    void flush_script_line(QStringView line);
    void process_tag(const QString& tag, const QString& bare, bool self_closed);
    void collect_link(QStringView raw);
    void finish_file(qint64 bytes);
    void finish_help_check();
    void write_token(QStringView token, TokenSpan span);

    const TagDatabase& db_;
    ResultList& results_;
    MetaSlots& metas_;
    AnalyzeMode mode_;
    ProgressModel* progress_ = nullptr;
    int progress_slot_ = 0;
    int files_counted_ = 0;

    ProblemReporter reporter_;
    TagList tag_list_;
    ForeignContent foreign_;
    TagChecker tag_checker_;
    TextChecker text_checker_;
    TokenStream tokens_;
    TokenPipe* pipe_ = nullptr;

    // Per file.
    QString link_owner_;
    QString text_buffer_;
    QString tag_buffer_;
    QString name_;                            // the name of the tag being processed, upper-cased
    QString title_text_;
    bool in_tag_ = false;
    QChar value_quote_;                       // the quote of the attribute value being read, or none
    std::array<qsizetype, 2> next_quote_{};   // per line: where the next double and single quote stand
    bool in_script_ = false;
    bool in_style_ = false;
    bool in_title_ = false;
    bool javascript_ = true;
    std::array<ScriptCount, 3> script_counts_{};
    // Where the pieces stand in the page: the line being scanned, the non-blank text collected since the
    // last flush, and the tag being read.
    qsizetype line_offset_ = 0;
    qsizetype text_first_ = -1;
    qsizetype text_end_ = 0;
    qsizetype tag_begin_ = 0;
    qsizetype tag_end_ = 0;
};

}  // namespace tamsel
