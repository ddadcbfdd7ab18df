#pragma once

#include <QString>

namespace pictova {

// Takes a payload's fields off the front: each field runs to the next "+", the last one takes
// the rest. Number conversion errors are sticky: read everything, then check once.
class FieldReader
{
public:
    explicit FieldReader(const QString& payload) : m_rest(payload) {}

    QString field();
    QString rest();
    qint32 integer();
    // A number, then `finish()`: throws at once on this or any earlier error.
    qint32 checkedInteger();
    // A number in [low, high]; outside it the reader fails.
    qint32 integerIn(qint32 low, qint32 high);

    bool ok() const { return m_error.isEmpty(); }
    QString error() const { return m_error; }
    // Throws the first error met, if any.
    void finish() const;

private:
    void fail(const QString& text);

    QString m_rest;
    QString m_error;
};

} // namespace pictova
