#include "app/Artwork.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace {

const QColor Blue(0, 105, 210);

QPixmap canvas(QSize size)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

} // namespace

namespace Artwork {

QPixmap clock(int size)
{
    QPixmap pixmap = canvas({size, size});
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF face(size * 0.08, size * 0.08, size * 0.84, size * 0.84);
    p.setPen(QPen(Blue, size * 0.07));
    p.setBrush(Qt::white);
    p.drawEllipse(face);
    p.setPen(QPen(Qt::darkGray, size * 0.03));
    for (int i = 0; i < 12; ++i) {
        const qreal a = i * M_PI / 6;
        const QPointF c = face.center();
        const qreal r = face.width() / 2;
        p.drawLine(c + QPointF(qSin(a), -qCos(a)) * r * 0.78,
                   c + QPointF(qSin(a), -qCos(a)) * r * 0.9);
    }
    p.setPen(QPen(Qt::black, size * 0.06, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(face.center(), face.center() + QPointF(0, -face.height() * 0.3));
    p.drawLine(face.center(), face.center() + QPointF(face.width() * 0.22, 0));
    return pixmap;
}

QPixmap welcome(QSize size)
{
    QPixmap pixmap = canvas(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const int clockSize = size.height() * 3 / 4;
    p.drawPixmap(0, (size.height() - clockSize) / 2, clock(clockSize));
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPixelSize(size.height() / 8);
    p.setFont(font);
    p.setPen(Blue);
    const QRect text(clockSize + 10, 0, size.width() - clockSize - 10, size.height());
    p.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Controle\nde Ponto"));
    return pixmap;
}

QPixmap punch(int size)
{
    QPixmap pixmap = canvas({size, size});
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    // A hand pressing a button: a round green key with a check mark.
    p.setPen(QPen(QColor(20, 100, 40), size * 0.05));
    p.setBrush(QColor(60, 170, 80));
    p.drawEllipse(QRectF(size * 0.1, size * 0.1, size * 0.8, size * 0.8));
    p.setPen(QPen(Qt::white, size * 0.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath tick;
    tick.moveTo(size * 0.3, size * 0.52);
    tick.lineTo(size * 0.45, size * 0.67);
    tick.lineTo(size * 0.72, size * 0.36);
    p.setBrush(Qt::NoBrush);
    p.drawPath(tick);
    return pixmap;
}

QPixmap pencil(int size)
{
    QPixmap pixmap = canvas({size, size});
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(size / 2.0, size / 2.0);
    p.rotate(45);
    const qreal w = size * 0.22, l = size * 0.8;
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(240, 190, 40));
    p.drawRect(QRectF(-w / 2, -l / 2, w, l * 0.75));
    p.setBrush(QColor(250, 220, 180));
    QPolygonF tip{{-w / 2, l * 0.25}, {w / 2, l * 0.25}, {0, l / 2}};
    p.drawPolygon(tip);
    p.setBrush(QColor(220, 80, 80));
    p.drawRect(QRectF(-w / 2, -l / 2, w, l * 0.12));
    return pixmap;
}

QPixmap document(QSize size)
{
    QPixmap pixmap = canvas(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF page(1, 1, size.width() - 2, size.height() - 2);
    p.setPen(QPen(Qt::darkGray, 1));
    p.setBrush(Qt::white);
    p.drawRect(page);
    p.setPen(QPen(Blue, 1.5));
    for (int i = 1; i <= 5; ++i) {
        const qreal y = page.top() + page.height() * i / 7.0;
        p.drawLine(QPointF(page.left() + 4, y), QPointF(page.right() - 4, y));
    }
    return pixmap;
}

QPixmap check(int size)
{
    QPixmap pixmap = canvas({size, size});
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0, 140, 0), size * 0.14, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath tick;
    tick.moveTo(size * 0.15, size * 0.55);
    tick.lineTo(size * 0.4, size * 0.8);
    tick.lineTo(size * 0.85, size * 0.22);
    p.drawPath(tick);
    return pixmap;
}

QPixmap cross(int size)
{
    QPixmap pixmap = canvas({size, size});
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(200, 0, 0), size * 0.14, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(size * 0.2, size * 0.2), QPointF(size * 0.8, size * 0.8));
    p.drawLine(QPointF(size * 0.8, size * 0.2), QPointF(size * 0.2, size * 0.8));
    return pixmap;
}

QPixmap databaseSearch(int size)
{
    QPixmap pixmap = canvas({size, size});
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = size * 0.6, h = size * 0.7, e = size * 0.18;
    p.setPen(QPen(QColor(40, 60, 120), 1));
    p.setBrush(QColor(120, 160, 230));
    p.drawRect(QRectF(1, e / 2 + 1, w, h - e));
    p.drawEllipse(QRectF(1, h - e, w, e));
    p.setBrush(QColor(170, 200, 250));
    p.drawEllipse(QRectF(1, 1, w, e));
    p.setBrush(QColor(255, 255, 255, 180));
    p.setPen(QPen(Qt::black, size * 0.08));
    p.drawEllipse(QRectF(size * 0.45, size * 0.45, size * 0.35, size * 0.35));
    p.drawLine(QPointF(size * 0.75, size * 0.75), QPointF(size * 0.95, size * 0.95));
    return pixmap;
}

QPixmap portrait(const QString& name, const QColor& shirt, QSize size)
{
    QPixmap pixmap(size);
    pixmap.fill(QColor(225, 235, 245));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width(), h = size.height();
    p.setPen(Qt::NoPen);
    p.setBrush(shirt);
    p.drawEllipse(QRectF(w * 0.1, h * 0.62, w * 0.8, h * 0.7));
    p.setBrush(QColor(230, 190, 160));
    p.drawEllipse(QRectF(w * 0.3, h * 0.15, w * 0.4, h * 0.45));
    QString initials;
    for (const QString& part : name.split(u' ', Qt::SkipEmptyParts))
        if (initials.size() < 2)
            initials += part.front().toUpper();
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPixelSize(int(h * 0.16));
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(0, h * 0.72, w, h * 0.25), Qt::AlignCenter, initials);
    return pixmap;
}

} // namespace Artwork
