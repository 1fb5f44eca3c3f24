#include "tagdb/fixed_tables.h"

namespace tamsel {

const std::array<EntitySource, 154> entity_sources = {{
    {u"'''", u"quot"}, {u"&&", u"amp"}, {u"#060", u"lt"}, {u"#062", u"gt"},
    // 4-28: numeric only
    {u"#123", u"#123"}, {u"#124", u"#124"}, {u"#125", u"#125"}, {u"#126", u"#126"}, {u"#131", u"#131"},
    {u"#132", u"#132"}, {u"#133", u"#133"}, {u"#134", u"#134"}, {u"#135", u"#135"}, {u"#136", u"#136"},
    {u"#137", u"#137"}, {u"#139", u"#139"}, {u"#140", u"#140"}, {u"#145", u"#145"}, {u"#146", u"#146"},
    {u"#147", u"#147"}, {u"#148", u"#148"}, {u"#149", u"#149"}, {u"#150", u"#150"}, {u"#151", u"#151"},
    {u"#152", u"#152"}, {u"#153", u"#153"}, {u"#155", u"#155"}, {u"#156", u"#156"}, {u"#159", u"#159"},
    // 29-51
    {u"#160", u"nbsp"}, {u"#161", u"iexcl"}, {u"#162", u"cent"}, {u"#163", u"pound"}, {u"#164", u"curren"},
    {u"#165", u"yen"}, {u"#167", u"sect"}, {u"#168", u"uml"}, {u"#169", u"copy"}, {u"#170", u"ordf"},
    {u"#172", u"not"}, {u"#173", u"shy"}, {u"#174", u"reg"}, {u"#175", u"macr"}, {u"#176", u"deg"},
    {u"#177", u"plusmn"}, {u"#180", u"acute"}, {u"#181", u"micro"}, {u"#182", u"para"}, {u"#183", u"middot"},
    {u"#184", u"cedil"}, {u"#186", u"ordm"}, {u"#191", u"iquest"},
    // 52-79
    {u"#192", u"Agrave"}, {u"#193", u"Aacute"}, {u"#194", u"Acirc"}, {u"#195", u"Atilde"}, {u"#196", u"Auml"},
    {u"#197", u"Aring"}, {u"#198", u"AElig"}, {u"#199", u"Ccedil"}, {u"#200", u"Egrave"}, {u"#201", u"Eacute"},
    {u"#202", u"Ecirc"}, {u"#203", u"Euml"}, {u"#204", u"Igrave"}, {u"#205", u"Iacute"}, {u"#206", u"Icirc"},
    {u"#207", u"Iuml"}, {u"#209", u"Ntilde"}, {u"#210", u"Ograve"}, {u"#211", u"Oacute"}, {u"#212", u"Ocirc"},
    {u"#213", u"Otilde"}, {u"#214", u"Ouml"}, {u"#216", u"Oslash"}, {u"#217", u"Ugrave"}, {u"#218", u"Uacute"},
    {u"#219", u"Ucirc"}, {u"#220", u"Uuml"}, {u"#223", u"szlig"},
    // 80-108
    {u"#224", u"agrave"}, {u"#225", u"aacute"}, {u"#226", u"acirc"}, {u"#227", u"atilde"}, {u"#228", u"auml"},
    {u"#229", u"aring"}, {u"#230", u"aelig"}, {u"#231", u"ccedil"}, {u"#232", u"egrave"}, {u"#233", u"eacute"},
    {u"#234", u"ecirc"}, {u"#235", u"euml"}, {u"#236", u"igrave"}, {u"#237", u"iacute"}, {u"#238", u"icirc"},
    {u"#239", u"iuml"}, {u"#241", u"ntilde"}, {u"#242", u"ograve"}, {u"#243", u"oacute"}, {u"#244", u"ocirc"},
    {u"#245", u"otilde"}, {u"#246", u"ouml"}, {u"#247", u"divide"}, {u"#248", u"oslash"}, {u"#249", u"ugrave"},
    {u"#250", u"uacute"}, {u"#251", u"ucirc"}, {u"#252", u"uuml"}, {u"#255", u"yuml"},
    // 109-123
    {u"#305", u"inodot"}, {u"#338", u"OElig"}, {u"#339", u"oelig"}, {u"#352", u"Scaron"}, {u"#353", u"scaron"},
    {u"#376", u"Yuml"}, {u"#402", u"fnof"}, {u"#710", u"circ"}, {u"#711", u"caron"}, {u"#728", u"breve"},
    {u"#729", u"dot"}, {u"#730", u"ring"}, {u"#731", u"ogon"}, {u"#732", u"tilde"}, {u"#733", u"dblac"},
    // 124-138
    {u"#8211", u"ndash"}, {u"#8212", u"mdash"}, {u"#8216", u"lsquo"}, {u"#8217", u"rsquo"}, {u"#8218", u"lsquor"},
    {u"#8220", u"ldquo"}, {u"#8221", u"rdquo"}, {u"#8222", u"ldquor"}, {u"#8224", u"dagger"}, {u"#8225", u"Dagger"},
    {u"#8226", u"bull"}, {u"#8230", u"hellip"}, {u"#8240", u"permil"}, {u"#8249", u"lsaquo"}, {u"#8250", u"rsaquo"},
    // 139-141: no name, found by code only
    {u"#8260", u""}, {u"#8471", u""}, {u"#8480", u""},
    // 142-153; "int " keeps its trailing blank
    {u"#8482", u"trade"}, {u"#8706", u"part"}, {u"#8730", u"radic"}, {u"#8734", u"infin"}, {u"#8747", u"int "},
    {u"#8773", u"ap"}, {u"#8800", u"ne"}, {u"#8804", u"le"}, {u"#8805", u"ge"}, {u"#916", u"Delta"},
    {u"#931", u"sum"}, {u"#937", u"Omega"},
}};

void EntityTable::clear() {
    entries_.clear();
    low_count_ = 0;
    by_name_.clear();
    by_code_.clear();
}

void EntityTable::add_entity(const QString& char_text, const QString& name) {
    if (count() >= capacity) return;
    Entity e;
    e.char_text = char_text == QLatin1String("'''") ? QStringLiteral("\"") : char_text;
    e.name = name;
    e.code = e.char_text.startsWith(QLatin1Char('#')) ? QStringView(e.char_text).mid(1).toInt() : 0;
    const bool high = e.char_text.startsWith(QLatin1Char('#')) && e.code > 255;
    if (!high) ++low_count_;
    const int index = count();
    if (!e.name.isEmpty() && !by_name_.contains(e.name)) by_name_.insert(e.name, index);
    if (e.code > 0 && !by_code_.contains(e.code)) by_code_.insert(e.code, index);
    entries_.append(std::move(e));
}

void EntityTable::build_entity_table() {
    clear();
    entries_.reserve(capacity);
    by_name_.reserve(capacity);
    by_code_.reserve(capacity);
    // The texts of the rows are constants: the table's strings refer to them instead of copying them.
    const auto text = [](QStringView v) { return QString::fromRawData(reinterpret_cast<const QChar*>(v.data()), v.size()); };
    for (const EntitySource& s : entity_sources) add_entity(text(s.char_text), text(s.name));
}

int EntityTable::find_name(const QString& name) const {
    if (name.isEmpty()) return -1;
    return by_name_.value(name, -1);
}

int EntityTable::find_code(int code) const {
    if (code <= 0) return -1;
    return by_code_.value(code, -1);
}

}  // namespace tamsel
