#include "messaging/errors.h"

#include <cstdio>

namespace pictova {

namespace {
ErrorReporter& reporterSlot()
{
    static ErrorReporter reporter;
    return reporter;
}
} // namespace

ConversionError::ConversionError(const QString& offending)
    : PictovaError(QStringLiteral("'%1' is not a valid integer value").arg(offending))
{
}

void setErrorReporter(ErrorReporter reporter) { reporterSlot() = std::move(reporter); }

void reportError(const QString& text)
{
    if (reporterSlot()) {
        reporterSlot()(text);
        return;
    }
    std::fprintf(stderr, "pictova: %s\n", text.toLocal8Bit().constData());
}

void reportPeerError(const QString& context, const QString& text)
{
    // A peer's text may be long or hold control bytes; keep the log line short and printable.
    QString shown = text.left(200);
    for (QChar& c : shown)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            c = QLatin1Char('?');
    std::fprintf(stderr, "pictova: dropped %s: %s\n", context.left(40).toLocal8Bit().constData(),
                 shown.toLocal8Bit().constData());
}

} // namespace pictova
