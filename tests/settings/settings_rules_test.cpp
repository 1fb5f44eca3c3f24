// The settings dialog's rules without the dialog: numbers kept in range, the font size shown, and the
// letter-case pairs of which at most one box is ticked.
#include "settings/settings_rules.h"
#include "support/test_registry.h"

#include <QTest>

using namespace tamsel;

class SettingsRulesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void numbers_are_kept_in_range_data() {
        QTest::addColumn<int>("slot");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::newRow("refresh above 60") << int(autotracker_time) << "75" << "60";
        QTest::newRow("refresh not a number") << int(autotracker_time) << "abc" << "0";
        QTest::newRow("a half rounds to even") << int(autotracker_time) << "2.5" << "2";
        QTest::newRow("leading number of a text") << int(autotracker_time) << "12abc" << "12";
        QTest::newRow("line width below 64") << int(right_margin) << "10" << "64";
        QTest::newRow("tab width 0") << int(tab_width) << "0" << "1";
        QTest::newRow("indent above 6") << int(level_indent) << "9" << "6";
        QTest::newRow("a huge number") << int(right_margin) << "1e300" << "255";
        QTest::newRow("negative") << int(level_indent) << "-3" << "0";
    }
    void numbers_are_kept_in_range() {
        QFETCH(int, slot);
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        const NumberRange* range = range_of(slot);
        QVERIFY(range);
        QCOMPARE(clamped_number(typed, range->low, range->high), kept);
    }

    void font_sizes_show_the_nearest_entry() {
        QCOMPARE(font_sizes[font_size_index(13)], u"14");
        QCOMPARE(font_sizes[font_size_index(10)], u"10");
        QCOMPARE(font_sizes[font_size_index(4)], u"8");
    }

    void case_pairs_tick_at_most_one() {
        QCOMPARE(case_value_of(case_pair_clicked(case_pair_of(2), 0, true)), 1);  // UPPER clears lower
        QCOMPARE(case_value_of(case_pair_clicked(case_pair_of(1), 0, false)), 0);  // both may be clear
        QCOMPARE(case_value_of(case_pair_clicked(case_pair_of(0), 1, true)), 2);
        QCOMPARE(case_value_of(case_pair_of(7)), 0);  // anything else ticks neither
    }
};

TAMSEL_TEST(SettingsRulesTest)
#include "settings_rules_test.moc"
