#include "app/preview_source.h"

#include "core/document_kinds.h"
#include "platform/whole_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>

namespace tamsel {
namespace {

// The engine holds a whole reply in memory; no picture or script of a page comes near this.
constexpr qint64 largest_served_file = qint64(256) << 20;

QString clean_absolute(const QString& path) { return QDir::cleanPath(QFileInfo(path).absoluteFilePath()); }

QByteArray mime_by_name(const QString& path) {
    return QMimeDatabase().mimeTypeForFile(path, QMimeDatabase::MatchExtension).name().toLatin1();
}

// The document is text whatever its name: a type the engine would offer as a download is shown as plain text.
QByteArray document_mime(const QString& path) {
    QByteArray type = "text/html";
    if (document_type(path) != doc_html) {
        const QMimeType by_name = QMimeDatabase().mimeTypeForFile(path, QMimeDatabase::MatchExtension);
        type = by_name.inherits(QStringLiteral("text/plain")) ? by_name.name().toLatin1() : QByteArray("text/plain");
    }
    return type + "; charset=utf-8";
}

PreviewReply read_file(const QString& path) {
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > largest_served_file) return {};
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    PreviewReply reply{true, f.readAll(), mime_by_name(path)};
    if (f.error() != QFileDevice::NoError) return {};
    return reply;
}

char16_t ascii_lower(QChar c) {
    const char16_t u = c.unicode();
    return (u >= u'A' && u <= u'Z') ? u + (u'a' - u'A') : u;
}

bool ascii_match(const QString& text, qsizetype at, QLatin1StringView word) {
    if (at + word.size() > text.size()) return false;
    for (qsizetype i = 0; i < word.size(); ++i)
        if (ascii_lower(text[at + i]) != char16_t(word[i].unicode())) return false;
    return true;
}

// Where the tag "<name" starts (name in lower case, ended by '>', '/' or white space); -1 if none.
qsizetype find_tag(const QString& text, QLatin1StringView name) {
    for (qsizetype at = text.indexOf(QLatin1Char('<')); at >= 0; at = text.indexOf(QLatin1Char('<'), at + 1)) {
        const qsizetype after = at + 1 + name.size();
        if (after >= text.size() || !ascii_match(text, at + 1, name)) continue;
        const QChar c = text[after];
        if (c == u'>' || c == u'/' || c.isSpace()) return at;
    }
    return -1;
}

// Where the base goes when the page has no head: after a leading <!DOCTYPE>, as anything before it would
// put the page into quirks mode; else at the very start.
qsizetype start_of_content(const QString& text) {
    qsizetype at = 0;
    while (at < text.size() && (text[at].isSpace() || text[at] == QChar(0xFEFF))) ++at;
    if (!ascii_match(text, at, QLatin1StringView("<!doctype"))) return 0;
    const qsizetype end = text.indexOf(QLatin1Char('>'), at);
    return end < 0 ? 0 : end + 1;
}

QString with_base_href(const QString& text, const QString& folder_url) {
    if (find_tag(text, QLatin1StringView("base")) >= 0) return text;
    const qsizetype head = find_tag(text, QLatin1StringView("head"));
    qsizetype at = head < 0 ? -1 : text.indexOf(QLatin1Char('>'), head);
    at = at < 0 ? start_of_content(text) : at + 1;
    QString out = text;
    out.insert(at, QStringLiteral("<base href=\"%1\">").arg(folder_url.toHtmlEscaped()));
    return out;
}

// Windows-1252 has no byte for most characters: those become numeric references, which every browser
// reads back, rather than '?'.
QByteArray encode_for_browser(const QString& text, TextEncoding encoding) {
    if (encoding != TextEncoding::Windows1252) return encode_document(text, encoding);
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const int code = code_1252(c);
        if (code >= 0) {
            out += static_cast<char>(code);
            continue;
        }
        char32_t point = c.unicode();
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            point = QChar::surrogateToUcs4(c, text[++i]);
        else if (c.isSurrogate())
            point = 0xFFFD;  // half a pair stands for no character
        out += "&#" + QByteArray::number(static_cast<uint>(point)) + ';';
    }
    return out;
}

}  // namespace

QUrl preview_url(const QString& document_path) {
    QUrl url;
    url.setScheme(QLatin1String(preview_scheme));
    url.setPath(clean_absolute(document_path), QUrl::DecodedMode);
    return url;
}

void PreviewSource::set_document(const QString& path, const QString& text) {
    path_ = path.isEmpty() ? QString() : clean_absolute(path);
    text_ = text;
}

void PreviewSource::clear() {
    path_.clear();
    text_.clear();
}

PreviewReply PreviewSource::serve(const QUrl& url) const {
    if (!url.isValid() || url.scheme() != QLatin1String(preview_scheme) || !url.host().isEmpty()) return {};
    const QString asked = url.path(QUrl::FullyDecoded);
    if (!asked.startsWith(QLatin1Char('/'))) return {};
    const QString path = QDir::cleanPath(asked);
    if (!path_.isEmpty() && path == path_) return {true, text_.toUtf8(), document_mime(path_)};
    return read_file(path);
}

QString write_browser_copy(const QString& temp_folder, const QString& document_path, const QString& text,
                           TextEncoding encoding, QString* error) {
    const QString folder = temp_folder + QStringLiteral("/browser");
    if (!QDir().mkpath(folder)) {
        *error = folder + QStringLiteral(": the folder cannot be made.");
        return {};
    }
    const QFileInfo document(clean_absolute(document_path));
    QString document_folder = document.absolutePath();
    if (!document_folder.endsWith(QLatin1Char('/'))) document_folder += QLatin1Char('/');
    const QString folder_url = QString::fromLatin1(QUrl::fromLocalFile(document_folder).toEncoded());

    const QString copy = folder + QLatin1Char('/') + document.fileName();
    const QByteArray bytes = encode_for_browser(with_base_href(text, folder_url), encoding);
    QString cause;
    if (write_whole_file(copy, bytes, &cause)) return copy;
    *error = copy + QStringLiteral(": ") + cause;
    return {};
}

}  // namespace tamsel
