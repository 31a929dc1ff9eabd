// Paints Kinmatch's pictures: the 20 seal pictures (120 x 184, plus @2x) with their names in
// English and, in a folder per language, in each language the program speaks; the program's icon
// at several sizes and the link pointer. Run it with the assets folder as its argument whenever
// the art or a seal's name changes, and commit the result:  paint_art ../../assets

#include "Language.h"
#include "Localized.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace {

struct Seal {
    const char* colour;
    const char* noun;
    const char* key;
};

const Seal Seals[] = {
    {"Red", "Dragon", "01Imix"},     {"White", "Wind", "02Ik"},
    {"Blue", "Night", "03Akbal"},    {"Yellow", "Seed", "04Kan"},
    {"Red", "Serpent", "05Chiccan"}, {"White", "WorldBridger", "06Cimi"},
    {"Blue", "Hand", "07Manik"},     {"Yellow", "Star", "08Lamat"},
    {"Red", "Moon", "09Muluc"},      {"White", "Dog", "10Oc"},
    {"Blue", "Monkey", "11Chuen"},   {"Yellow", "Human", "12Eb"},
    {"Red", "Skywalker", "13Ben"},   {"White", "Wizard", "14Ix"},
    {"Blue", "Eagle", "15Men"},      {"Yellow", "Warrior", "16Cib"},
    {"Red", "Earth", "17Caban"},     {"White", "Mirror", "18Etznab"},
    {"Blue", "Storm", "19Cauac"},    {"Yellow", "Sun", "20Ahau"},
};

const QColor Ink(58, 38, 22);
const QColor Parchment(246, 236, 208);

QColor SealColour(int index)
{
    switch (index % 4) {
    case 0:
        return QColor(178, 34, 34);
    case 1:
        return QColor(236, 236, 228);
    case 2:
        return QColor(31, 95, 168);
    default:
        return QColor(224, 176, 0);
    }
}

QColor TextColour(int index)
{
    return index % 4 == 1 || index % 4 == 3 ? Ink : QColor(Qt::white);
}

