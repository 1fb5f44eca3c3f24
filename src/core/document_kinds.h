#pragma once
// What the name of a document says about it: its type, its untitled name, its backup and template names,
// and the filters of the file dialogs.
#include "platform/dialog_host.h"

#include <QString>
#include <QStringView>
#include <array>

namespace tamsel {

enum DocumentType : int { doc_html = 1, doc_vbscript, doc_javascript, doc_css, doc_text, doc_template = 7 };

inline constexpr std::array<QStringView, 6> document_type_names = {u"", u"HTML", u"VBScript", u"JavaScript", u"CSS", u"Text"};

// 1 HTML (.HTM, .HTML, .ASP), 2 VBScript (.VBS), 3 JavaScript (.JS), 4 CSS (.CSS), 5 anything else.
int document_type(const QString& path);

// "New File 07.HTM" in folder; n from 1 to 99.
QString untitled_path(const QString& folder, int n, const QString& extension);
// True when the file-name part begins with "New File " (in any letter case): such a document has never been saved.
bool is_untitled(const QString& path);

// The path with its last character replaced by "$": where the preview keeps the saved file meanwhile.
QString backup_path_of(const QString& path);

// Where a template of the document at path goes: folder + the upper-cased file name up to and with its
// first "." + "tpl" (Page.htm gives PAGE.tpl). A name without "." gets one.
QString template_path_of(const QString& folder, const QString& path);

// The upper-cased file-name part: the caption of a document's tab.
QString tab_caption_of(const QString& path);

struct FileFilter {
    int index;
    QStringView description;
    QStringView extension;
};

// The file dialog filters by index; 1 also offers ASP files and 9 is the website's index page.
inline constexpr std::array<FileFilter, 9> file_filters = {{
    {1, u"HTML Files",            u"HTM"},
    {2, u"VBScript Files",        u"VBS"},
    {3, u"JavaScript Files",      u"JS"},
    {4, u"StyleSheets",           u"CSS"},
    {5, u"Text Files",            u"TXT"},
    {6, u"Comma Delimited Files", u"CSV"},
    {7, u"HTML Template Files",   u"TPL"},
    {8, u"RTF Document Files",    u"RTF"},
    {9, u"Website Index Page",    u""},
}};

// The filter index that combines entries 1 to 5, as the Open command uses it.
constexpr int combined_filter = 999;

// A file request for filter index, mode and preset path: Qt filters that match both letter cases, the
// default suffix of a single filter, the preset name. Unknown indexes give an empty filter list.
FileRequest file_request(FileDialogMode mode, int filter_index, const QString& path);

}  // namespace tamsel
