#pragma once

#include <QStringList>

namespace pictova {

inline constexpr int kCategoryCount = 7;

// The compiled-in word list of a category 0..6, one entry per line, in stored order.
QStringList loadWordList(int category);

} // namespace pictova