// Each glyph is drawn in a 100 x 100 box centred on the origin, in ink on parchment, with the
// seal's colour as an accent.
void DrawGlyph(QPainter& p, int seal, const QColor& accent)
{
    QPen pen(Ink, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    QPainterPath path;
    switch (seal) {
    case 1: // Dragon: the primal waters, three waves and the seed of life
        for (int row = -1; row <= 1; ++row) {
            QPainterPath wave;
            wave.moveTo(-36, row * 18 + 6);
            for (int i = 0; i < 4; ++i)
                wave.quadTo(-27 + i * 18, row * 18 - 6, -18 + i * 18, row * 18 + 6);
            p.drawPath(wave);
        }
        p.setBrush(accent);
        p.drawEllipse(QPointF(0, -34), 7, 7);
        break;
    case 2: // Wind: the T of breath
        path.moveTo(-30, -26);
        path.lineTo(30, -26);
        path.moveTo(0, -26);
        path.lineTo(0, 34);
        p.drawPath(path);
        p.setPen(QPen(accent, 4, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(-40, -40, 80, 80), 200 * 16, 140 * 16);
        break;
    case 3: { // Night: a crescent moon among stars
        QPainterPath moon;
        moon.addEllipse(QPointF(-4, 0), 30, 30);
        QPainterPath bite;
        bite.addEllipse(QPointF(10, -8), 26, 26);
        p.setBrush(accent);
        p.drawPath(moon.subtracted(bite));
        p.setBrush(Ink);
        for (const QPointF star : {QPointF(24, 22), QPointF(32, -24), QPointF(-30, -34)})
            p.drawEllipse(star, 3, 3);
        break;
    }
    case 4: // Seed: a sprout rising from a seed
        p.setBrush(accent);
        p.drawEllipse(QPointF(0, 26), 16, 11);
        p.setBrush(Qt::NoBrush);
        path.moveTo(0, 16);
        path.cubicTo(0, 0, 0, -10, 0, -22);
        path.moveTo(0, -6);
        path.cubicTo(-24, -10, -28, -30, -16, -38);
        path.moveTo(0, -14);
        path.cubicTo(22, -18, 26, -36, 14, -42);
        p.drawPath(path);
        break;
    case 5: // Serpent: a zigzag body with a head
        path.moveTo(-36, 30);
        path.cubicTo(-20, 30, -30, 0, -10, 0);
        path.cubicTo(10, 0, 0, -28, 20, -28);
        p.drawPath(path);
        p.setBrush(accent);
        p.drawEllipse(QPointF(26, -30), 9, 7);
        break;
    case 6: // WorldBridger: a bridge between two worlds
        path.moveTo(-40, 26);
        path.lineTo(40, 26);
        path.moveTo(-30, 26);
        path.cubicTo(-30, -30, 30, -30, 30, 26);
        path.moveTo(-14, 26);
        path.cubicTo(-14, -6, 14, -6, 14, 26);
        p.drawPath(path);
        p.setBrush(accent);
        p.drawEllipse(QPointF(0, -30), 6, 6);
        break;
    case 7: // Hand: an open palm
        p.setBrush(accent);
        p.drawRoundedRect(QRectF(-22, -4, 44, 40), 10, 10);
        for (int finger = 0; finger < 4; ++finger)
            p.drawRoundedRect(QRectF(-22 + finger * 11.5, -36, 9, 36), 4, 4);
        p.save();
        p.translate(-22, 16);
        p.rotate(-40);
        p.drawRoundedRect(QRectF(-26, -5, 28, 10), 4, 4);
        p.restore();
        break;
    case 8: { // Star: the eight-pointed star of Venus
        QPainterPath star;
        for (int i = 0; i < 16; ++i) {
            const qreal r = i % 2 == 0 ? 40 : 16;
            const qreal a = qDegreesToRadians(i * 22.5 - 90);
            const QPointF point(r * qCos(a), r * qSin(a));
            i == 0 ? star.moveTo(point) : star.lineTo(point);
        }
        star.closeSubpath();
        p.setBrush(accent);
        p.drawPath(star);
        break;
    }
    case 9: // Moon: the full moon over falling water
        p.setBrush(accent);
        p.drawEllipse(QPointF(0, -14), 24, 24);
        p.setBrush(Qt::NoBrush);
        for (int i = -1; i <= 1; ++i) {
            QPainterPath drop;
            drop.moveTo(i * 22, 18);
            drop.cubicTo(i * 22 - 8, 32, i * 22 + 8, 32, i * 22, 18);
            p.drawPath(drop);
        }
        break;
    case 10: // Dog: a paw print
        p.setBrush(accent);
        p.drawEllipse(QPointF(0, 16), 20, 17);
        for (const QPointF toe :
             {QPointF(-26, -10), QPointF(-9, -26), QPointF(9, -26), QPointF(26, -10)})
            p.drawEllipse(toe, 9, 11);
        break;
    case 11: { // Monkey: the spiral of play
        QPainterPath spiral;
        for (int i = 0; i <= 200; ++i) {
            const qreal t = i / 200.0 * 3.2 * M_PI;
            const qreal r = 3 + t * 3.6;
            const QPointF point(r * qCos(t), r * qSin(t));
            i == 0 ? spiral.moveTo(point) : spiral.lineTo(point);
        }
        p.drawPath(spiral);
        p.setBrush(accent);
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(0, 0), 4, 4);
        break;
    }
    case 12: // Human: a figure with open arms
        p.setBrush(accent);
        p.drawEllipse(QPointF(0, -28), 11, 11);
        path.moveTo(0, -16);
        path.lineTo(0, 12);
        path.moveTo(-30, -10);
        path.lineTo(0, -4);
        path.lineTo(30, -10);
        path.moveTo(-20, 40);
        path.lineTo(0, 12);
        path.lineTo(20, 40);
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
        break;
    case 13: // Skywalker: the pillars that hold up the sky
        p.setBrush(accent);
        p.drawRect(QRectF(-30, -38, 60, 10));
        p.setBrush(Qt::NoBrush);
        for (const qreal x : {-20.0, 20.0}) {
            path.moveTo(x, -28);
            path.lineTo(x, 38);
        }
        for (int rung = 0; rung < 4; ++rung) {
            path.moveTo(-20, -14 + rung * 15);
            path.lineTo(20, -14 + rung * 15);
        }
        p.drawPath(path);
        break;
    case 14: // Wizard: the seeing eye under a pointed hat
        path.moveTo(-30, 2);
        path.lineTo(0, -42);
        path.lineTo(30, 2);
        path.closeSubpath();
        p.setBrush(accent);
        p.drawPath(path);
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(0, 24), 24, 12);
        p.setBrush(Ink);
        p.drawEllipse(QPointF(0, 24), 5, 5);
        break;
    case 15: // Eagle: spread wings seen from below
        path.moveTo(-42, -20);
        path.cubicTo(-24, -4, -12, -4, 0, 12);
        path.cubicTo(12, -4, 24, -4, 42, -20);
        path.moveTo(0, 12);
        path.lineTo(-10, 36);
        path.moveTo(0, 12);
        path.lineTo(10, 36);
        p.drawPath(path);
        p.setBrush(accent);
        p.drawEllipse(QPointF(0, -8), 8, 8);
        break;
    case 16: // Warrior: a round shield
        p.setBrush(accent);
        p.drawEllipse(QPointF(0, 0), 36, 36);
        path.moveTo(0, -36);
        path.lineTo(0, 36);
        path.moveTo(-36, 0);
        path.lineTo(36, 0);
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
        p.drawEllipse(QPointF(0, 0), 12, 12);
        break;
    case 17: // Earth: mountains over the turning ground
        path.moveTo(-40, 16);
        path.lineTo(-16, -24);
        path.lineTo(0, 0);
        path.lineTo(16, -32);
        path.lineTo(40, 16);
        path.closeSubpath();
        p.setBrush(accent);
        p.drawPath(path);
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(-36, 20, 72, 24), 0, 180 * 16);
        break;
    case 18: { // Mirror: a cut facet that reflects
        QPainterPath facet;
        facet.moveTo(0, -40);
        facet.lineTo(32, 0);
        facet.lineTo(0, 40);
        facet.lineTo(-32, 0);
        facet.closeSubpath();
        p.setBrush(accent);
        p.drawPath(facet);
        path.moveTo(0, -40);
        path.lineTo(0, 40);
        path.moveTo(-32, 0);
        path.lineTo(32, 0);
        p.drawPath(path);
        break;
    }
    case 19: // Storm: a lightning bolt from a cloud
        p.setBrush(accent);
        path.moveTo(6, -40);
        path.lineTo(-16, 4);
        path.lineTo(2, 4);
        path.lineTo(-8, 40);
        path.lineTo(20, -6);
        path.lineTo(2, -6);
        path.lineTo(14, -40);
        path.closeSubpath();
        p.drawPath(path);
        break;
    case 20: // Sun: a disc with its rays
        p.setBrush(accent);
        p.drawEllipse(QPointF(0, 0), 20, 20);
        for (int ray = 0; ray < 12; ++ray) {
            const qreal a = qDegreesToRadians(ray * 30.0);
            p.drawLine(QPointF(27 * qCos(a), 27 * qSin(a)), QPointF(40 * qCos(a), 40 * qSin(a)));
        }
        break;
    }
}

