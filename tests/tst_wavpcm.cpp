// SPDX-License-Identifier: GPL-3.0-or-later
// The sound decoder and its conversion for an audio output: which WAV files it
// reads and how, which it refuses, that a change of rate keeps a tone's pitch,
// level and length and drops what the new rate cannot carry, and how samples
// are written in each output format.

#include <QtEndian>
#include <QtTest>
#include <cmath>
#include <cstring>

#include "WavPcm.h"

namespace {

QByteArray le16(quint32 v)
{
    QByteArray b(2, '\0');
    qToLittleEndian(static_cast<quint16>(v), b.data());
    return b;
}

QByteArray le32(quint32 v)
{
    QByteArray b(4, '\0');
    qToLittleEndian(v, b.data());
    return b;
}

// A chunk with its header; odd bodies get their pad byte.
QByteArray chunk(const char* tag, const QByteArray& body, qsizetype claimed = -1)
{
    QByteArray c = QByteArray(tag, 4) + le32(static_cast<quint32>(claimed < 0 ? body.size() : claimed)) + body;
    if (body.size() % 2)
        c.append('\0');
    return c;
}

QByteArray fmt(quint16 code, quint16 channels, quint32 rate, quint16 bits, int blockAlign = -1)
{
    const quint16 block = static_cast<quint16>(blockAlign < 0 ? channels * bits / 8 : blockAlign);
    return chunk("fmt ", le16(code) + le16(channels) + le32(rate) + le32(rate * block) + le16(block) + le16(bits));
}

QByteArray riff(const QByteArray& chunks, const char* form = "WAVE")
{
    return "RIFF" + le32(static_cast<quint32>(chunks.size() + 4)) + QByteArray(form, 4) + chunks;
}

QByteArray pcm16(std::initializer_list<int> values)
{
    QByteArray b;
    for (int v : values)
        b += le16(static_cast<quint32>(static_cast<quint16>(static_cast<qint16>(v))));
    return b;
}

QByteArray floats(std::initializer_list<float> values)
{
    QByteArray b;
    for (float v : values) {
        quint32 bits;
        std::memcpy(&bits, &v, sizeof v);
        b += le32(bits);
    }
    return b;
}

std::vector<float> sine(int rate, double hz, double seconds, double level)
{
    std::vector<float> s(static_cast<std::size_t>(std::lround(rate * seconds)));
    for (std::size_t i = 0; i < s.size(); ++i)
        s[i] = static_cast<float>(level * std::sin(2 * M_PI * hz * static_cast<double>(i) / rate));
    return s;
}

template <typename T>
QByteArray native(std::initializer_list<T> values)
{
    QByteArray b;
    for (T v : values)
        b.append(reinterpret_cast<const char*>(&v), sizeof v);
    return b;
}

QAudioFormat formato(int rate, int channels, QAudioFormat::SampleFormat tipo)
{
    QAudioFormat f;
    f.setSampleRate(rate);
    f.setChannelCount(channels);
    f.setSampleFormat(tipo);
    return f;
}

} // namespace

class TestWavPcm : public QObject {
    Q_OBJECT
private slots:
    void decode_data();
    void decode();
    void refuses_data();
    void refuses();
    void resampleKeepsTheTone_data();
    void resampleKeepsTheTone();
    void resampleDropsWhatTheNewRateCannotCarry();
    void toFormat_data();
    void toFormat();
};

