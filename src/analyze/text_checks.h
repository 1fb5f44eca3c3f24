#pragma once
// The checks of text outside tags: stray "<" and ">", and character references ("&amp;", "&#233;").
#include "analyze/result_list.h"

#include <QSet>
#include <QString>
#include <QStringView>

namespace tamsel {

class EntityTable;

class TextChecker {
public:
    TextChecker(const EntityTable& entities, ProblemReporter& reporter);

    // One trimmed, non-empty text chunk: codes 10, 11, 12, then each character reference.
    void check_text(QStringView chunk);
    // One reference piece from its "&": codes 13, 14, 15, 16; a numeric reference passes when it names a
    // character Unicode has assigned.
    void check_entity(QStringView piece);
    // A tag ends the run of text whose shown "<" a later ">" may close.
    void end_text_run() { shown_opens_ = 0; }

private:
    bool has_stray_close(QStringView chunk);
    void check_numeric(const QString& reference);
    bool known_name(const QString& lower_name);

    const EntityTable& entities_;
    ProblemReporter& reporter_;
    // Entity names are matched without regard to letter case. Gathered at the first named reference: a
    // page may have none, and a scanner that only makes a cleanup's tokens checks nothing.
    QSet<QString> lower_names_;
    int shown_opens_ = 0;  // "&lt;" and the like in the run of text so far that no ">" has closed yet
};

}  // namespace tamsel
