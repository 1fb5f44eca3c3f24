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

private:
    void check_numeric(const QString& reference);
    bool known_name(const QString& lower_name);

    const EntityTable& entities_;
    ProblemReporter& reporter_;
    // Entity names are matched without regard to letter case. Gathered at the first named reference: a
    // page may have none, and a scanner that only makes a cleanup's tokens checks nothing.
    QSet<QString> lower_names_;
};

}  // namespace tamsel
