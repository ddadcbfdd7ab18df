#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <QMessageBox>
class QWidget;

namespace pictova {

// The application's one error box. It never piles up: while it is open a new error is added to
// the text it shows, and it never blocks the game behind it.
class ErrorBox : public QObject
{
    Q_OBJECT
public:
    explicit ErrorBox(QWidget* mainWindow);
    ~ErrorBox() override;

    void report(const QString& text);

    bool isOpen() const;
    QString text() const; // what the box shows (after the current burst of errors, at once)
    QMessageBox* box() const;

    // Errors kept in the text while the box stays open; older ones give way.
    static constexpr int kMaxLines = 10;
    static constexpr int kMaxLineLength = 500;

private:
    QPointer<QMessageBox> m_box;
    QStringList m_lines;
    bool m_refreshPending = false;
};

// Makes reportError() show its text in the error box; returns that box (owned by mainWindow, or
// by the application when there is no main window).
ErrorBox* installErrorBox(QWidget* mainWindow);

} // namespace pictova
