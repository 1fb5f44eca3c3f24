#pragma once
// What a help build takes from a help-check scan: the result list's keyword, contents and link records made
// into the entries the project, contents and index files are written from, in their order.
//
// The project lives in its own folder and holds a copy of the site's files under site_copy_folder, so
// every path the project, contents and index name is relative to the project's folder and stays inside
// it ("HELPFILE.site/sub/page.htm"): the compiler reads them from there and stores them under that name.
#include "analyze/result_list.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace tamsel {

class ProgressModel;

// The base name of the project's files, and the folder beside them that holds the copy of the site.
inline const QString help_base_name = QStringLiteral("HELPFILE");
inline const QString site_copy_folder = QStringLiteral("HELPFILE.site");

enum HelpEntryKind : int {
    help_file = -1000,      // Text1: a file the help holds
    help_contents = -1100,  // Text1: the page's description (its contents group), Text2: its title, File: the page
    help_keyword = -1200,   // Text1: one keyword of the page, Text2: its title, File: the page
};

struct HelpEntry {
    int kind = 0;
    QString text1;
    QString text2;
    QString file;
    bool operator==(const HelpEntry&) const = default;
};

// A file the help cannot hold, and why.
struct LeftOutFile {
    QString path;
    QString reason;
    bool operator==(const LeftOutFile&) const = default;
};

// Where a site's files stand in the project.
class HelpLayout {
public:
    explicit HelpLayout(const QString& site_folder);
    // The name the project gives a file of the site ("HELPFILE.site/sub/page.htm"); empty when the file lies
    // outside the site folder.
    QString project_path(const QString& path) const;
    const QString& site() const { return site_; }

private:
    QString site_;  // absolute and clean
};

struct HelpEntries {
    QList<HelpEntry> entries;     // in the order of help_entry_less
    QList<LeftOutFile> left_out;  // linked files the help cannot hold, each once
    QStringList copied;           // full paths of the site's files the project's copy needs, each once
};

// Turns the records of a help-check scan into help entries. Keywords that are blank and contents entries
// whose description or title is "*" are dropped. A link becomes a file entry unless it is external (it
// has a scheme, "http:", "mailto:", "javascript:" ..., or starts with "//"); its "#fragment" or "?query"
// is cut. A linked file outside the site folder, one that does not exist, and a name holding a control
// character cannot be in the help: they are left out and listed. Advances slot 0 of progress by one per
// record.
HelpEntries help_entries(const QList<ResultEntry>& results, const HelpLayout& layout, ProgressModel* progress = nullptr);

// The order of the entries: file entries, then contents, then keywords; within a kind by Text1 and then
// Text2, each padded with blanks to 50 characters, then by File, comparing character codes.
bool help_entry_less(const HelpEntry& a, const HelpEntry& b);

}  // namespace tamsel
