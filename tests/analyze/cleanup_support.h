#pragma once
// What the cleanup formatter tests share: a small tag database with layout flags, a configuration, and
// pages through the scanner in cleanup mode and the formatter.
#include "analyze/token_stream.h"
#include "settings/config_table.h"
#include "tagdb/tag_database.h"

#include <QStringList>
#include <initializer_list>
#include <utility>

namespace tamsel::test {

enum class PageKind { html, javascript, vbscript, stylesheet };

// A file name of the kind: the scanner takes a page's type from its name.
QString name_of_page(PageKind kind);

// The token stream the scanner makes of page in cleanup mode.
TokenStream tokens_of_page(const QString& page, PageKind kind = PageKind::html);

// Tags with their layout flags (line breaks before and after the opening and closing tag, indent), and a
// Vocabulary of VBScript words.
const TagDatabase& formatter_database();

ConfigTable formatter_config(std::initializer_list<std::pair<int, const char*>> values = {});

// The cleaned page as lines, without their CR LF ends.
QStringList cleaned_lines(const QString& page, const ConfigTable& config, PageKind kind = PageKind::html);

}  // namespace tamsel::test