void TestWavPcm::decode_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("rate");
    QTest::addColumn<QVector<float>>("samples");

    QTest::newRow("16-bit mono") << riff(fmt(1, 1, 11025, 16) + chunk("data", pcm16({0, 16384, -32768, 32767})))
                                 << 11025 << QVector<float>{0, 0.5f, -1, 32767 / 32768.0f};
    QTest::newRow("8-bit, unsigned around 128")
        << riff(fmt(1, 1, 8000, 8) + chunk("data", QByteArray("\x80\xC0\x00\xFF", 4))) << 8000
        << QVector<float>{0, 0.5f, -1, 127 / 128.0f};
    QTest::newRow("24-bit") << riff(fmt(1, 1, 48000, 24) + chunk("data", QByteArray("\x00\x00\x40\x00\x00\x80", 6)))
                            << 48000 << QVector<float>{0.5f, -1};
    QTest::newRow("32-bit integers") << riff(fmt(1, 1, 44100, 32) + chunk("data", le32(0x40000000) + le32(0x80000000)))
                                     << 44100 << QVector<float>{0.5f, -1};
    QTest::newRow("32-bit float, kept within full scale")
        << riff(fmt(3, 1, 22050, 32) + chunk("data", floats({0.25f, -0.75f, 2.0f}))) << 22050
        << QVector<float>{0.25f, -0.75f, 1};
    QTest::newRow("stereo, mixed to one channel")
        << riff(fmt(1, 2, 6000, 16) + chunk("data", pcm16({16384, 0, -32768, -32768}))) << 6000
        << QVector<float>{0.25f, -1};
    QByteArray estesa = le16(0xFFFE) + le16(1) + le32(8000) + le32(16000) + le16(2) + le16(16) + le16(22) + le16(16)
        + le32(4) + le16(1) + QByteArray(14, '\0');
    QTest::newRow("extensible header naming PCM")
        << riff(chunk("fmt ", estesa) + chunk("data", pcm16({-16384}))) << 8000 << QVector<float>{-0.5f};
    QTest::newRow("other chunks passed over, odd ones with their pad byte")
        << riff(chunk("LIST", "abc") + fmt(1, 1, 8000, 16) + chunk("fact", le32(2)) + chunk("data", pcm16({1, -1})))
        << 8000 << QVector<float>{1 / 32768.0f, -1 / 32768.0f};
    QTest::newRow("data shorter than it claims: what is there")
        << riff(fmt(1, 1, 8000, 16) + chunk("data", pcm16({8192, 8192}), 400)) << 8000 << QVector<float>{0.25f, 0.25f};
    QTest::newRow("a half frame at the end is left out")
        << riff(fmt(1, 1, 8000, 16) + chunk("data", pcm16({8192, 8192}) + QByteArray(1, '\x7f'))) << 8000
        << QVector<float>{0.25f, 0.25f};
    QTest::newRow("no samples") << riff(fmt(1, 1, 11025, 16) + chunk("data", {})) << 11025 << QVector<float>{};
}

void TestWavPcm::decode()
{
    QFETCH(QByteArray, file);
    QFETCH(int, rate);
    QFETCH(QVector<float>, samples);
    const std::optional<WavPcm::Pcm> pcm = WavPcm::decode(file);
    QVERIFY(pcm);
    QCOMPARE(pcm->rate, rate);
    QCOMPARE(static_cast<qsizetype>(pcm->samples.size()), samples.size());
    for (qsizetype i = 0; i < samples.size(); ++i)
        QVERIFY2(std::abs(pcm->samples[static_cast<std::size_t>(i)] - samples[i]) < 1e-6f,
                 qPrintable(QStringLiteral("sample %1: %2, not %3").arg(i).arg(pcm->samples[i]).arg(samples[i])));
}

void TestWavPcm::refuses_data()
{
    QTest::addColumn<QByteArray>("file");
    const QByteArray dati = chunk("data", pcm16({1, 2}));
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("cut inside the header") << riff(fmt(1, 1, 8000, 16) + dati).left(10);
    QTest::newRow("not RIFF") << QByteArray("RIFX") + riff(fmt(1, 1, 8000, 16) + dati).mid(4);
    QTest::newRow("RIFF but not WAVE") << riff(fmt(1, 1, 8000, 16) + dati, "AVI ");
    QTest::newRow("samples before their format") << riff(dati + fmt(1, 1, 8000, 16));
    QTest::newRow("no samples chunk") << riff(fmt(1, 1, 8000, 16));
    QTest::newRow("compressed (ADPCM)") << riff(fmt(2, 1, 8000, 4, 256) + dati);
    QTest::newRow("format chunk too short") << riff(chunk("fmt ", le16(1) + le16(1) + le32(8000)) + dati);
    QTest::newRow("block size disagreeing with the samples") << riff(fmt(1, 1, 8000, 16, 4) + dati);
    QTest::newRow("12-bit samples") << riff(fmt(1, 1, 8000, 12, 2) + dati);
    QTest::newRow("no channels") << riff(fmt(1, 0, 8000, 16, 0) + dati);
    QTest::newRow("no rate") << riff(fmt(1, 1, 0, 16) + dati);
    QTest::newRow("64-bit float") << riff(fmt(3, 1, 8000, 64) + dati);
}

