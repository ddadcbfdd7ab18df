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
    // Where the code goes: below the link (a dialog of its own), or beside it, where the panel
    // shares a dialog whose height is short at large UI scales.
    enum class Arrangement { CodeBelow, CodeBeside };
    explicit InvitePanel(QWidget* parent = nullptr, Arrangement arrangement = Arrangement::CodeBelow);

    // Shows `link`; an empty link says the game takes no browser players.
    void setLink(const QString& link);
    // Pixels a module of the code takes (5 unless set): smaller where the panel shares a dialog.
    void setModuleSize(int pixels);
    // A line above the link saying what it is for; none unless set.
    void setCaption(const QString& caption);
    QString link() const { return m_link; }

private:
    void copyLink();

    QString m_link;
    int m_moduleSize = 5;
    QLabel* m_caption = nullptr;
    QLabel* m_text = nullptr;
    QLabel* m_code = nullptr;
    QPushButton* m_copy = nullptr;
};

} // namespace pictova
