#include <QByteArray>
#include <QFile>
#include <QString>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>

// Static libraries need their resources registered by hand; the macro must sit outside any namespace.
static void registerSoundResources()
{
    Q_INIT_RESOURCE(sound_files);
}

namespace {

struct Wav
{
    int format = 0;
    int channels = 0;
    int rate = 0;
    int byteRate = 0;
    int blockAlign = 0;
    int bits = 0;
    QByteArray samples;

    double seconds() const { return byteRate > 0 ? double(samples.size()) / byteRate : 0; }
    int frames() const { return blockAlign > 0 ? int(samples.size() / blockAlign) : 0; }
    // One mono sample scaled to -1..1; 8-bit WAV data is unsigned around 128, 16-bit is signed.
    double sample(int i) const
    {
        const auto* d = reinterpret_cast<const uint8_t*>(samples.constData());
        if (bits == 8)
            return (int(d[i]) - 128) / 128.0;
        return int16_t(uint16_t(d[2 * i] | d[2 * i + 1] << 8)) / 32768.0;
    }
};

uint32_t le32(const QByteArray& b, qsizetype at)
{
    const auto* d = reinterpret_cast<const uint8_t*>(b.constData()) + at;
    return uint32_t(d[0]) | uint32_t(d[1]) << 8 | uint32_t(d[2]) << 16 | uint32_t(d[3]) << 24;
}
uint16_t le16(const QByteArray& b, qsizetype at)
{
    const auto* d = reinterpret_cast<const uint8_t*>(b.constData()) + at;
    return uint16_t(d[0] | d[1] << 8);
}

// Walks the RIFF chunks the way a strict player would; any inconsistency gives no result.
std::optional<Wav> parseWav(const QByteArray& file)
{
    if (file.size() < 12 || !file.startsWith("RIFF") || file.mid(8, 4) != "WAVE")
        return std::nullopt;
    if (le32(file, 4) != uint32_t(file.size() - 8))
        return std::nullopt;
    Wav wav;
    bool haveFormat = false, haveData = false;
    qsizetype at = 12;
    while (at + 8 <= file.size()) {
        const QByteArray id = file.mid(at, 4);
        const qsizetype size = le32(file, at + 4);
        const qsizetype body = at + 8;
        if (body + size > file.size())
            return std::nullopt;
        if (id == "fmt ") {
            if (size < 16)
                return std::nullopt;
            wav.format = le16(file, body);
            wav.channels = le16(file, body + 2);
            wav.rate = int(le32(file, body + 4));
            wav.byteRate = int(le32(file, body + 8));
            wav.blockAlign = le16(file, body + 12);
            wav.bits = le16(file, body + 14);
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat)
                return std::nullopt;
            wav.samples = file.mid(body, size);
            haveData = true;
        }
        at = body + size + (size & 1);
    }
    if (!haveFormat || !haveData)
        return std::nullopt;
    return wav;
}

struct Sound
{
    const char* name;
    int bits;
    double maxSeconds;
    double minSeconds = 0.2;
};

const Sound kSounds[] = {
    {"cat0", 8, 2.0},    {"cat1", 8, 2.0},     {"cat2", 8, 2.0},     {"cat3", 8, 2.0},
    {"cat4", 8, 2.0},    {"cat5", 8, 2.0},     {"cat6", 8, 2.0},     {"correct", 16, 3.0, 0.8},
    {"entered", 8, 1.0}, {"gameover", 8, 3.0}, {"noanswer", 8, 1.5}, {"pass", 8, 0.4},
    {"turn", 8, 1.0},
};

QByteArray readSound(const char* name)
{
    static const bool registered = [] {
        registerSoundResources();
        return true;
    }();
    (void)registered;
    QFile file(QStringLiteral(":/sounds/%1.wav").arg(QLatin1String(name)));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

} // namespace

TEST(Sounds, EachIsPlainMonoPcmOfTheRightWidthRateAndLength)
{
    for (const Sound& sound : kSounds) {
        SCOPED_TRACE(sound.name);
        const QByteArray data = readSound(sound.name);
        ASSERT_FALSE(data.isEmpty()) << "missing from the resources";
        const std::optional<Wav> wav = parseWav(data);
        ASSERT_TRUE(wav.has_value()) << "not a well-formed RIFF/WAVE file";
        EXPECT_EQ(wav->format, 1) << "uncompressed PCM";
        EXPECT_EQ(wav->channels, 1);
        EXPECT_EQ(wav->bits, sound.bits);
        EXPECT_TRUE(wav->rate == 11025 || wav->rate == 22050 || wav->rate == 24000) << wav->rate;
        EXPECT_EQ(wav->blockAlign, wav->channels * wav->bits / 8);
        EXPECT_EQ(wav->byteRate, wav->rate * wav->blockAlign);
        EXPECT_EQ(wav->samples.size() % wav->blockAlign, 0);
        EXPECT_GE(wav->seconds(), sound.minSeconds);
        EXPECT_LE(wav->seconds(), sound.maxSeconds);
    }
}

TEST(Sounds, LevelsAreAudibleUnclippedAndFadedAtTheEnds)
{
    for (const Sound& sound : kSounds) {
        SCOPED_TRACE(sound.name);
        const std::optional<Wav> wav = parseWav(readSound(sound.name));
        ASSERT_TRUE(wav.has_value());
        ASSERT_GT(wav->frames(), 100);
        double peak = 0;
        for (int i = 0; i < wav->frames(); ++i)
            peak = std::max(peak, std::abs(wav->sample(i)));
        // Made at about -3 dB: quieter means a broken mix, louder risks clipping.
        EXPECT_GT(peak, 0.5);
        EXPECT_LT(peak, 0.95);
        // A sound that starts or stops at full swing clicks in the speaker.
        const int edge = 4;
        for (int i = 0; i < edge; ++i) {
            EXPECT_LT(std::abs(wav->sample(i)), 0.08) << "start sample " << i;
            EXPECT_LT(std::abs(wav->sample(wav->frames() - 1 - i)), 0.08) << "end sample " << i;
        }
    }
}

TEST(Sounds, AllTogetherStaySmall)
{
    qsizetype total = 0;
    for (const Sound& sound : kSounds)
        total += readSound(sound.name).size();
    EXPECT_LT(total, 400 * 1024);
}
