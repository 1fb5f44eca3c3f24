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

    ProblemReporter& reporter_;
    QSet<QString> lower_names_;  // entity names are matched without regard to letter case
};

}  // namespace tamsel
