#pragma once
// The site scan before a help build: every file of the website folder in the site walk's order, scanned in
// help-check mode (titles, keywords, descriptions and links besides the page checks), the result list
// sorted as the error list and the builder read it.
#include "analyze/site_walk.h"

#include <QList>
#include <QString>

namespace tamsel {

class ProgressModel;
class ResultList;
class TagDatabase;
struct MetaSlots;

// Replaces results with the records and problems of the files of folder. Progress, when given, counts the
// files done in slot 1. Returns the files walked; unread lists those that could not be
// read (nothing is filed for them).
QList<SiteFile> scan_help_site(const TagDatabase& db, const QString& folder, ResultList& results, MetaSlots& metas,
                               ProgressModel* progress = nullptr, QStringList* unread = nullptr);

}  // namespace tamsel
