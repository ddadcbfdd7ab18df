#pragma once

#include "client/clientlink.h"

namespace pictova {

// The flow of a game as the window shows it: the start, the category pick, the turn, the pass.
class RoundsHandler
{
public:
    explicit RoundsHandler(ClientContext& context) : m_ctx(context) {}

    void startthegame(const QString& payload);
    void pickcatagory(const QString& payload);
    void getnextplayer(const QString& payload);
    void givedraweranswer(const QString& payload);
    void passed(const QString& payload);

    void button_cat1Click(int category);
    void button_passClick();

    // Points the row marker at a seat's row.
    void moveToRow(QWidget* widget, int seat, int offset) const;

private:
    ClientContext& m_ctx;
};

// The category buttons from the top of the pick panel down.
inline constexpr int kCategoryButtonOrder[7] = {0, 6, 1, 3, 4, 5, 2};

} // namespace pictova
