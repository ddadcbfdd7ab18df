#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

namespace pictova {

// The link to a game's web client, a Copy button and the link's QR code for phones to scan.
class InvitePanel : public QWidget
{
    Q_OBJECT
public:
    explicit InvitePanel(QWidget* parent = nullptr);

    // Shows `link`; an empty link says the game takes no browser players.
    void setLink(const QString& link);
    // Pixels a module of the code takes (5 unless set): smaller where the panel shares a dialog.
    void setModuleSize(int pixels);
    QString link() const { return m_link; }

private:
    void copyLink();

    QString m_link;
    int m_moduleSize = 5;
    QLabel* m_text = nullptr;
    QLabel* m_code = nullptr;
    QPushButton* m_copy = nullptr;
};

} // namespace pictova
