#pragma once
// The CSS reference page: the Stylesheet table of the tag database as one printable page in the look of
// the HTML specification report, a table per group of properties with each property's keyword values.
#include <QString>

namespace tamsel {

class TagDatabase;

// The page, lines ended by CR LF, groups in the order of their codes, properties as the table orders
// them. for_help adds every property's name as a keyword and "CSS Reference" as the description.
QString css_report(const TagDatabase& db, bool for_help = false);

}  // namespace tamsel
