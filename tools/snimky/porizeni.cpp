#include "snimky/porizeni.h"

#include "app/hlavniformular.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLinearGradient>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QTimer>

#include <algorithm>

namespace Porizeni {

namespace {

constexpr int VyskaTitulku = 24;
const QColor BarvaRamu(43, 87, 133);

void Ukazat(QWidget &okno)
{
    okno.show();
    QApplication::processEvents();
}

// The client picture inside a frame with the window's icon and caption.
QImage Oramovat(const QImage &klient, const QWidget &okno)
{
    QImage obraz(klient.width() + 2, klient.height() + VyskaTitulku + 1, QImage::Format_RGB32);
    QPainter p(&obraz);
    p.fillRect(obraz.rect(), BarvaRamu);
    QLinearGradient prechod(0, 0, 0, VyskaTitulku);
    prechod.setColorAt(0, QColor(74, 122, 172));
    prechod.setColorAt(1, BarvaRamu);
    p.fillRect(QRect(0, 0, obraz.width(), VyskaTitulku), prechod);
    int x = 6;
    const QIcon ikona = okno.windowIcon();
    if (!ikona.isNull()) {
        p.drawPixmap(x, (VyskaTitulku - 16) / 2, ikona.pixmap(16, 16));
        x += 22;
    }
    QFont pismo = okno.font();
    pismo.setBold(true);
    pismo.setPointSize(9);
    p.setFont(pismo);
    p.setPen(Qt::white);
    p.drawText(QRect(x, 0, obraz.width() - x - 6, VyskaTitulku), Qt::AlignVCenter | Qt::AlignLeft,
               okno.windowTitle());
    p.drawImage(1, VyskaTitulku, klient);
    return obraz;
}

} // namespace

QImage Okno(QWidget &okno)
{
    Ukazat(okno);
    return Oramovat(okno.grab().toImage(), okno);
}

QImage HlavniOkno(THlavniFormular &okno) { return Okno(okno); }

QImage Nabidka(THlavniFormular &okno, const char *menu, const char *polozka, const char *podmenu)
{
    Ukazat(okno);
    QMenuBar *lista = okno.menuBar();
    auto *m = okno.findChild<QMenu *>(QString::fromLatin1(menu));
    auto *a = okno.findChild<QAction *>(QString::fromLatin1(polozka));
    if (!m || !a)
        return {};
    // Opened through the bar, so that the bar shows its item pressed.
    lista->setActiveAction(m->menuAction());
    QApplication::processEvents();
    QMenu *sm = podmenu ? okno.findChild<QMenu *>(QString::fromLatin1(podmenu)) : nullptr;
    m->setActiveAction(sm ? sm->menuAction() : a);
    QImage obraz = okno.grab().toImage();

    QPainter p(&obraz);
    const QRect polozkaListy = lista->actionGeometry(m->menuAction());
    const QPoint kde = lista->mapTo(&okno, polozkaListy.bottomLeft()) + QPoint(0, 1);
    const QImage nabidka = m->grab().toImage();
    p.drawImage(kde, nabidka);
    int dole = kde.y() + nabidka.height();
    if (sm) {
        const QPoint vedle(m->width() - 3, m->actionGeometry(sm->menuAction()).top() - 3);
        sm->popup(m->mapToGlobal(vedle));
        sm->setActiveAction(a);
        QApplication::processEvents();
        const QImage podnabidka = sm->grab().toImage();
        p.drawImage(kde + vedle, podnabidka);
        dole = std::max(dole, kde.y() + vedle.y() + podnabidka.height());
        sm->hide();
    }
    p.end();
    m->hide();
    // Only the upper part of the window: the menu is what the picture shows.
    return Oramovat(obraz.copy(0, 0, obraz.width(), std::min(obraz.height(), dole + 16)), okno);
}

QImage Modalni(const std::function<void()> &otevrit, const std::function<QImage(QDialog &)> &porid)
{
    QImage obraz;
    QTimer::singleShot(0, [&] {
        if (auto *d = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
            obraz = porid(*d);
            // Hiding ends the window's event loop whatever its own close would ask.
            d->hide();
        }
    });
    otevrit();
    return obraz;
}

void Stisknout(QWidget &okno, const char *tlacitko)
{
    if (auto *b = okno.findChild<QAbstractButton *>(QString::fromLatin1(tlacitko)))
        b->click();
}

QAction *Prikaz(THlavniFormular &okno, const char *jmeno)
{
    return okno.findChild<QAction *>(QString::fromLatin1(jmeno));
}

void Prejit(THlavniFormular &okno, int cislo)
{
    auto *e = okno.findChild<QLineEdit *>(QStringLiteral("eCisloO"));
    if (!e)
        return;
    e->setText(QString::number(cislo));
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(e, &enter);
}

} // namespace Porizeni