void TestWavPcm::refuses()
{
    QFETCH(QByteArray, file);
    QVERIFY(!WavPcm::decode(file));
}

void TestWavPcm::resampleKeepsTheTone_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<double>("hz");
    // The program's own rates to the usual output rates, and down.
    QTest::newRow("8000 to 44100, 1 kHz") << 8000 << 44100 << 1000.0;
    QTest::newRow("6000 to 48000, 700 Hz") << 6000 << 48000 << 700.0;
    QTest::newRow("11025 to 48000, 3 kHz") << 11025 << 48000 << 3000.0;
    QTest::newRow("22050 to 44100, 7 kHz") << 22050 << 44100 << 7000.0;
    QTest::newRow("22050 to 96000, 5 kHz") << 22050 << 96000 << 5000.0;
    QTest::newRow("48000 to 44100, 2 kHz") << 48000 << 44100 << 2000.0;
    QTest::newRow("44100 to 8000, 1 kHz") << 44100 << 8000 << 1000.0;
    QTest::newRow("same rate") << 11025 << 11025 << 1000.0;
}

void TestWavPcm::resampleKeepsTheTone()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(double, hz);
    const std::vector<float> in = sine(from, hz, 0.25, 0.5);
    const std::vector<float> out = WavPcm::resample(in, from, to);
    QCOMPARE(static_cast<qint64>(out.size()), (static_cast<qint64>(in.size()) * to + from / 2) / from);
    // Away from the edges, where the tone starts and stops, it is the same tone at the new rate.
    const std::vector<float> atteso = sine(to, hz, 0.25, 0.5);
    double peggiore = 0;
    for (std::size_t i = to / 50; i + to / 50 < out.size(); ++i)
        peggiore = std::max(peggiore, std::abs(static_cast<double>(out[i]) - atteso[i]));
    QVERIFY2(peggiore < 0.005, qPrintable(QStringLiteral("off by %1").arg(peggiore)));
}

void TestWavPcm::resampleDropsWhatTheNewRateCannotCarry()
{
    // 6 kHz has no place below 4 kHz: going down to 8000 it must vanish, not fold back as 2 kHz.
    const std::vector<float> out = WavPcm::resample(sine(22050, 6000, 0.25, 0.5), 22050, 8000);
    double energia = 0;
    const std::size_t bordo = 8000 / 50;
    for (std::size_t i = bordo; i + bordo < out.size(); ++i)
        energia += static_cast<double>(out[i]) * out[i];
    const double rms = std::sqrt(energia / static_cast<double>(out.size() - 2 * bordo));
    QVERIFY2(rms < 0.005, qPrintable(QStringLiteral("what is left: %1").arg(rms)));
}

void TestWavPcm::toFormat_data()
{
    QTest::addColumn<QAudioFormat>("format");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("16-bit mono") << formato(8000, 1, QAudioFormat::Int16)
                                 << native<qint16>({0, 16384, -32768, 32767, -8192});
    QTest::newRow("8-bit unsigned") << formato(8000, 1, QAudioFormat::UInt8) << native<quint8>({128, 192, 0, 255, 96});
    QTest::newRow("32-bit integers") << formato(8000, 1, QAudioFormat::Int32)
                                     << native<qint32>({0, 1 << 30, INT32_MIN, INT32_MAX, -(1 << 29)});
    QTest::newRow("float, every channel the same")
        << formato(8000, 2, QAudioFormat::Float) << native<float>({0, 0, 0.5f, 0.5f, -1, -1, 1, 1, -0.25f, -0.25f});
    QTest::newRow("no sample format") << formato(8000, 1, QAudioFormat::Unknown) << QByteArray();
    QTest::newRow("no channels") << formato(8000, 0, QAudioFormat::Int16) << QByteArray();
}

void TestWavPcm::toFormat()
{
    QFETCH(QAudioFormat, format);
    QFETCH(QByteArray, bytes);
    WavPcm::Pcm pcm;
    pcm.rate = 8000;
    pcm.samples = {0, 0.5f, -1, 1.5f, -0.25f}; // 1.5 is beyond full scale: it is clipped
    QCOMPARE(WavPcm::toFormat(pcm, format), bytes);
}

QTEST_MAIN(TestWavPcm)
#include "tst_wavpcm.moc"
