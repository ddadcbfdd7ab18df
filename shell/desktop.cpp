#include "shell/desktop.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QProcess>

namespace pictova {

bool openWithDesktop(const QUrl& url)
{
    return QDesktopServices::openUrl(url);
}

bool launchDetached(const QString& program)
{
    return QProcess::startDetached(program, {});
}

void showMessage(QWidget* parent, const QString& text)
{
    auto* box =
        new QMessageBox(QMessageBox::NoIcon, QStringLiteral("Pictova"), text, QMessageBox::Ok, parent);
    box->setTextFormat(Qt::PlainText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setModal(false);
    box->setWindowModality(Qt::NonModal);
    box->show();
}

} // namespace pictova
