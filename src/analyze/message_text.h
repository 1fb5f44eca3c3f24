#pragma once
// The words of a problem: every message code with its text; T1 and T2 are the entry's texts.
#include <QString>
#include <QStringView>
#include <array>

namespace tamsel {

struct MessageRow {
    int code;
    QStringView text;  // \x01 stands for Text1, \x02 for Text2
};

inline constexpr std::array<MessageRow, 28> message_table = {{
    {1,   u"Mis-matched Quote inside HTML Tag"},
    {3,   u"Open \x01 with no closing tag"},
    {4,   u"Closing \x01 with no opening tag"},
    {5,   u"Table attribute tag '\x01' found outside of a <TABLE> construct"},
    {6,   u"Tag '\x01' not found in HTML Tag Database"},
    {7,   u"Closing Tag '\x01' is not a valid HTML construct"},
    {8,   u"Tag <\x02> must appear inside a <\x01> construct"},
    {9,   u"Form Attribute '\x01 found outside of <FORM>"},
    {10,  u"Possible Incomplete Tag : Open < with out a Close >"},
    {11,  u"Possible Incomplete Tag : Close > without an Open <"},
    {12,  u"Possible Tag Syntax : Open < and Close > found"},
    {13,  u"Detected a single ampersand &"},
    {14,  u"Possible invalid special character '\x01' - missing ;"},
    {15,  u"Undefined special character '\x01'"},
    {16,  u"Undefined Unicode character '\x01'"},
    {17,  u"HTML Tags not allowed inside <TITLE> [\x01]"},
    {18,  u"Possible 'Tangled Tags'..found tag \x01 expected \x02"},
    {19,  u"Attribute \x01 is not defined for tag \x02"},
    {20,  u"Required attribute \x01 not found for tag \x02"},
    {101, u"Use of Single Quotes not supported by all browsers"},
    {102, u"Value for attribute \x01 should be quoted"},
    {103, u"Width and Height Attrbutes will increase performance"},
    {104, u"ALT= attribute is reccomended"},
    {105, u"TARGET specified... may cause improper results in HTMLHelp File"},
    {203, u"Missing TITLE : required for Table of Contents"},
    {204, u"Missing <META KEYWORDS> : required for Topic Index"},
    {205, u"Missing <META DESCRIPTION> : required for Table of Contents"},
    {0,   u"Undefine Message #\x03"},  // any other code; \x03 stands for the code
}};

QString message_text(int code, const QString& text1 = {}, const QString& text2 = {});

}  // namespace tamsel
