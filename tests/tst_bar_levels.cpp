#include "bar_levels.h"

#include <QTest>

#include <limits>

class TestSpectrumLevels : public QObject
{
    Q_OBJECT

private slots:
    void oneBand_data()
    {
        QTest::addColumn<int>("peakBefore");
        QTest::addColumn<int>("fallBefore");
        QTest::addColumn<float>("magnitude");
        QTest::addColumn<int>("peakAfter");
        QTest::addColumn<int>("fallAfter");
        // level = |magnitude| × 500, cut to the height 107
        QTest::newRow("rises to the level") << 0 << 0 << 0.1f << 50 << 50;
        QTest::newRow("fraction cut off") << 0 << 0 << 0.0199f << 9 << 9;
        QTest::newRow("negative magnitude counts") << 0 << 0 << -0.1f << 50 << 50;
        QTest::newRow("capped at the height") << 0 << 0 << 1.0f << 107 << 107;
        QTest::newRow("peak falls 1, bar falls 3") << 50 << 50 << 0.0f << 49 << 47;
        QTest::newRow("bar stops at 0") << 1 << 2 << 0.0f << 0 << 0;
        QTest::newRow("level between keeps falling") << 60 << 60 << 0.118f << 59 << 57;
        QTest::newRow("equal level holds") << 59 << 59 << 0.118f << 59 << 59;
        QTest::newRow("not a number reads as full") << 0 << 0 << std::numeric_limits<float>::quiet_NaN() << 107 << 107;
    }

    void oneBand()
    {
        QFETCH(int, peakBefore);
        QFETCH(int, fallBefore);
        QFETCH(float, magnitude);
        QFETCH(int, peakAfter);
        QFETCH(int, fallAfter);
        SpectrumLevels levels;
        levels.peaks[3] = peakBefore;
        levels.falls[3] = fallBefore;
        std::array<float, 512> magnitudes{};
        magnitudes[3] = magnitude;
        levels.update(magnitudes, 107);
        QCOMPARE(levels.peaks[3], peakAfter);
        QCOMPARE(levels.falls[3], fallAfter);
    }

    void lastBandAlwaysReadsZero()
    {
        SpectrumLevels levels;
        levels.peaks[512] = 10;
        levels.falls[512] = 10;
        std::array<float, 512> loud;
        loud.fill(1.0f);
        levels.update(loud, 107);
        QCOMPARE(levels.peaks[511], 107);
        QCOMPARE(levels.peaks[512], 9);
        QCOMPARE(levels.falls[512], 7);
    }
};

QTEST_GUILESS_MAIN(TestSpectrumLevels)
#include "tst_bar_levels.moc"
