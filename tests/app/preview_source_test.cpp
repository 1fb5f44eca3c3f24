// Previews show the editor's text and the files beside it without ever changing the user's folder.
#include "app/preview_source.h"
#include "support/test_registry.h"
#include "support/test_support.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace tamsel;
using test::read_bytes;

namespace {

const QByteArray png("\x89PNG\r\n\x1a\n\0\xff", 10);
const QString edited = QStringLiteral("<b>edited €</b>");

// A site in a folder whose name needs percent-encoding, every file dated 2001 so that a rewrite shows.
struct Site {
    QTemporaryDir root, temp;
    QString dir = root.path() + QStringLiteral("/my site/Ünï 中");
    Site() {
        for (const char* sub : {"/img", "/css", "/pages"}) QDir().mkpath(dir + QLatin1String(sub));
        const std::pair<const char*, QByteArray> files[] = {{"index.htm", "saved"}, {"img/a.png", png}, {"css/s.css", "p {}"}};
        for (const auto& [name, bytes] : files) {
            QFile f(path(QLatin1String(name)));
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
            QVERIFY(f.setFileTime(QDateTime(QDate(2001, 1, 1), QTime(12, 0)), QFileDevice::FileModificationTime));
        }
    }
    QString path(const QString& relative) const { return dir + QLatin1Char('/') + relative; }
};

// Every entry under folder, itself included, with its modification time and the hash of its bytes.
QStringList listing(const QString& folder) {
    QStringList rows;
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    for (QString p = folder; !p.isEmpty(); p = it.hasNext() ? it.next() : QString())
        rows << p + QString::number(QFileInfo(p).lastModified().toMSecsSinceEpoch()) +
                    QCryptographicHash::hash(read_bytes(p), QCryptographicHash::Sha1).toHex();
    rows.sort();
    return rows;
}

// What the engine asks for: the link resolved against the page's address, handed over as encoded text.
PreviewReply ask(const PreviewSource& source, const QString& page, const QString& link) {
    return source.serve(QUrl::fromEncoded(preview_url(page).resolved(QUrl(link)).toEncoded()));
}

}  // namespace

class PreviewSourceTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void links_resolve_in_the_documents_folder_data() {
        QTest::addColumn<QString>("document");
        QTest::addColumn<QString>("link");  // %1: the site's folder
        QTest::addColumn<QByteArray>("body");  // empty: not found
        QTest::addColumn<QByteArray>("mime");
        QTest::newRow("its own address gives the text, not the file") << "index.htm" << "index.htm" << edited.toUtf8() << QByteArray("text/html; charset=utf-8");
        QTest::newRow("an untitled document has no file") << "New File 01.HTM" << "New File 01.HTM" << edited.toUtf8() << QByteArray("text/html; charset=utf-8");
        QTest::newRow("a picture keeps its bytes") << "index.htm" << "img/a.png" << png << QByteArray("image/png");
        QTest::newRow("a style sheet one folder up") << "pages/p.htm" << "../css/s.css" << QByteArray("p {}") << QByteArray("text/css");
        QTest::newRow("a missing file") << "index.htm" << "img/b.png" << QByteArray() << QByteArray();
        QTest::newRow("a folder") << "index.htm" << "img" << QByteArray() << QByteArray();
        QTest::newRow("a file address") << "index.htm" << "file://%1/css/s.css" << QByteArray() << QByteArray();
    }
    void links_resolve_in_the_documents_folder() {
        QFETCH(QString, document);
        QFETCH(QString, link);
        QFETCH(QByteArray, body);
        QFETCH(QByteArray, mime);
        Site site;
        PreviewSource source;
        source.set_document(site.path(document), edited);
        const PreviewReply reply = ask(source, site.path(document), link.replace(QStringLiteral("%1"), site.dir));
        QCOMPARE(reply.found, !body.isEmpty());
        QCOMPARE(reply.body, body);
        QCOMPARE(reply.mime_type, mime);
    }

    void previews_leave_the_users_folder_as_it_was() {
        Site site;
        const QStringList before = listing(site.root.path());
        const QString page = site.path(QStringLiteral("index.htm"));
        PreviewSource source;
        source.set_document(page, edited);
        for (const char* link : {"index.htm", "img/a.png", "img/b.png", "img"}) ask(source, page, QLatin1String(link));
        QString error;
        const QString copy = write_browser_copy(site.temp.path(), page, edited, TextEncoding::Utf8, &error);
        QCOMPARE(copy, site.temp.path() + QStringLiteral("/browser/index.htm"));
        source.clear();
        QCOMPARE(listing(site.root.path()), before);
        QCOMPARE(ask(source, page, QStringLiteral("index.htm")).body, QByteArray("saved"));
    }

    void the_browser_copy_links_back_to_the_folder_data() {
        QTest::addColumn<int>("encoding");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("expected");  // %1: the inserted <base>
        const int utf8 = int(TextEncoding::Utf8);
        QTest::newRow("right after the head tag") << utf8 << "<HTML><Head lang=en><TITLE>" << QByteArray("<HTML><Head lang=en>%1<TITLE>");
        QTest::newRow("no head: at the start") << utf8 << "<P>text" << QByteArray("%1<P>text");
        QTest::newRow("no head: after a leading doctype") << utf8 << "<!DOCTYPE html>\n<p>" << QByteArray("<!DOCTYPE html>%1\n<p>");
        QTest::newRow("a header element is no head") << utf8 << "<body><header>" << QByteArray("%1<body><header>");
        QTest::newRow("the page's own base stays alone") << utf8 << "<head><BASE HREF=\"x/\">" << QByteArray("<head><BASE HREF=\"x/\">");
        QTest::newRow("basefont is no base") << utf8 << "<head><basefont>" << QByteArray("<head>%1<basefont>");
        QTest::newRow("UTF-8 with its mark") << int(TextEncoding::Utf8Bom) << "€ 中 😀" << QByteArray("\xEF\xBB\xBF%1") + QStringLiteral("€ 中 😀").toUtf8();
        QTest::newRow("Windows-1252: references for what it lacks") << int(TextEncoding::Windows1252) << "€ 中 😀" << QByteArray("%1\x80 &#20013; &#128512;");
    }
    void the_browser_copy_links_back_to_the_folder() {
        QFETCH(int, encoding);
        QFETCH(QString, text);
        QFETCH(QByteArray, expected);
        Site site;
        QString error;
        const QString copy = write_browser_copy(site.temp.path(), site.path(QStringLiteral("pages/p.htm")), text, TextEncoding(encoding), &error);
        const QByteArray written = read_bytes(copy);
        const auto base = QRegularExpression(QStringLiteral("<base href=\"([^\"]*)\">")).match(QString::fromLatin1(written));
        QCOMPARE(written, expected.replace("%1", base.captured(0).toLatin1()));
        if (base.hasMatch())
            QCOMPARE(QUrl(base.captured(1)).resolved(QUrl(QStringLiteral("../img/a.png"))).toLocalFile(), site.path(QStringLiteral("img/a.png")));
    }
};

TAMSEL_TEST(PreviewSourceTest)
#include "preview_source_test.moc"
