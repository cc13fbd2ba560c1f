#pragma once
// How a Life Path or Destiny number was reached, in words, for the tooltips of
// the result headings. The engine reports the passes of its reduction; this
// turns them into the user's language. The arithmetic uses "→" between passes.

#include <QCoreApplication>
#include <QString>

#include <cstdint>
#include <string_view>

class ReductionText {
    Q_DECLARE_TR_FUNCTIONS(ReductionText)

public:
    // "1 + 1 + 1900 = 1902 → 1 + 9 + 0 + 2 = 12 → 1 + 2 = 3"
    static QString lifePath(std::int16_t day, std::int16_t month, std::int16_t year);

    // "letter total 47 → 4 + 7 = 11 → 11 counts as 1 + 1 = 2"; the last step
    // appears only for the master numbers 11 and 22, which are folded before
    // they are paired.
    static QString destiny(std::string_view name);
};
