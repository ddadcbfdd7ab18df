#pragma once

#include <QWidget>

class QAbstractButton;
class QLabel;
class QStackedWidget;
class QTextBrowser;

namespace pictova {

// The help window: one button per page on the left, the page in front on the right.
class HelpWindow : public QWidget
{
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // The page button's tag names the page ("memo" + tag); its caption becomes the heading.
    void showPageOf(QAbstractButton* button);

    void showPage(int tag, const QString& caption);
    QTextBrowser* currentPage() const;
    QString caption() const;

signals:
    void aboutRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void fitToText();

    QLabel* m_caption;
    QStackedWidget* m_pages;
};

} // namespace pictova
