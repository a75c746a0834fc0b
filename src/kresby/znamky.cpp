#include "kresby/znamky.h"

#include <QPainter>
#include <QPainterPath>

namespace Znamky {

QImage Nakreslit(Druh druh, int velikost)
{
    QImage obraz(velikost, velikost, QImage::Format_RGB32);
    obraz.fill(Qt::white);
    QPainter p(&obraz);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(velikost / 18.0, velikost / 18.0);
    QPen tah(Qt::white, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);

    switch (druh) {
    case Druh::Spravne: // green disc with a tick
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 150, 40));
        p.drawEllipse(QRectF(0.5, 0.5, 17, 17));
        p.setPen(tah);
        p.drawPolyline(QPolygonF({QPointF(4.5, 9.5), QPointF(7.8, 12.8), QPointF(13.5, 5.5)}));
        break;
    case Druh::Spatne: // red square with a cross
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(210, 20, 20));
        p.drawRoundedRect(QRectF(1, 1, 16, 16), 2.5, 2.5);
        p.setPen(tah);
        p.drawLine(QPointF(5, 5), QPointF(13, 13));
        p.drawLine(QPointF(13, 5), QPointF(5, 13));
        break;
    case Druh::Opomenuta: { // light amber triangle with a dark exclamation mark
        QPainterPath trojuhelnik;
        trojuhelnik.moveTo(9, 0.8);
        trojuhelnik.lineTo(17.4, 16.8);
        trojuhelnik.lineTo(0.6, 16.8);
        trojuhelnik.closeSubpath();
        p.setPen(QPen(QColor(120, 80, 0), 1.0));
        p.setBrush(QColor(255, 200, 40));
        p.drawPath(trojuhelnik);
        p.setPen(QPen(Qt::black, 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(9, 6), QPointF(9, 11.2));
        p.drawPoint(QPointF(9, 14.2));
        break;
    }
    }
    return obraz;
}

QString Soubor(Druh druh)
{
    switch (druh) {
    case Druh::Spravne: return QStringLiteral("yes.jpg");
    case Druh::Spatne: return QStringLiteral("no.jpg");
    case Druh::Opomenuta: return QStringLiteral("mistake.jpg");
    }
    return QStringLiteral("yes.jpg");
}

QString Cesta(Druh druh) { return QStringLiteral("grafika\\") + Soubor(druh); }

} // namespace Znamky
