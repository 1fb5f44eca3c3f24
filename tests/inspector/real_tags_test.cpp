// The inspector on every start tag of two public documentation sites (installed by make bench-deps):
// a tag rebuilt without an edit keeps every attribute with its value. Skipped where the sites are not
// installed.
#include "inspector/tag_properties.h"
#include "support/test_registry.h"
#include "support/test_support.h"
#include "tagdb/tag_database.h"
#include "wizards/meta_wizard.h"

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

using namespace tamsel;

namespace {

// Attribute names in lower case with their values, the first of a name only; &quot; read as a quote.
QMap<QString, QString> attributes_of(const QString& tag) {
    QMap<QString, QString> out;
    // Without its ">", so that a quote left open ends with the tag, as the inspector reads it.
    for (const TagAttribute& a : tag_attributes(QStringView(tag).chopped(1)))
        if (!out.contains(a.name)) out.insert(a.name, QString(a.value).replace(QLatin1String("&quot;"), QLatin1String("\"")));
    return out;
}

}  // namespace

class RealTagsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void tags_of_real_pages_rebuild_whole_data() {
        QTest::addColumn<QString>("folder");
        QTest::newRow("python docs") << "/usr/share/doc/python3.11/html";
        QTest::newRow("apache manual") << "/usr/share/doc/apache2-doc/manual";
    }
    void tags_of_real_pages_rebuild_whole() {
        QFETCH(QString, folder);
        if (!QDir(folder).exists()) QSKIP("the documentation site is not installed (make bench-deps installs it)");
        TagDatabase db;
        QVERIFY(db.load_database(test::data_dir()));
        static const QRegularExpression start_tag(QStringLiteral("<[A-Za-z][A-Za-z0-9]*(\\s[^<>]*)?>"));
        int tags = 0;
        QStringList lost;
        // The English pages: the translations repeat the same markup.
        QDirIterator pages(folder, {QStringLiteral("*.html"), QStringLiteral("*.html.en")}, QDir::Files,
                           QDirIterator::Subdirectories | QDirIterator::FollowSymlinks);
        QHash<QString, QList<AttrRecord>> records_of;
        while (pages.hasNext()) {
            QFile file(pages.next());
            if (!file.open(QIODevice::ReadOnly)) continue;
            const QString text = QString::fromUtf8(file.readAll());
            for (auto m = start_tag.globalMatch(text); m.hasNext();) {
                const QString tag = normalised_tag_text(m.next().captured());
                const QString key = inspectable_tag_key(tag, db);
                if (key.isEmpty()) continue;
                if (!records_of.contains(key)) records_of.insert(key, db.attribute_records_of(key));
                const QList<AttrRecord>& records = records_of[key];
                const ParsedTag parsed = parse_tag(tag, records);
                const QString rebuilt = rebuild_tag(parsed.key, property_rows(parsed, records), parsed.extra, parsed.closes_itself);
                ++tags;
                if (attributes_of(rebuilt) != attributes_of(tag) && lost.size() < 10) lost << tag + QStringLiteral(" -> ") + rebuilt;
            }
        }
        QVERIFY2(tags > 10000, qPrintable(QString::number(tags)));
        QVERIFY2(lost.isEmpty(), qPrintable(lost.join(QLatin1Char('\n'))));
    }
};

TAMSEL_TEST(RealTagsTest)
#include "real_tags_test.moc"
