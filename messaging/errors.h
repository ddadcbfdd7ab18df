#pragma once

#include <QString>
#include <functional>
#include <stdexcept>

namespace pictova {

// Every error the game raises carries the exact text a player sees in the error box.
class PictovaError : public std::runtime_error
{
public:
    explicit PictovaError(const QString& text) : std::runtime_error(text.toStdString()), m_text(text) {}
    QString text() const { return m_text; }

private:
    QString m_text;
};

// A text that should have been a whole number.
class ConversionError : public PictovaError
{
public:
    explicit ConversionError(const QString& offending);
};

// A failure of the socket transport.
class ESockException : public PictovaError
{
public:
    using PictovaError::PictovaError;
};

// Where errors of the player's own actions go. The shell installs the error box; until then,
// and in headless programs, they go to standard error.
using ErrorReporter = std::function<void(const QString&)>;
void setErrorReporter(ErrorReporter reporter);
void reportError(const QString& text);

// Errors caused by what a peer sent never open a box: a peer could bury the screen in them.
void reportPeerError(const QString& context, const QString& text);

} // namespace pictova
