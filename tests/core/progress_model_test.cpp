// The progress model: when a slot tells its listener to redraw.
#include "core/progress_model.h"
#include "support/test_registry.h"

#include <QTest>

using namespace tamsel;

namespace {

struct Recorder : ProgressListener {
    QStringList events;
    void progress_opened(int, const QString&, bool) override {}
    void progress_changed(int slot, int percent) override { events << QStringLiteral("%1:%2").arg(slot).arg(percent); }
    void progress_closed() override {}
};

}  // namespace

class ProgressModelTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void redraws_after_more_than_3_points_or_at_100_data() {
        QTest::addColumn<int>("maximum");
        QTest::addColumn<QList<int>>("steps");     // amounts advanced one after the other
        QTest::addColumn<QStringList>("redraws");  // after opening: "slot:percent" each
        QTest::newRow("4 points redraw, 3 do not") << 100 << QList<int>{3, 1, 3, 1} << QStringList{"0:4", "0:8"};
        QTest::newRow("rounded to the nearest") << 1000 << QList<int>{34, 1} << QStringList{"0:4"};
        QTest::newRow("100 always redraws") << 10 << QList<int>{10, 0, 5} << QStringList{"0:100", "0:100", "0:100"};
        QTest::newRow("beyond the maximum shows 100") << 3 << QList<int>{7} << QStringList{"0:100"};
        QTest::newRow("no maximum, no bar") << 0 << QList<int>{5, 5} << QStringList();
    }
    void redraws_after_more_than_3_points_or_at_100() {
        QFETCH(int, maximum);
        QFETCH(QList<int>, steps);
        Recorder recorder;
        ProgressModel model(&recorder);
        model.open_progress(QStringLiteral("Files"), maximum);
        recorder.events.clear();
        for (const int step : steps) model.advance_progress(0, step);
        QTEST(recorder.events, "redraws");
    }

    void redraws_every_40_of_1000_units() {
        Recorder recorder;
        ProgressModel model(&recorder);
        model.open_progress(QStringLiteral("Files"), 1000);
        recorder.events.clear();
        QList<int> at;
        for (int i = 1; i <= 1000; ++i) {
            const qsizetype before = recorder.events.size();
            model.advance_progress(0, 1);
            if (recorder.events.size() > before) at << i;
        }
        QCOMPARE(at.mid(0, 3), (QList<int>{35, 75, 115}));
        for (qsizetype i = 1; i + 6 < at.size(); ++i) QCOMPARE(at[i] - at[i - 1], 40);
        QCOMPARE(at.last(), 1000);
        QCOMPARE(model.slot(0).percent, 100);
    }
};

TAMSEL_TEST(ProgressModelTest)
#include "progress_model_test.moc"
