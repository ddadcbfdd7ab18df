#pragma once

#include "shell/steppedrange.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace pictova {

class UpDown;

// The host's start dialog. Its two fields also keep the running game's settings on every client:
// the announced score and time are written back into them.
class Tgamestartform : public QWidget
{
    Q_OBJECT
public:
    explicit Tgamestartform(QWidget* parent = nullptr);

    QString playtoText() const;
    QString timeText() const;
    bool teamChecked() const;

    // A game was announced: show its values (kept within the fields' limits and steps).
    void setAnnounced(int playto, int seconds);

    void FlatButton1Click();

    static constexpr int kClientWidth = 240;
    static constexpr int kClientHeight = 129;

signals:
    // "Start Game" was pressed; the game window sends the request from the fields.
    void startRequested();
    // Closed with its close box: no game was asked for.
    void dismissed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showValues();

    SteppedRange m_playto{20, 100, 5, 20};
    SteppedRange m_time{60, 120, 5, 120};
    QLineEdit* m_playtoscore;
    UpDown* m_upDown1;
    QLineEdit* m_timeperturn;
    UpDown* m_upDown2;
    QCheckBox* m_team;
    QPushButton* m_flatButton1;
};

} // namespace pictova
