// Colour text Read: the text of a chat line's colour, a stroke's colour and the settings file's
// colours. Whatever the text, reading either gives a value that writes and reads back to itself
// or fails with the conversion error naming the text; and every value paints as some colour.

#include "fuzz/fuzzsupport.h"
#include "messaging/colourtext.h"
#include "messaging/errors.h"
#include "messaging/integer.h"
#include "resources/syscolours.h"

#include <fuzzer/FuzzedDataProvider.h>

using namespace pictova;

namespace {

void checkValue(ColourValue value)
{
    const QString written = colourtext::write(value);
    FUZZ_CHECK(!written.isEmpty());
    FUZZ_CHECK(colourtext::read(written) == value);
    FUZZ_CHECK(colourtext::read(written.toLower()) == value);
    const QColor painted = toQColor(value);
    FUZZ_CHECK(painted.isValid());
    if (value < 0x01000000)
        FUZZ_CHECK(fromQColor(painted) == value);
}

void checkText(const QString& text)
{
    std::optional<ColourValue> value;
    try {
        value = colourtext::read(text);
    } catch (const ConversionError& error) {
        FUZZ_CHECK(error.text() == QStringLiteral("'%1' is not a valid integer value").arg(text));
        FUZZ_CHECK(!tryParseInteger(text).has_value());
        return;
    }
    // A text that is no name of the table reads as the number it spells.
    bool named = false;
    for (int i = 0; i < colourtext::tableSize(); ++i)
        named = named || text.compare(QLatin1String(colourtext::table()[i].name), Qt::CaseInsensitive) == 0;
    if (!named) {
        const std::optional<qint32> number = tryParseInteger(text);
        FUZZ_CHECK(number.has_value() && static_cast<ColourValue>(*number) == *value);
    }
    checkValue(*value);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzz::startGuiApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    // Network text arrives as Latin-1, the settings file's as UTF-8.
    checkText(QString::fromLatin1(bytes));
    checkText(QString::fromUtf8(bytes));
    if (size >= 4) {
        FuzzedDataProvider input(data, size);
        checkValue(input.ConsumeIntegral<quint32>());
    }
    return 0;
}