// A translated seal name, as large as it fits in the caption's room: in as many lines as it needs
// at the English noun's size or smaller.
void DrawTranslatedName(QPainter& p, const QString& name)
{
    const QRectF room(2, 128, 116, 50);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    for (int pixels = 15; pixels >= 9; --pixels) {
        font.setPixelSize(pixels);
        const QFontMetricsF metrics(font);
        const QRectF needed = metrics.boundingRect(room, Qt::AlignCenter | Qt::TextWordWrap, name);
        if (needed.width() <= room.width() && needed.height() <= room.height())
            break;
    }
    p.setFont(font);
    p.drawText(room, Qt::AlignCenter | Qt::TextWordWrap, name);
}

// translatedName is empty for the English picture, which names the colour above the noun.
QImage PaintSeal(int seal, qreal scale, const QString& translatedName = {})
{
    const int index = seal - 1;
    QImage image(QSize(120, 184) * scale, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);

    const QColor colour = SealColour(index);
    QLinearGradient background(0, 0, 0, 184);
    background.setColorAt(0, colour.lighter(115));
    background.setColorAt(1, colour.darker(125));
    p.fillRect(QRectF(0, 0, 120, 184), background);
    p.setPen(QPen(Ink, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1, 1, 118, 182));

    // The cartouche that frames the glyph.
    p.setPen(QPen(Ink, 3));
    p.setBrush(Parchment);
    p.drawRoundedRect(QRectF(10, 10, 100, 112), 18, 18);
    p.setPen(QPen(colour.darker(110), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(15, 15, 90, 102), 14, 14);

    p.save();
    p.translate(60, 66);
    p.scale(0.78, 0.78);
    const QColor accent = index % 4 == 1 ? QColor(150, 150, 140) : colour;
    DrawGlyph(p, seal, accent);
    p.restore();

    p.setPen(TextColour(index));
    if (!translatedName.isEmpty()) {
        DrawTranslatedName(p, translatedName);
        return image;
    }
    // The seal's name: the colour word above the noun.
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(12);
    p.setFont(font);
    p.drawText(QRectF(2, 128, 116, 18), Qt::AlignCenter, QString::fromLatin1(Seals[index].colour));
    font.setPixelSize(QString::fromLatin1(Seals[index].noun).size() > 9 ? 12 : 15);
    p.setFont(font);
    p.drawText(QRectF(2, 146, 116, 30), Qt::AlignCenter, QString::fromLatin1(Seals[index].noun));
    return image;
}

// The icon: the wheel of the four seal colours around a golden centre.
QImage PaintIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);
    const QRectF wheel(3, 3, 58, 58);
    for (int quarter = 0; quarter < 4; ++quarter) {
        p.setPen(Qt::NoPen);
        p.setBrush(SealColour(quarter));
        p.drawPie(wheel, (90 - quarter * 90) * 16, -90 * 16);
    }
    p.setPen(QPen(Ink, 3));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(wheel);
    p.setBrush(Parchment);
    p.drawEllipse(QPointF(32, 32), 14, 14);
    p.setPen(QPen(Ink, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath heart;
    heart.moveTo(32, 40);
    heart.cubicTo(22, 32, 25, 23, 32, 28);
    heart.cubicTo(39, 23, 42, 32, 32, 40);
    p.setBrush(QColor(178, 34, 34));
    p.drawPath(heart);
    return image;
}

// The link pointer: a pointing hand, hot spot at the fingertip (6, 1) of a 32 x 32 image.
QImage PaintLinkCursor(qreal scale)
{
    QImage image(QSize(32, 32) * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    QPainterPath hand;
    hand.addRoundedRect(QRectF(4, 1, 5, 16), 2.5, 2.5);      // index finger
    hand.addRoundedRect(QRectF(8.5, 9, 5, 10), 2.5, 2.5);    // middle
    hand.addRoundedRect(QRectF(13, 10, 5, 10), 2.5, 2.5);    // ring
    hand.addRoundedRect(QRectF(17.5, 11, 4.5, 9), 2.2, 2.2); // little
    hand.addRoundedRect(QRectF(4, 14, 18, 12), 4, 4);        // palm
    hand.addRoundedRect(QRectF(0.5, 13, 5, 8), 2.5, 2.5);    // thumb
    hand = hand.simplified();
    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(QColor(255, 255, 192));
    p.drawPath(hand);
    return image;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc != 2) {
        qWarning("usage: paint_art ASSETS-FOLDER");
        return 2;
    }
    const QDir assets(QString::fromLocal8Bit(argv[1]));
    for (const std::string_view language : kinmatch::Languages()) {
        kinmatch::SetLanguage(language);
        const bool english = language == kinmatch::English;
        const QString folder =
            english ? QStringLiteral("seals/")
                    : QStringLiteral("seals/%1/")
                          .arg(QString::fromUtf8(language.data(), qsizetype(language.size())));
        assets.mkpath(folder);
        for (int seal = 1; seal <= 20; ++seal) {
            const std::string_view name = kinmatch::SealName(seal);
            const QString caption =
                english ? QString() : QString::fromUtf8(name.data(), qsizetype(name.size()));
            const QString key = QString::fromLatin1(Seals[seal - 1].key);
            PaintSeal(seal, 1, caption).save(assets.filePath(folder + key + ".jpg"), "JPG", 92);
            PaintSeal(seal, 2, caption).save(assets.filePath(folder + key + "@2x.jpg"), "JPG", 92);
        }
    }
    for (const int size : {16, 24, 32, 48, 64, 128, 256, 512})
        PaintIcon(size).save(assets.filePath(QStringLiteral("icons/kinmatch-%1.png").arg(size)));
    PaintLinkCursor(1).save(assets.filePath(QStringLiteral("cursors/link.png")));
    PaintLinkCursor(2).save(assets.filePath(QStringLiteral("cursors/link@2x.png")));
    return 0;
}
