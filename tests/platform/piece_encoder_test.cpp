// A text encoded piece by piece gives the bytes the whole text gives, and stops at the first character its
// encoding lacks with the line that character stands on.
#include "platform/piece_encoder.h"
#include "support/test_registry.h"

#include <QTest>

using namespace tamsel;

namespace {

// The text in pieces that end at line ends, as a writer hands them over: every line a piece of its own.
QStringList pieces_of(const QString& text) {
    QStringList pieces;
    qsizetype from = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool crlf = text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n';
        if (text[i] == u'\n' || (text[i] == u'\r' && !crlf)) {
            pieces << text.mid(from, i + 1 - from);
            from = i + 1;
        }
    }
    if (from < text.size()) pieces << text.mid(from);
    return pieces;
}

}  // namespace

class PieceEncoderTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void pieces_encode_as_the_whole_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("encoding");
        const QString text = QString::fromUtf16(u"<P>caf\u00E9</P>\r\n<P>\u20AC 5</P>\r\n\r\n<B>x</B>");
        const QString wide = QString::fromUtf16(u"<P>\u4E2D \U0001F600</P>\n<P>two</P>\n");
        QTest::newRow("utf-8") << text << int(TextEncoding::Utf8);
        QTest::newRow("utf-8 with its mark once, at the start") << text << int(TextEncoding::Utf8Bom);
        QTest::newRow("windows-1252") << text << int(TextEncoding::Windows1252);
        QTest::newRow("utf-16le with its mark once") << wide << int(TextEncoding::Utf16Le);
        QTest::newRow("utf-16be with its mark once") << wide << int(TextEncoding::Utf16Be);
        QTest::newRow("nothing at all is the mark alone") << QString() << int(TextEncoding::Utf8Bom);
    }
    void pieces_encode_as_the_whole() {
        QFETCH(QString, text);
        QFETCH(int, encoding);
        PieceEncoder encoder{TextEncoding(encoding)};
        for (const QString& piece : pieces_of(text)) encoder.add(piece);
        QVERIFY(!encoder.failed());
        QCOMPARE(encoder.take(), encode_document(text, TextEncoding(encoding)));
    }

    void the_first_character_the_encoding_lacks_stops_it_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("encoding");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("code");
        const int cp = int(TextEncoding::Windows1252);
        QTest::newRow("lines ended by CR LF") << QString::fromUtf16(u"<P>a</P>\r\n<P>b</P>\r\n<\u039C>\r\n<\u4E2D>") << cp << 3 << "U+039C";
        QTest::newRow("lines ended by LF") << QString::fromUtf16(u"a\nb\nc\n\u0191\n") << cp << 4 << "U+0191";
        QTest::newRow("lines ended by CR") << QString::fromUtf16(u"a\rb\r\U0001F600") << cp << 3 << "U+1F600";
        QTest::newRow("in the first piece") << QString::fromUtf16(u"x\u4E2D\r\ny") << cp << 1 << "U+4E2D";
        // Long runs of plain characters are passed over in blocks; what stops the encoder is found inside one.
        const QString run(37, QLatin1Char('a'));
        QTest::newRow("after long plain lines") << run + "\r\n" + run + "\r\n" + run + QChar(0x0191) + run << cp << 3 << "U+0191";
        const QString lone = run + "\r\n" + run + "\n" + run + QChar(0xDC00) + run;
        QTest::newRow("a lone surrogate in UTF-8") << lone << int(TextEncoding::Utf8Bom) << 3 << "U+DC00";
        QTest::newRow("a lone surrogate in UTF-16LE") << lone << int(TextEncoding::Utf16Le) << 3 << "U+DC00";
        QTest::newRow("a lone surrogate in UTF-16BE") << lone << int(TextEncoding::Utf16Be) << 3 << "U+DC00";
    }
    void the_first_character_the_encoding_lacks_stops_it() {
        QFETCH(QString, text);
        QFETCH(int, encoding);
        QFETCH(int, line);
        QFETCH(QString, code);
        PieceEncoder encoder{TextEncoding(encoding)};
        const QStringList pieces = pieces_of(text);
        for (const QString& piece : pieces) encoder.add(piece);
        QVERIFY(encoder.failed());
        QCOMPARE(encoder.failed_line(), line);
        QCOMPARE(encoder.failed_code(), code);
        // Only the pieces before it are taken.
        QString before;
        for (const QString& piece : pieces) {
            if (piece.contains(QChar(code == "U+1F600" ? 0xD83D : code.mid(2).toUInt(nullptr, 16)))) break;
            before += piece;
        }
        QCOMPARE(encoder.take(), encode_document(before, TextEncoding(encoding)));
    }
};

TAMSEL_TEST(PieceEncoderTest)
#include "piece_encoder_test.moc"
