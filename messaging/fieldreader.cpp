#include "messaging/fieldreader.h"

#include "messaging/errors.h"
#include "messaging/integer.h"

namespace pictova {

QString FieldReader::field()
{
    const qsizetype plus = m_rest.indexOf(QLatin1Char('+'));
    if (plus < 0) {
        QString last = m_rest;
        m_rest.clear();
        return last;
    }
    QString value = m_rest.left(plus);
    m_rest.remove(0, plus + 1);
    return value;
}

QString FieldReader::rest()
{
    QString value = m_rest;
    m_rest.clear();
    return value;
}

qint32 FieldReader::integer()
{
    const QString text = field();
    if (auto value = tryParseInteger(text))
        return *value;
    fail(ConversionError(text).text());
    return 0;
}

qint32 FieldReader::checkedInteger()
{
    const qint32 value = integer();
    finish();
    return value;
}

qint32 FieldReader::integerIn(qint32 low, qint32 high)
{
    const QString text = field();
    auto value = tryParseInteger(text);
    if (!value) {
        fail(ConversionError(text).text());
        return 0;
    }
    if (*value < low || *value > high) {
        fail(QStringLiteral("%1 is outside %2..%3").arg(*value).arg(low).arg(high));
        return 0;
    }
    return *value;
}

void FieldReader::fail(const QString& text)
{
    if (m_error.isEmpty())
        m_error = text;
}

void FieldReader::finish() const
{
    if (!m_error.isEmpty())
        throw PictovaError(m_error);
}

} // namespace pictova
