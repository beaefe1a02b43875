#include "fft_analyzer.h"

#include <QTest>

#include <algorithm>
#include <cmath>
#include <numbers>

class TestSpectrum : public QObject
{
    Q_OBJECT
private slots:
    void sineReadsItsAmplitudeInItsBin_data();
    void sineReadsItsAmplitudeInItsBin();
};

void TestSpectrum::sineReadsItsAmplitudeInItsBin_data()
{
    QTest::addColumn<double>("cycles"); // per 1,024 samples
    QTest::addColumn<double>("amplitude");
    QTest::addColumn<int>("bin");
    QTest::addColumn<double>("expected");

    QTest::newRow("silence") << 23.0 << 0.0 << 23 << 0.0;
    QTest::newRow("full scale, bin 23") << 23.0 << 1.0 << 23 << 1.0;
    QTest::newRow("half scale, bin 23") << 23.0 << 0.5 << 23 << 0.5;
    QTest::newRow("full scale, bin 5") << 5.0 << 1.0 << 5 << 1.0;
    QTest::newRow("full scale, bin 400") << 400.0 << 1.0 << 400 << 1.0;
    // Between two bins the Hann window loses at most 1.4 dB.
    QTest::newRow("1 kHz at 44.1 kHz") << 1000.0 * 1024 / 44100 << 1.0 << 23 << 0.97;
}

void TestSpectrum::sineReadsItsAmplitudeInItsBin()
{
    QFETCH(double, cycles);
    QFETCH(double, amplitude);
    QFETCH(int, bin);
    QFETCH(double, expected);

    std::array<float, kSpectrumWindow> samples;
    for (int i = 0; i < kSpectrumWindow; ++i)
        samples[i] =
            float(amplitude * std::sin(2 * std::numbers::pi * cycles * i / kSpectrumWindow));
    SpectrumAnalyzer analyzer;
    const Spectrum spectrum = analyzer.analyze(samples);

    QVERIFY2(std::abs(spectrum[bin] - expected) < 0.02, qPrintable(QString::number(spectrum[bin])));
    // A window that leaks would spread the tone over the neighbourhood.
    for (int k = 0; k < kSpectrumBins; ++k) {
        if (std::abs(k - bin) > 3)
            QVERIFY2(spectrum[k] < 0.01,
                     qPrintable(QStringLiteral("bin %1: %2").arg(k).arg(spectrum[k])));
    }
}

QTEST_APPLESS_MAIN(TestSpectrum)
#include "tst_fft_analyzer.moc"
