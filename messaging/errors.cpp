#include "messaging/errors.h"

#include "messaging/peertext.h"

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

void setErrorReporter(ErrorReporter reporter)
{
    reporterSlot() = std::move(reporter);
}

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
    // Both may hold a peer's text: kept short, and unable to break the line or fake another.
    std::fprintf(stderr, "pictova: dropped %s: %s\n",
                 peertext::escapedForLog(context.left(40)).toLocal8Bit().constData(),
                 peertext::escapedForLog(text.left(200)).toLocal8Bit().constData());
}

} // namespace pictova
