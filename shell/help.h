#pragma once

#include <QWidget>

class QAbstractButton;
class QLabel;
class QStackedWidget;
class QTextBrowser;

namespace pictova {

// The help window: one button per page on the left, the page in front on the right.
class Thelp : public QWidget
{
    Q_OBJECT
public:
    explicit Thelp(QWidget* parent = nullptr);

    // The page button's tag names the page ("memo" + tag); its caption becomes the heading.
    void SelButton1Click(QAbstractButton* button);
    void SelButton7Click();
    void SelButton8Click();

    void showPage(int tag, const QString& caption);
    QTextBrowser* currentPage() const;
    QString caption() const;

    static constexpr int kWidth = 500;
    static constexpr int kHeight = 452;
    static constexpr int kPanelWidth = 134;

signals:
    void aboutRequested();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel* m_caption;
    QStackedWidget* m_pages;
};

} // namespace pictova
