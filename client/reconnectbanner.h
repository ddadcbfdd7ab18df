#pragma once

#include <QFrame>

class QLabel;
class QPushButton;

namespace pictova {

class ClientSession;

// Over the top of the board while a game joined from the window tries to get back in after
// losing its connection: which attempt is next, and a way to stop trying.
class ReconnectBanner : public QFrame
{
    Q_OBJECT
public:
    ReconnectBanner(ClientSession& session, QWidget* board);

    QString text() const;
    QPushButton* giveUpButton() const { return m_giveUp; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showAttempt(int attempt);
    void place();

    QLabel* m_text;
    QPushButton* m_giveUp;
};

} // namespace pictova
