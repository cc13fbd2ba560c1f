// Draws the entry page's picture: two interlocking hearts on a plum card,
// with a few faint numerals strewn about as ornament. No sums and no result:
// the picture must not look like anybody's reading.
//
// Run by render.sh next to this file, which builds it and writes
// picture1.png (352 x 352) and picture1-196.argb, the copy at the picture
// box's size, scaled as the box would scale it when painting.

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <tuple>

namespace {

constexpr int kSide = 352;
constexpr int kBoxSide = 196;

// The heart of the program icon, in its 256-unit box, scaled to `width`
// with its top middle (the dip between the lobes) at `top`.
QPainterPath Heart(QPointF top, double width) {
    const double s = width / 228.0;
    const auto p = [&](double x, double y) {
        return QPointF(top.x() + (x - 128) * s, top.y() + (y - 18) * s);
    };
    QPainterPath path(p(128, 236));
    path.cubicTo(p(98, 206), p(14, 160), p(14, 88));
    path.cubicTo(p(14, 44), p(46, 18), p(80, 18));
    path.cubicTo(p(104, 18), p(120, 32), p(128, 50));
    path.cubicTo(p(136, 32), p(152, 18), p(176, 18));
    path.cubicTo(p(210, 18), p(242, 44), p(242, 88));
    path.cubicTo(p(242, 160), p(158, 206), p(128, 236));
    path.closeSubpath();
    return path;
}

QPainterPath Turned(const QPainterPath& path, double degrees) {
    const QPointF centre = path.boundingRect().center();
    QTransform turn;
    turn.translate(centre.x(), centre.y());
    turn.rotate(degrees);
    turn.translate(-centre.x(), -centre.y());
    return turn.map(path);
}

// Top to bottom only: every row is then one colour.
QBrush Gradient(const QRectF& box, const QColor& from, const QColor& to) {
    QLinearGradient gradient(box.topLeft(), box.bottomLeft());
    gradient.setColorAt(0.0, from);
    gradient.setColorAt(1.0, to);
    return gradient;
}

// A four-pointed twinkle.
void Sparkle(QPainter& painter, QPointF at, double size) {
    QPainterPath star;
    star.moveTo(at.x(), at.y() - size);
    star.quadTo(at, QPointF(at.x() + size, at.y()));
    star.quadTo(at, QPointF(at.x(), at.y() + size));
    star.quadTo(at, QPointF(at.x() - size, at.y()));
    star.quadTo(at, QPointF(at.x(), at.y() - size));
    painter.fillPath(star, QColor(255, 226, 140));
}

void Draw(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing);

    const QRectF card(6, 6, kSide - 12, kSide - 12);
    QPainterPath cardPath;
    cardPath.addRoundedRect(card, 34, 34);
    painter.fillPath(cardPath, Gradient(card, QColor(44, 36, 88), QColor(109, 31, 79)));

    // Numerals as ornament only: faint, scattered, never side by side.
    struct Numeral {
        const char* digit;
        double x, y, size, degrees;
    };
    const Numeral numerals[] = {
        {"1", 46, 84, 34, -12}, {"7", 158, 62, 28, 8},    {"4", 282, 74, 36, 10}, {"9", 306, 168, 28, -8},
        {"2", 30, 190, 30, 6},  {"6", 294, 272, 34, -10}, {"8", 70, 292, 30, 12}, {"5", 186, 314, 26, -6},
    };
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setBold(true);
    font.setItalic(true);
    for (const Numeral& n : numerals) {
        font.setPixelSize(static_cast<int>(n.size));
        painter.save();
        painter.translate(n.x, n.y);
        painter.rotate(n.degrees);
        painter.setFont(font);
        painter.setPen(QColor(255, 255, 255, 56));
        painter.drawText(QPointF(0, 0), QString::fromLatin1(n.digit));
        painter.restore();
    }

    // The two hearts, each leaning towards the other, linked in the middle.
    const QPainterPath left = Turned(Heart(QPointF(132, 106), 142), -9);
    const QPainterPath right = Turned(Heart(QPointF(220, 106), 142), 9);
    const QPainterPath both = left.united(right);
    for (int k = 1; k <= 4; ++k) {
        painter.fillPath(both.translated(2 + k, 3 + k), QColor(20, 0, 30, 34));
    }
    painter.fillPath(left, Gradient(left.boundingRect(), QColor(255, 122, 162), QColor(214, 36, 95)));
    painter.fillPath(right, Gradient(right.boundingRect(), QColor(255, 192, 106), QColor(240, 122, 18)));
    const QPainterPath overlap = left.intersected(right);
    const QBrush overlapFill = Gradient(overlap.boundingRect(), QColor(255, 128, 112), QColor(232, 70, 70));
    painter.fillPath(overlap, overlapFill);
    // A gleam on each heart's outer lobe.
    for (const auto& [heart, spot, degrees] : {std::tuple{&left, QRectF(84, 124, 34, 20), -30.0},
                                               std::tuple{&right, QRectF(246, 128, 30, 18), 30.0}}) {
        QPainterPath gleam;
        gleam.addEllipse(spot);
        painter.fillPath(Turned(gleam, degrees).intersected(*heart), QColor(255, 255, 255, 80));
    }
    // The right heart's outline passes over the left one at the top and
    // under it at the bottom, so the two read as linked.
    const QPen rim(QColor(255, 244, 240), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.strokePath(right, rim);
    painter.save();
    painter.setClipRect(QRectF(0, 176, kSide, kSide));
    painter.fillPath(overlap, overlapFill);
    painter.restore();
    painter.strokePath(left, rim);
    painter.save();
    painter.setClipRect(QRectF(0, 0, kSide, 176));
    painter.strokePath(right, rim);
    painter.restore();

    Sparkle(painter, QPointF(64, 140), 9);
    Sparkle(painter, QPointF(318, 110), 7);
    Sparkle(painter, QPointF(238, 262), 8);

    painter.setPen(QPen(QColor(243, 207, 118), 6));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(cardPath);
}

// The copy at the box's size as bare premultiplied ARGB32 pixels, four bytes
// each in memory order (blue, green, red, alpha, as on every little-endian
// machine), 196 rows of 196: the program shows it without decoding anything.
bool SaveBare(const QImage& image, const QString& path) {
    const QImage pixels = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    for (int y = 0; y < pixels.height(); ++y) {
        const qint64 row = qint64(pixels.width()) * 4;
        if (file.write(reinterpret_cast<const char*>(pixels.constScanLine(y)), row) != row) {
            return false;
        }
    }
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        return 2;
    }
    QImage picture(kSide, kSide, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    {
        QPainter painter(&picture);
        Draw(painter);
    }
    // Scaled from the premultiplied picture, as the picture box scales the
    // pixmap it is given.
    const QImage box = picture.scaled(kBoxSide, kBoxSide, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const bool saved = picture.convertToFormat(QImage::Format_ARGB32).save(QString::fromLocal8Bit(argv[1])) &&
                       SaveBare(box, QString::fromLocal8Bit(argv[2]));
    return saved ? 0 : 1;
}
