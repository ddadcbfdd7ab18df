// The INI reader: whatever the settings file holds (it may have been edited by hand or by another
// program), reading it never fails, the file is kept byte for byte until we change a key, what we
// save reads back as saved, and nobody else's sections and keys are touched.

#include "fuzz/fuzzsupport.h"
#include "messaging/integer.h"
#include "shell/inifile.h"
#include "shell/settings.h"
#include "shell/zoomsetting.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <QFile>
#include <QTemporaryDir>
#include <algorithm>

using namespace pictova;

namespace {

QString* path = nullptr;
const QString kMissing = QStringLiteral("\x01missing");

void writeFile(const QByteArray& bytes)
{
    QFile file(*path);
    FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    FUZZ_CHECK(file.write(bytes) == bytes.size());
}

const QStringList kOurKeys = {"Textsize", "Snapcount", "Textcolor", "Actioncolor", "Playsounds", "Phrase1",
                              "Phrase2",  "Phrase3",   "Phrase4",   "Phrase5",     "Phrase6",    "Phrase7",
                              "Phrase8",  "Phrase9",   "Phrase10",  "Zoom"};

bool ours(const QString& section, const QString& key)
{
    return section.compare(QLatin1String(kSettingsSection), Qt::CaseInsensitive) == 0 &&
           kOurKeys.contains(key, Qt::CaseInsensitive);
}

// A value as it reads back: on one line and without blanks at either end.
QString asStored(QString value)
{
    for (QChar& c : value)
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n') || c == QChar(0))
            c = QLatin1Char(' ');
    qsizetype begin = 0;
    qsizetype end = value.size();
    const auto blank = [&](qsizetype i) {
        return value[i] == QLatin1Char(' ') || value[i] == QLatin1Char('\t');
    };
    while (begin < end && blank(begin))
        ++begin;
    while (end > begin && blank(end - 1))
        --end;
    return value.mid(begin, end - begin);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzz::startCoreApplication(argc, argv);
    static QTemporaryDir folder(fuzz::scratchTemplate());
    path = new QString(folder.filePath(QStringLiteral("orvilobby.ini")));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const QString probeSection = QString::fromUtf8(input.ConsumeRandomLengthString(12));
    const QString probeKey = QString::fromUtf8(input.ConsumeRandomLengthString(12));
    SavedSettings saved;
    saved.textsize = input.ConsumeIntegralInRange<int>(1, 72);
    saved.snapcount = input.ConsumeIntegral<qint32>();
    saved.textcolour = input.ConsumeIntegral<quint32>();
    saved.actioncolour = input.ConsumeIntegral<quint32>();
    saved.playsounds = input.ConsumeBool();
    const int zoom = input.ConsumeIntegral<int>();
    QStringList phrases;
    for (int n = 0; n < kPhraseCount && input.ConsumeBool(); ++n)
        phrases << QString::fromUtf8(input.ConsumeRandomLengthString(16));
    const QByteArray original = QByteArray::fromStdString(input.ConsumeRemainingBytesAsString());
    writeFile(original);

    // Read as it is: nothing thrown, every value within its range, the text kept exactly.
    const IniFile before(*path);
    FUZZ_CHECK(before.contents() == original);
    const LoadedSettings loaded = loadSettings(*path, 7);
    FUZZ_CHECK(loaded.textsize >= 1 && loaded.textsize <= 72);
    FUZZ_CHECK(loaded.phrases.size() == kPhraseCount);
    if (const std::optional<int> remembered = loadZoom(*path))
        FUZZ_CHECK(std::find(kZoomSteps.begin(), kZoomSteps.end(), *remembered) != kZoomSteps.end());
    const QString probed = before.readString(probeSection, probeKey, kMissing);
    FUZZ_CHECK(before.readInteger(probeSection, probeKey, 12345) ==
               (probed == kMissing ? 12345 : tryParseInteger(probed).value_or(12345)));

    // What we save reads back, and what is not ours stays as it was.
    saveSettings(*path, saved);
    savePhrases(*path, phrases);
    saveZoom(*path, zoom);
    const LoadedSettings reread = loadSettings(*path, 7);
    FUZZ_CHECK(reread.textsize == saved.textsize);
    FUZZ_CHECK(reread.snapcount == saved.snapcount);
    FUZZ_CHECK(reread.textcolour == saved.textcolour);
    FUZZ_CHECK(reread.actioncolour == saved.actioncolour);
    FUZZ_CHECK(reread.playsounds == saved.playsounds);
    FUZZ_CHECK(loadZoom(*path) == nearestZoomStep(zoom));
    for (int n = 0; n < kPhraseCount; ++n)
        FUZZ_CHECK(reread.phrases[n] == asStored(phrases.value(n)));
    const IniFile after(*path);
    if (!ours(probeSection, probeKey))
        FUZZ_CHECK(after.readString(probeSection, probeKey, kMissing) == probed);
    return 0;
}
