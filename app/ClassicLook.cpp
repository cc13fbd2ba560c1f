#include "app/ClassicLook.h"

#include <QStringList>

#include <cmath>

namespace kivo::look {

QFont Font(double points, bool bold, Family family) {
    QFont font;
    if (family == Family::Verdana) {
        font.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
    } else {
        font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                          QStringLiteral("DejaVu Sans")});
    }
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    font.setBold(bold);
    return font;
}

}  // namespace kivo::look
