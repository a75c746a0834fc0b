#include "kresby/kresby.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace Kresby {

namespace {

// A traffic light of three lamps, lit from the top one down as `svitici` says.
void Semafor(QPainter &p, const QRectF &r, int svitici)
{
    const QColor tmave[3] = {QColor(90, 20, 20), QColor(90, 70, 10), QColor(15, 70, 30)};
    const QColor svetle[3] = {QColor(235, 30, 30), QColor(250, 190, 20), QColor(30, 200, 70)};
    p.setPen(QPen(QColor(25, 25, 25), r.width() * 0.04));
    p.setBrush(QColor(45, 45, 48));
    p.drawRoundedRect(r, r.width() * 0.22, r.width() * 0.22);
    const double prumer = r.width() * 0.66;
    for (int i = 0; i < 3; ++i) {
        const QPointF stred(r.center().x(), r.top() + r.height() * (i * 2 + 1) / 6.0);
        p.setPen(Qt::NoPen);
        p.setBrush(i == svitici ? svetle[i] : tmave[i]);
        p.drawEllipse(stred, prumer / 2, prumer / 2);
    }
}

} // namespace

QPixmap Pozadi(int sirka, int vyska)
{
    QPixmap obraz(sirka, vyska);
    QPainter p(&obraz);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient nebe(0, 0, 0, vyska);
    nebe.setColorAt(0, QColor(150, 196, 235));
    nebe.setColorAt(0.55, QColor(214, 232, 246));
    nebe.setColorAt(0.56, QColor(120, 170, 90));
    nebe.setColorAt(1, QColor(80, 135, 60));
    p.fillRect(obraz.rect(), nebe);

    // A road running to the horizon, with its centre line.
    const double horizont = vyska * 0.555;
    QPainterPath silnice;
    silnice.moveTo(sirka * 0.47, horizont);
    silnice.lineTo(sirka * 0.53, horizont);
    silnice.lineTo(sirka * 0.86, vyska);
    silnice.lineTo(sirka * 0.14, vyska);
    silnice.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(95, 95, 100));
    p.drawPath(silnice);
    p.setBrush(Qt::white);
    for (int i = 0; i < 6; ++i) {
        const double t0 = 0.08 + i * 0.16, t1 = t0 + 0.08;
        const double y0 = horizont + (vyska - horizont) * t0 * t0, y1 = horizont + (vyska - horizont) * t1 * t1;
        const double w0 = 1 + 6 * t0 * t0, w1 = 1 + 6 * t1 * t1;
        p.drawPolygon(QPolygonF({QPointF(sirka / 2.0 - w0 / 2, y0), QPointF(sirka / 2.0 + w0 / 2, y0),
                                 QPointF(sirka / 2.0 + w1 / 2, y1), QPointF(sirka / 2.0 - w1 / 2, y1)}));
    }

    // Traffic lights on poles at both sides.
    for (const auto &[x, svitici] : {std::pair{0.12, 2}, std::pair{0.84, 0}}) {
        p.setBrush(QColor(60, 60, 60));
        p.drawRect(QRectF(sirka * x + 14, vyska * 0.42, 6, vyska * 0.45));
        Semafor(p, QRectF(sirka * x, vyska * 0.08, 34, 96), svitici);
    }

    // A give-way sign beside the road.
    QPainterPath trojuhelnik;
    const QPointF s(sirka * 0.70, vyska * 0.50);
    trojuhelnik.moveTo(s.x() - 22, s.y() - 18);
    trojuhelnik.lineTo(s.x() + 22, s.y() - 18);
    trojuhelnik.lineTo(s.x(), s.y() + 20);
    trojuhelnik.closeSubpath();
    p.setBrush(QColor(70, 70, 70));
    p.drawRect(QRectF(s.x() - 2, s.y(), 4, vyska * 0.3));
    p.setPen(QPen(QColor(210, 20, 30), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPath(trojuhelnik);
    return obraz;
}

QImage Ikona(int velikost)
{
    QImage obraz(velikost, velikost, QImage::Format_ARGB32_Premultiplied);
    obraz.fill(Qt::transparent);
    QPainter p(&obraz);
    p.setRenderHint(QPainter::Antialiasing);
    Semafor(p, QRectF(velikost * 0.28, velikost * 0.04, velikost * 0.44, velikost * 0.92), 2);
    return obraz;
}

QIcon IkonaOkna()
{
    QIcon ikona;
    for (int velikost : {16, 32, 48, 64})
        ikona.addPixmap(QPixmap::fromImage(Ikona(velikost)));
    return ikona;
}

} // namespace Kresby
