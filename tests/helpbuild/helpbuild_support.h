#pragma once
// What the help builder's tests share: a stand-in compiler, the committed help site, comparisons with
// golden files, and what a compiled help file holds.
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace tamsel::test {

// The committed help site (tests/data/help_site) and its index page.
QString help_site();
QString help_site_index();

// An executable script in folder standing in for the help compiler: it prints output, writes HELPFILE.chm
// into the folder it runs in when writes_chm is set, and ends with exit_code. Returns its path.
QString fake_compiler(const QString& folder, const QByteArray& output, int exit_code = 0, bool writes_chm = true);

// Compares the file at actual_path with tests/golden/helpbuild/<name>; on a difference writes
// <name>.actual beside the golden file and returns false.
bool matches_golden(const QString& actual_path, const QString& name);

// The files a compiled help file holds, by their names inside it ("HELPFILE.site/index.htm"), extracted
// into folder with extract_chmLib; the special files ("#", "$" names) are left out. Empty when it failed.
QStringList extracted_files(const QString& chm, const QString& folder);

}  // namespace tamsel::test
