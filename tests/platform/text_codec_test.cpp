// Text encodings: documents in UTF-8 or Windows-1252, database texts in Windows-1252.
#include "platform/text_codec.h"
#include "support/test_registry.h"

#include <QTest>

using namespace tamsel;

class TextCodecTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void every_byte_survives_windows_1252() {
        QByteArray all;
        for (int b = 0; b < 256; ++b) all.append(static_cast<char>(b));
        const QString text = decode_1252(all);
        QCOMPARE(text.size(), 256);
        QCOMPARE(encode_1252(text), all);
        QCOMPARE(text.at(0x80), QChar(0x20AC));  // the euro sign
        QCOMPARE(text.at(0x81), QChar(0x81));    // an undefined byte keeps its code
        for (int b = 0; b < 256; ++b) QCOMPARE(code_1252(text.at(b)), b);
    }

    void characters_outside_windows_1252_become_question_marks() {
        QCOMPARE(encode_1252(QString::fromUtf16(u"a\u4E2Db")), QByteArray("a?b"));
        QCOMPARE(code_1252(QChar(0x4E2D)), -1);
    }

    void documents_decode_by_their_bytes_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("encoding");
        QTest::newRow("ascii is utf-8") << QByteArray("<P>x</P>") << "<P>x</P>" << int(TextEncoding::Utf8);
        QTest::newRow("utf-8 accents") << QByteArray("caf\xC3\xA9") << QString::fromUtf16(u"caf\u00E9") << int(TextEncoding::Utf8);
        QTest::newRow("byte-order mark is kept apart") << QByteArray("\xEF\xBB\xBFok") << "ok" << int(TextEncoding::Utf8Bom);
        QTest::newRow("invalid utf-8 falls back") << QByteArray("caf\xE9 \x80") << QString::fromUtf16(u"caf\u00E9 \u20AC") << int(TextEncoding::Windows1252);
        QTest::newRow("cut utf-8 sequence falls back") << QByteArray("x\xC3") << QString::fromUtf16(u"x\u00C3") << int(TextEncoding::Windows1252);
        QTest::newRow("empty") << QByteArray() << "" << int(TextEncoding::Utf8);
    }
    void documents_decode_by_their_bytes() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QFETCH(int, encoding);
        const DecodedText d = decode_document(bytes);
        QCOMPARE(d.text, text);
        QCOMPARE(int(d.encoding), encoding);
        QCOMPARE(encode_document(d.text, d.encoding), bytes);  // saved as it came
    }

    void line_ends_are_detected_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("ends");
        QTest::newRow("crlf") << "a\r\nb\nc" << int(LineEnds::CrLf);
        QTest::newRow("lf") << "a\nb\r\n" << int(LineEnds::Lf);
        QTest::newRow("cr") << "a\rb" << int(LineEnds::Cr);
        QTest::newRow("none defaults to crlf") << "abc" << int(LineEnds::CrLf);
    }
    void line_ends_are_detected() {
        QFETCH(QString, text);
        QFETCH(int, ends);
        QCOMPARE(int(detect_line_ends(text)), ends);
    }
};

TAMSEL_TEST(TextCodecTest)
#include "text_codec_test.moc"
