// Text encodings: documents in UTF-8, UTF-16 or Windows-1252, database texts in Windows-1252.
#include "platform/text_codec.h"
#include "support/test_registry.h"

#include <QFile>
#include <QTemporaryDir>
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

    void unencodable_characters_are_found_before_writing_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("encoding");
        QTest::addColumn<int>("first");  // -1: every character fits
        QTest::addColumn<QString>("code");
        const int cp1252 = int(TextEncoding::Windows1252);
        const int utf8 = int(TextEncoding::Utf8);
        QByteArray every_byte;
        for (int b = 0; b < 256; ++b) every_byte.append(static_cast<char>(b));
        QTest::newRow("ascii fits the code page") << "<P>plain</P>" << cp1252 << -1 << "";
        QTest::newRow("the euro sign, the rest of 0x80-0x9F and the undefined bytes fit")
            << decode_1252(every_byte) << cp1252 << -1 << "";
        QTest::newRow("a CJK character does not") << QString::fromUtf16(u"ab\u4E2Dc") << cp1252 << 2 << "U+4E2D";
        QTest::newRow("the upper case of the micro sign does not") << QString::fromUtf16(u"\u00B5\u039C") << cp1252 << 1 << "U+039C";
        QTest::newRow("the first of several is named") << QString::fromUtf16(u"\u00E9\u0191\u4E2D") << cp1252 << 1 << "U+0191";
        QTest::newRow("an emoji is one character at its high surrogate")
            << QString::fromUtf16(u"x\U0001F600") << cp1252 << 1 << "U+1F600";
        QTest::newRow("a lone surrogate fits no code page") << QString::fromUtf16(u"x\xD800") << cp1252 << 1 << "U+D800";
        QTest::newRow("utf-8 holds every character") << QString::fromUtf16(u"\u20AC\u4E2D\U0001F600") << utf8 << -1 << "";
        QTest::newRow("utf-8 with its mark as well")
            << QString::fromUtf16(u"\u4E2D\U0001F600") << int(TextEncoding::Utf8Bom) << -1 << "";
        QTest::newRow("utf-8 holds no lone high surrogate") << QString::fromUtf16(u"ab\xD83D") << utf8 << 2 << "U+D83D";
        QTest::newRow("utf-8 holds no lone low surrogate") << QString::fromUtf16(u"a\xDE00\xD83D") << utf8 << 1 << "U+DE00";
    }
    void unencodable_characters_are_found_before_writing() {
        QFETCH(QString, text);
        QFETCH(int, encoding);
        QFETCH(int, first);
        QFETCH(QString, code);
        const auto e = TextEncoding(encoding);
        QCOMPARE(first_unencodable(text, e), qsizetype(first));
        if (first >= 0) QCOMPARE(character_code(text, first), code);
        // What it finds is what the encoder would lose.
        QByteArray bytes = encode_document(text, e);
        if (e == TextEncoding::Utf8Bom) bytes.remove(0, 3);
        QCOMPARE((e == TextEncoding::Windows1252 ? decode_1252(bytes) : QString::fromUtf8(bytes)) == text, first < 0);
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
        const int le = int(TextEncoding::Utf16Le), be = int(TextEncoding::Utf16Be);
        QTest::newRow("utf-16le by its mark") << QByteArray("\xFF\xFEh\0i\0\r\0\n\0", 10) << "hi\r\n" << le;
        QTest::newRow("utf-16be by its mark, with a CJK character and an emoji")
            << QByteArray("\xFE\xFF\0a\x4E\x2D\xD8\x3D\xDE\x00", 10) << QString::fromUtf16(u"a\u4E2D\U0001F600") << be;
        QTest::newRow("utf-16 mark alone") << QByteArray("\xFF\xFE") << "" << le;
        QTest::newRow("a second utf-16 mark is a character of the text")
            << QByteArray("\xFF\xFE\xFF\xFE" "a\0", 6) << QString(QChar(0xFEFF)) + QLatin1Char('a') << le;
        QTest::newRow("utf-16 cut in the middle of a character falls back")
            << QByteArray("\xFF\xFE" "a") << QString::fromUtf16(u"\u00FF\u00FEa") << int(TextEncoding::Windows1252);
        QTest::newRow("utf-16 with a lone surrogate falls back")
            << QByteArray("\xFF\xFE\x00\xD8", 4) << QStringView(u"\u00FF\u00FE\u0000\u00D8", 4).toString() << int(TextEncoding::Windows1252);
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

    // A file read in blocks decodes as its bytes decode whole, wherever the blocks cut it.
    void files_read_in_blocks_decode_as_whole_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("ascii") << QByteArray("<P>one</P>\r\n<P>two</P>");
        QTest::newRow("sequences of two, three and four bytes") << QByteArray("a\xC3\xA9" "b\xE2\x82\xAC" "c\xF0\x9F\x98\x80" "d");
        QTest::newRow("byte-order mark") << QByteArray("\xEF\xBB\xBFok \xC3\xA9");
        QTest::newRow("two byte-order marks") << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBFok");
        QTest::newRow("a no-width space inside the text stays") << QByteArray("ab\xEF\xBB\xBF" "cd");
        QTest::newRow("invalid late in the file") << QByteArray("abcdefgh caf\xE9");
        QTest::newRow("cut sequence at the end") << QByteArray("abcdef\xE2\x82");
        QTest::newRow("one byte") << QByteArray("x");
        QTest::newRow("one invalid byte") << QByteArray("\x80");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("utf-16le") << QByteArray("\xFF\xFEh\0\xE9\0", 6);
        QTest::newRow("utf-16be cut short") << QByteArray("\xFE\xFF\0h\0", 5);
        QTest::newRow("NUL bytes early") << QByteArray("ab\0cdefghij", 11);
    }
    void files_read_in_blocks_decode_as_whole() {
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        const QString path = dir.filePath("page.htm");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        const DecodedText whole = decode_document(bytes);
        for (qsizetype block = 1; block <= 8; ++block) {
            qint64 size = -1;
            const std::optional<DecodedText> read = read_document(path, &size, block);
            QVERIFY(read.has_value());
            QCOMPARE(read->text, whole.text);
            QCOMPARE(int(read->encoding), int(whole.encoding));
            QCOMPARE(read->binary, whole.binary);
            QCOMPARE(size, bytes.size());
        }
        qint64 size = 0;
        QVERIFY(!read_document(dir.filePath("missing.htm"), &size).has_value());
    }

    // The editor's decoding keeps UTF-8 as its bytes, and must tell all that decoding tells.
    void the_editor_decodes_as_documents_decode_data() {
        files_read_in_blocks_decode_as_whole_data();
        QTest::newRow("lf line ends") << QByteArray("a\nb\r\n");
        QTest::newRow("cr line ends after a byte-order mark") << QByteArray("\xEF\xBB\xBF" "a\rb");
        QTest::newRow("a surrogate written as utf-8 is no utf-8") << QByteArray("a\xED\xA0\x80");
    }
    void the_editor_decodes_as_documents_decode() {
        QFETCH(QByteArray, bytes);
        const DecodedText whole = decode_document(bytes);
        const DecodedText editor = decode_for_editor(bytes);
        QCOMPARE(editor.whole_text(), whole.text);
        QCOMPARE(int(editor.encoding), int(whole.encoding));
        QCOMPARE(int(editor.line_ends), int(whole.line_ends));
        QCOMPARE(editor.binary, whole.binary);
        const bool utf8 = whole.encoding == TextEncoding::Utf8 || whole.encoding == TextEncoding::Utf8Bom;
        QCOMPARE(editor.utf8.isEmpty(), !utf8 || whole.text.isEmpty());
        if (!editor.utf8.isEmpty()) QVERIFY(editor.text.isEmpty());
    }

    void binary_files_are_told_by_nul_bytes_near_the_start_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("binary");
        QTest::newRow("a page") << QByteArray("<P>text</P>") << false;
        QTest::newRow("a NUL byte early") << QByteArray("GIF89a\0\x01", 8) << true;
        QTest::newRow("a NUL byte as the last of the probe") << QByteArray(binary_probe - 1, 'x') + '\0' << true;
        QTest::newRow("a NUL byte past the probe") << QByteArray(binary_probe, 'x') + '\0' << false;
        QTest::newRow("utf-16 text is full of NUL bytes and no binary") << QByteArray("\xFF\xFE" "a\0b\0", 6) << false;
        QTest::newRow("a NUL byte in invalid utf-8") << QByteArray("\x80\0", 2) << true;
    }
    void binary_files_are_told_by_nul_bytes_near_the_start() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, binary);
        const DecodedText d = decode_document(bytes);
        QCOMPARE(d.binary, binary);
        QCOMPARE(encode_document(d.text, d.encoding), bytes);  // every byte comes back all the same
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
