#include "demopictures.h"

#include "demodice.h"

#include <QBuffer>
#include <QConicalGradient>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace obzorka::server::demo {
namespace {

QByteArray png(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

QColor colour(Dice& dice, int minSaturation = 90, int minValue = 110)
{
    return QColor::fromHsv(dice.below(360), dice.between(minSaturation, 255),
                           dice.between(minValue, 255));
}

// Far mountains and near hills under a sky with a sun.
void drawLandscape(QPainter& painter, Dice& dice, const QRect& area)
{
    QLinearGradient sky(0, 0, 0, area.height());
    const int skyHue = dice.below(360);
    sky.setColorAt(0, QColor::fromHsv(skyHue, 200, 110));
    sky.setColorAt(1, QColor::fromHsv((skyHue + 40) % 360, 90, 250));
    painter.fillRect(area, sky);
    const QPointF sun(dice.between(30, area.width() - 30), dice.between(20, 70));
    const qreal radius = dice.between(14, 30) * 2.5;
    QRadialGradient glow(sun, radius);
    glow.setColorAt(0, QColor(255, 250, 200));
    glow.setColorAt(0.4, QColor(255, 210, 80));
    glow.setColorAt(1, QColor(255, 180, 60, 0));
    painter.setBrush(glow);
    painter.drawEllipse(sun, radius, radius);

    QPainterPath mountains;
    mountains.moveTo(0, area.height());
    mountains.lineTo(0, dice.between(60, 110));
    for (int x = 0; x < area.width();) {
        x += dice.between(25, 70);
        mountains.lineTo(x, dice.between(35, 110));
    }
    mountains.lineTo(area.width(), area.height());
    mountains.closeSubpath();
    painter.setBrush(
        QColor::fromHsv(dice.between(200, 260), dice.between(40, 110), dice.between(120, 190)));
    painter.drawPath(mountains);

    const int hue = dice.between(50, 150);
    for (int layer = 0; layer < 2; ++layer) {
        const int base = 125 + layer * 28;
        QPainterPath hill;
        hill.moveTo(0, base + dice.between(-10, 10));
        for (int x = 0; x < area.width();) {
            const int step = dice.between(40, 110);
            hill.quadTo(x + step / 2, base - dice.between(5, 40), x + step,
                        base + dice.between(-10, 10));
            x += step;
        }
        hill.lineTo(area.width() + 110, area.height());
        hill.lineTo(0, area.height());
        hill.closeSubpath();
        painter.setBrush(QColor::fromHsv(hue + layer * 8, 150 + layer * 30, 200 - layer * 60));
        painter.drawPath(hill);
    }
}

// Overlapping translucent circles, squares and triangles.
void drawShapes(QPainter& painter, Dice& dice, const QRect& area)
{
    QLinearGradient background(0, 0, area.width(), area.height());
    background.setColorAt(0, colour(dice, 60, 60));
    background.setColorAt(1, colour(dice, 60, 60));
    painter.fillRect(area, background);
    const int count = dice.between(7, 14);
    for (int i = 0; i < count; ++i) {
        QColor fill = colour(dice);
        fill.setAlpha(dice.between(120, 220));
        painter.setBrush(fill);
        const QPointF centre(dice.below(area.width()), dice.below(area.height()));
        const int size = dice.between(15, 60);
        switch (dice.below(3)) {
        case 0:
            painter.drawEllipse(centre, size, size);
            break;
        case 1:
            painter.drawRoundedRect(
                QRectF(centre.x() - size, centre.y() - size, size * 2, size * 2), 8, 8);
            break;
        default:
            painter.drawPolygon(QPolygonF{{centre.x(), centre.y() - size},
                                          {centre.x() + size, centre.y() + size},
                                          {centre.x() - size, centre.y() + size}});
        }
    }
}

// Rays around a point and rings, like a test card.
void drawRays(QPainter& painter, Dice& dice, const QRect& area)
{
    const QPointF centre(dice.between(60, area.width() - 60), dice.between(40, area.height() - 40));
    QConicalGradient rays(centre, dice.below(360));
    const int bands = 2 * dice.between(3, 6); // even, so the last band meets the first
    const QColor first = colour(dice);
    const QColor second = colour(dice);
    for (int band = 0; band <= bands; ++band)
        rays.setColorAt(qreal(band) / bands, band % 2 ? first : second);
    painter.fillRect(area, rays);
    painter.setBrush(Qt::NoBrush);
    const int rings = dice.between(2, 5);
    for (int ring = 1; ring <= rings; ++ring) {
        painter.setPen(QPen(colour(dice, 0, 200), dice.between(3, 9)));
        painter.drawEllipse(centre, ring * 22.0, ring * 22.0);
    }
    painter.setPen(Qt::NoPen);
}

} // namespace

QString illustrationName(int number)
{
    return QStringLiteral("demo-%1.png").arg(number, 4, 10, QLatin1Char('0'));
}

QByteArray illustration(int number, quint32 seed)
{
    Dice dice{seed, quint32(number), 0x1A6Eu};
    QImage image(274, 180, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    switch (number % 3) {
    case 0:
        drawLandscape(painter, dice, image.rect());
        break;
    case 1:
        drawShapes(painter, dice, image.rect());
        break;
    default:
        drawRays(painter, dice, image.rect());
    }
    painter.end();
    return png(image);
}

// Obzorka means a little horizon: a sun rising over one, in a round badge.
QByteArray logo()
{
    QImage image(64, 64, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    QPainterPath badge;
    badge.addEllipse(2, 2, 60, 60);
    painter.setClipPath(badge);
    QLinearGradient sky(0, 0, 0, 64);
    sky.setColorAt(0, QColor(0x00, 0x00, 0x50));
    sky.setColorAt(0.6, QColor(0xE0, 0x60, 0x80));
    painter.fillRect(image.rect(), sky);
    QRadialGradient sun(QPointF(32, 40), 18);
    sun.setColorAt(0, QColor(0xFF, 0xF4, 0xB0));
    sun.setColorAt(1, QColor(0xFF, 0xB0, 0x20));
    painter.setBrush(sun);
    painter.drawEllipse(QPointF(32, 40), 16, 16);
    painter.fillRect(QRect(0, 40, 64, 24), QColor(0x20, 0x80, 0x40));
    painter.setClipping(false);
    painter.setPen(QPen(QColor(0xFF, 0xFF, 0xFF), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(2, 2, 60, 60);
    painter.end();
    return png(image);
}

} // namespace obzorka::server::demo
