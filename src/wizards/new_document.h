#pragma once
// The kinds of document the "New" command makes, the document templates it offers, and the way through
// its two forms: the kind first (frm_NewDoc), for "HTML from Template" then the template (frm_Template).
#include "core/document_kinds.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <array>
#include <optional>

namespace tamsel {

class FormSet;

struct NewDocumentKind {
    QStringView id;  // the tool id of frm_NewDoc
    QStringView caption;
    QStringView tip;
    QStringView extension;
    int document_type;  // for its picture
};

inline constexpr QStringView template_kind_id = u"ID_HTMLTemplate";

inline constexpr std::array<NewDocumentKind, 6> new_document_kinds = {{
    {u"ID_HTMLBlank",    u"HTML Blank",         u"Create a Blank HTML Document",         u"HTM", doc_html},
    {u"ID_HTMLTemplate", u"HTML from Template", u"Create an HTML Document from a Template", u"HTM", doc_html},
    {u"ID_StyleSheet",   u"StyleSheet",         u"Create a StyleSheet",                  u"CSS", doc_css},
    {u"ID_VBScript",     u"VBScript",           u"Create a VBScript File",               u"VBS", doc_vbscript},
    {u"ID_JavaScript",   u"JavaScript",         u"Create a JavaScript File",             u"JS",  doc_javascript},
    {u"ID_TextFile",     u"Text File",          u"Create a Text File",                   u"TXT", doc_text},
}};

// The kind of tool id (exact letter case), or null.
const NewDocumentKind* find_new_document_kind(QStringView id);

// A template file as the template form lists it: its name without ".tpl", and its path.
struct TemplateEntry {
    QString name;
    QString path;
};

// The ".tpl" files (the extension in any letter case) of folders, sorted by name without regard to
// letter case; a name found in a later folder replaces the one of an earlier folder (the user's
// templates, listed after the shipped ones, win). Missing folders and empty folder names list nothing.
QList<TemplateEntry> list_templates(const QStringList& folders);

// What the user chose to make: a kind, and for a template the template's file.
struct NewDocumentRequest {
    const NewDocumentKind* kind = nullptr;
    QString template_path;
};

// Asks frm_NewDoc for the kind and, for "HTML from Template", frm_Template for one of the templates of
// template_folders. Nothing when the user cancelled either form (or the forms are not installed).
std::optional<NewDocumentRequest> ask_new_document(const FormSet& forms, const QStringList& template_folders);

}  // namespace tamsel
