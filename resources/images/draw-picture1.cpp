// Draws the entry page's picture: two interlocking hearts on a plum card,
// with a few faint numerals strewn about as ornament. No sums and no result:
// the picture must not look like anybody's reading.
//
// Run by render.sh next to this file, which builds it and writes
// picture1.png at the picture box's size (196 x 196) and picture1@2x.png at
// twice that, which Qt picks on scaled screens.

#include <QDataStream>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <tuple>
#include <utility>

namespace {

// The drawing's own units; each picture scales them to its size.
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

// The drawing at `side` pixels square.
QImage Picture(int side) {
    QImage picture(side, side, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.scale(side / double(kSide), side / double(kSide));
    Draw(painter);
    painter.end();
    return picture.convertToFormat(QImage::Format_RGBA8888);
}

quint32 Crc32(const QByteArray& bytes) {
    quint32 crc = 0xFFFFFFFFu;
    for (const char byte : bytes) {
        crc ^= static_cast<quint8>(byte);
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
        }
    }
    return ~crc;
}

// A PNG whose rows are stored unfiltered. Qt's writer filters every row,
// and undoing the filters doubled what the program paid to read the picture
// before its first frame; deflate alone even makes the file smaller.
bool SaveUnfilteredPng(const QImage& rgba, const QString& path) {
    QByteArray rows;
    for (int y = 0; y < rgba.height(); ++y) {
        rows.append('\0');  // filter type None
        rows.append(reinterpret_cast<const char*>(rgba.constScanLine(y)), qsizetype(rgba.width()) * 4);
    }
    QByteArray header;
    QDataStream(&header, QIODevice::WriteOnly)
        << quint32(rgba.width()) << quint32(rgba.height()) << quint8(8) << quint8(6)  // 8-bit RGBA
        << quint8(0) << quint8(0) << quint8(0);
    // qCompress puts the length in front of the zlib stream.
    const QByteArray pixels = qCompress(rows, 9).mid(4);

    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    QDataStream out(&file);  // big-endian, as PNG wants
    out.writeRawData("\x89PNG\r\n\x1a\n", 8);
    for (const auto& [type, data] : {std::pair{"IHDR", header}, {"IDAT", pixels}, {"IEND", QByteArray()}}) {
        const QByteArray chunk = type + data;
        out << quint32(data.size());
        out.writeRawData(chunk.constData(), int(chunk.size()));
        out << Crc32(chunk);
    }
    return out.status() == QDataStream::Ok;
}

}  // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        return 2;
    }
    const bool saved = SaveUnfilteredPng(Picture(kBoxSide), QString::fromLocal8Bit(argv[1])) &&
                       SaveUnfilteredPng(Picture(2 * kBoxSide), QString::fromLocal8Bit(argv[2]));
    return saved ? 0 : 1;
}
