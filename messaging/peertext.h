#pragma once

#include <QString>

namespace pictova::peertext {

// Whether `c` steers the direction of the text around it: the embeddings, overrides, isolates
// and direction marks.
bool isBidiControl(QChar c);

bool holdsBidiControl(const QString& text);

// `text` for one line of a log: backslashes doubled, and every character that could end the
// line, steer a terminal or turn the rest of the line around (controls, line and paragraph
// separators, direction controls) written as "\x" and its hexadecimal code.
QString escapedForLog(const QString& text);

// `text` shown among other words: when it holds direction controls it is wrapped in an isolate
// (U+2068 ... U+2069) that closes whatever it opened, so it cannot turn the words after it around.
// Text without them is returned as it is.
QString isolated(const QString& text);

} // namespace pictova::peertext
