#include "helpbuild/help_entries.h"

#include "analyze/page_links.h"
#include "core/markup_text.h"
#include "core/progress_model.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <algorithm>

namespace tamsel {
namespace {

constexpr qsizetype padded_width = 50;

// Compares two texts as if each were padded with blanks to 50 characters; a longer text is compared whole,
// so two keywords that share their first 50 characters still sort apart.
int compare_padded(QStringView a, QStringView b) {
    const qsizetype size = std::max({a.size(), b.size(), padded_width});
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t ca = i < a.size() ? a[i].unicode() : u' ';
        const char16_t cb = i < b.size() ? b[i].unicode() : u' ';
        if (ca != cb) return ca < cb ? -1 : 1;
    }
    return 0;
}

bool has_control_character(QStringView text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7F; });
}

// The link as the page wrote it: the scanner put a relative link after the folder of the page holding it.
QStringView written_link(QStringView target, QStringView page) {
    const QStringView folder = page.first(page.lastIndexOf(u'/') + 1);
    return !folder.isEmpty() && target.startsWith(folder) ? target.sliced(folder.size()) : target;
}

bool is_external(QStringView target, QStringView page) {
    return leads_off_site(written_link(target, page)) || has_scheme(target);
}

class EntryBuilder {
public:
    explicit EntryBuilder(const HelpLayout& layout) : layout_(layout) {}

    void add(const ResultEntry& e) {
        switch (e.line) {
        case record_help_keyword:
            if (!trim_blanks(e.text1).isEmpty()) add_page_entry(help_keyword, e);
            break;
        case record_help_description:
            if (e.text1 != QLatin1String("*") && e.text2 != QLatin1String("*")) add_page_entry(help_contents, e);
            break;
        case record_link: add_link(e); break;
        case record_file_size: copy(e.file); break;  // every scanned page and script goes into the copy
        default: break;
        }
    }

    HelpEntries take() {
        std::stable_sort(out_.entries.begin(), out_.entries.end(), help_entry_less);
        return std::move(out_);
    }

private:
    void add_page_entry(int kind, const ResultEntry& e) {
        const QString page = inside_path(e.file);
        if (!page.isEmpty()) out_.entries.append({kind, e.text1, e.text2, page});
    }

    void add_link(const ResultEntry& e) {
        if (is_external(e.text1, e.file)) return;
        const QString target = linked_file(e.text1);
        // Pages link the same few files over and over: each is looked at once, and listed once.
        if (linked_.contains(target)) return;
        linked_.insert(target);
        if (!QFileInfo(target).isFile()) return leave_out(target, QStringLiteral("no such file"));
        const QString path = inside_path(target);
        if (path.isEmpty()) return;
        copy(target);
        out_.entries.append({help_file, path, QString(), QString()});
    }

    // The project's name of a file of the site; empty, and the file listed as left out, when it has none.
    QString inside_path(const QString& file) {
        const QString path = layout_.project_path(file);
        if (path.isEmpty()) leave_out(file, QStringLiteral("outside the website folder"));
        else if (has_control_character(file)) leave_out(file, QStringLiteral("a control character in its name"));
        else return path;
        return {};
    }

    void leave_out(const QString& path, const QString& reason) {
        if (!left_out_seen_.contains(path)) {
            left_out_seen_.insert(path);
            out_.left_out.append({path, reason});
        }
    }

    void copy(const QString& file) {
        const QString path = QDir::cleanPath(file);
        if (copied_seen_.contains(path) || layout_.project_path(path).isEmpty() || has_control_character(path)) return;
        copied_seen_.insert(path);
        out_.copied.append(path);
    }

    const HelpLayout& layout_;
    HelpEntries out_;
    QSet<QString> linked_;
    QSet<QString> left_out_seen_;
    QSet<QString> copied_seen_;
};

}  // namespace

HelpLayout::HelpLayout(const QString& site_folder) : site_(QDir::cleanPath(QDir(site_folder).absolutePath())) {}

QString HelpLayout::project_path(const QString& path) const {
    const QString clean = QDir::cleanPath(QDir::isAbsolutePath(path) ? path : QFileInfo(path).absoluteFilePath());
    const QString prefix = site_.endsWith(QLatin1Char('/')) ? site_ : site_ + QLatin1Char('/');
    if (!clean.startsWith(prefix) || clean.size() == prefix.size()) return {};
    return site_copy_folder + QLatin1Char('/') + clean.mid(prefix.size());
}

HelpEntries help_entries(const QList<ResultEntry>& results, const HelpLayout& layout, ProgressModel* progress) {
    EntryBuilder builder(layout);
    for (const ResultEntry& e : results) {
        builder.add(e);
        if (progress) progress->advance_progress(0, 1);
    }
    return builder.take();
}

bool help_entry_less(const HelpEntry& a, const HelpEntry& b) {
    // The kinds stand as their numbers would print: "-01000" before "-01100" before "-01200".
    if (a.kind != b.kind) return a.kind > b.kind;
    if (const int by_text1 = compare_padded(a.text1, b.text1); by_text1 != 0) return by_text1 < 0;
    if (const int by_text2 = compare_padded(a.text2, b.text2); by_text2 != 0) return by_text2 < 0;
    return a.file < b.file;
}

}  // namespace tamsel
