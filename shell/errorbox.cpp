#include "shell/errorbox.h"

#include "messaging/errors.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QTimer>

#include <cstdio>

namespace pictova {

ErrorBox::ErrorBox(QWidget* mainWindow) : QObject(mainWindow ? static_cast<QObject*>(mainWindow) : qApp)
{
    m_box = new QMessageBox(QMessageBox::Critical, QStringLiteral("Pictova"), QString(), QMessageBox::Ok,
                            mainWindow);
    m_box->setObjectName(QStringLiteral("errorbox"));
    m_box->setModal(false);
    m_box->setWindowModality(Qt::NonModal);
    // Error texts can carry what somebody typed; they are never markup.
    m_box->setTextFormat(Qt::PlainText);
}

QMessageBox* ErrorBox::box() const
{
    return m_box.data();
}

ErrorBox::~ErrorBox()
{
    if (m_box && !m_box->parent())
        delete m_box;
}

bool ErrorBox::isOpen() const
{
    return m_box && m_box->isVisible();
}

QString ErrorBox::text() const
{
    return m_lines.join(QLatin1Char('\n'));
}

void ErrorBox::report(const QString& text)
{
    if (!m_box)
        return;
    const QString line = text.left(kMaxLineLength);
    if (!isOpen())
        m_lines.clear();
    if (m_lines.isEmpty() || m_lines.last() != line)
        m_lines.append(line);
    while (m_lines.size() > kMaxLines)
        m_lines.removeFirst();
    if (!isOpen()) {
        m_box->setText(m_lines.join(QLatin1Char('\n')));
        m_box->show();
        m_box->raise();
        return;
    }
    // Laying out the box again for every one of a burst of errors would stall the game; the box
    // catches up once per turn of the event loop.
    if (m_refreshPending)
        return;
    m_refreshPending = true;
    QTimer::singleShot(0, this, [this] {
        m_refreshPending = false;
        if (m_box)
            m_box->setText(m_lines.join(QLatin1Char('\n')));
    });
}

ErrorBox* installErrorBox(QWidget* mainWindow)
{
    auto* errorBox = new ErrorBox(mainWindow);
    QPointer<ErrorBox> guard(errorBox);
    setErrorReporter([guard](const QString& text) {
        if (guard) {
            guard->report(text);
            return;
        }
        // The window is gone (the program is closing); the error still deserves a trace.
        std::fprintf(stderr, "pictova: %s\n", text.toLocal8Bit().constData());
    });
    return errorBox;
}

} // namespace pictova
