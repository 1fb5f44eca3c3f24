// Colour numbers of the picker and the inspector: blue-green-red numbers, their digits, the named
// colours and the web-safe palette.
#include "support/test_registry.h"
#include "wizards/colour_values.h"

#include <QTest>

using namespace tamsel;

namespace {

const QList<ColorRecord> named = {
    {QStringLiteral("Red"), QStringLiteral("#FF0000")},
    {QStringLiteral("AliceBlue"), QStringLiteral("#f0f8ff")},
};

}  // namespace

class ColourValuesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void pure_red_is_255() {
        QCOMPARE(sample_hex(255), QStringLiteral("0000FF"));
        QCOMPARE(rgb_text(255), QStringLiteral("#FF0000"));
        QCOMPARE(channels_of(255).red, 255);
        QCOMPARE(named_colour_index(named, 255), 0);
        QCOMPARE(named_colour_index(named, 254), -1);
    }

    void attribute_values_show_as_colours_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("shown");  // as "#RRGGBB"
        QTest::newRow("digits") << "#1A2B3C" << "#1A2B3C";
        QTest::newRow("a name in any case") << "aliceblue" << "#F0F8FF";
        QTest::newRow("short digits are padded") << "#FF" << "#0000FF";
        QTest::newRow("long digits keep the last six") << "#12345678" << "#345678";
        QTest::newRow("empty is black") << "" << "#000000";
        QTest::newRow("not a colour shows black") << "#GG0000" << "#000000";
        QTest::newRow("an unknown name shows black") << "bluish" << "#000000";
    }
    void attribute_values_show_as_colours() {
        QFETCH(QString, value);
        QFETCH(QString, shown);
        QCOMPARE(rgb_text(display_colour(value, named)), shown);
    }

    void palette_blocks_go_by_blue_rows_by_red() {
        constexpr auto palette = safe_palette();
        // Block of blue 33, row of red CC, column of green 00.
        const SafeBox& box = palette[1 * 36 + 4 * 6 + 0];
        QCOMPARE(box.block, 1);
        QCOMPARE(channels_of(box.colour).blue, 51);
        QCOMPARE(channels_of(box.colour).green, 0);
        QCOMPARE(channels_of(box.colour).red, 204);
    }
};

TAMSEL_TEST(ColourValuesTest)
#include "colour_values_test.moc"
