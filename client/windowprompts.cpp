#include "client/windowprompts.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace pictova::prompts {

void showNotice(QWidget* window, const QString& text, std::function<void()> then)
{
    for (QMessageBox* open :
         window->findChildren<QMessageBox*>(QStringLiteral("messagebox"), Qt::FindDirectChildrenOnly))
        if (open->isVisible() && open->text() == text)
            return;
    auto* box =
        new QMessageBox(QMessageBox::NoIcon, QStringLiteral("Pictova"), text, QMessageBox::Ok, window);
    box->setObjectName(QStringLiteral("messagebox"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setModal(false);
    if (then)
        QObject::connect(box, &QMessageBox::finished, window, [then] { then(); });
    box->show();
}

void askToRestart(QWidget* window, std::function<void()> then)
{
    if (QMessageBox* open =
            window->findChild<QMessageBox*>(QStringLiteral("confirmRestart"), Qt::FindDirectChildrenOnly)) {
        open->raise();
        return;
    }
    auto* box = new QMessageBox(
        QMessageBox::Question, QStringLiteral("Pictova"),
        QCoreApplication::translate("pictova::prompts",
                                    "A game is running. Start a new one? Every score goes back to 0."),
        QMessageBox::Yes | QMessageBox::No, window);
    box->setObjectName(QStringLiteral("confirmRestart"));
    box->setDefaultButton(QMessageBox::No);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setModal(false);
    QObject::connect(box, &QMessageBox::finished, window, [then](int result) {
        if (result == QMessageBox::Yes)
            then();
    });
    box->show();
}

void askToLeave(QWidget* window, int others, std::function<void()> then)
{
    if (window->findChild<QMessageBox*>(QStringLiteral("leaveConfirmation"), Qt::FindDirectChildrenOnly))
        return;
    const QString text =
        others == 1 ? QCoreApplication::translate("pictova::prompts",
                                                  "1 player is in this game. Leaving ends it for everyone.")
                    : QCoreApplication::translate(
                          "pictova::prompts", "%1 players are in this game. Leaving ends it for everyone.")
                          .arg(others);
    auto* box = new QMessageBox(QMessageBox::Question, QStringLiteral("Pictova"), text, QMessageBox::NoButton,
                                window);
    box->setObjectName(QStringLiteral("leaveConfirmation"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    QPushButton* leave =
        box->addButton(QCoreApplication::translate("pictova::prompts", "Leave"), QMessageBox::AcceptRole);
    leave->setObjectName(QStringLiteral("leaveButton"));
    box->addButton(QMessageBox::Cancel)->setObjectName(QStringLiteral("stayButton"));
    box->setDefaultButton(QMessageBox::Cancel);
    QObject::connect(box, &QMessageBox::buttonClicked, window,
                     [window, leave, then](QAbstractButton* clicked) {
                         if (clicked == leave)
                             QTimer::singleShot(0, window, then);
                     });
    box->open();
}

} // namespace pictova::prompts
