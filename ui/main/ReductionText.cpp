#include "ui/main/ReductionText.h"

#include "engine/modLoveCompatibility.h"

namespace mlc = modLoveCompatibility;

namespace {

QString arrow() { return QStringLiteral(" \u2192 "); }

// "1 + 9 + 0 + 2" for 1902.
QString digitsJoined(int n) {
    const QString digits = QString::number(n);
    QString out;
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (i > 0) {
            out += QStringLiteral(" + ");
        }
        out += digits[i];
    }
    return out;
}

// " → 1 + 9 + 0 + 2 = 12 → 1 + 2 = 3": an arrow and a digit sum per pass.
QString passesText(const mlc::Reduction& how) {
    QString out;
    for (const mlc::DigitPass& pass : how.passesMade()) {
        out += arrow() + digitsJoined(pass.number) + QStringLiteral(" = ") + QString::number(pass.sum);
    }
    return out;
}

}  // namespace

QString ReductionText::lifePath(std::int16_t day, std::int16_t month, std::int16_t year) {
    mlc::Reduction how;
    const std::int16_t number = mlc::GetLifePathNumber(day, month, year, how);
    const QString sum = QStringLiteral("%1 + %2 + %3")
                            .arg(QString::number(day), QString::number(month), QString::number(year));
    if (!how.totalFits) {
        // The calculation works in 16 bits, so such a date has no number.
        return tr("%1 is too large to add up").arg(sum) + arrow() + QString::number(number);
    }
    return sum + QStringLiteral(" = ") + QString::number(how.total) + passesText(how);
}

QString ReductionText::destiny(std::string_view name) {
    mlc::Reduction how;
    const std::int16_t number = mlc::GetDestinyNumber(name, how);
    QString out = tr("letter total %1").arg(how.total) + passesText(how);
    const std::int16_t folded = mlc::FoldMasterNumber(number);
    if (folded != number) {
        //: %1 is a master number such as 11, %2 its digit sum such as "1 + 1 = 2"
        out += arrow() + tr("%1 counts as %2")
                             .arg(QString::number(number),
                                  digitsJoined(number) + QStringLiteral(" = ") + QString::number(folded));
    }
    return out;
}
