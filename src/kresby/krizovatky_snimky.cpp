#include "kresby/krizovatky_snimky.h"

#include "kresby/krizovatky.h"
#include "kresby/krizovatky_silnice.h"
#include "kresby/krizovatky_vozidla.h"
#include "kresby/krizovatky_vybaveni.h"

#include <QPainter>

namespace Krizovatky {

SnimkyKrizovatky::SnimkyKrizovatky(Jizda jizda, int meritko)
    : m_jizda(std::move(jizda)), m_meritko(meritko), m_stojici(Krizovatky::Nakreslit(m_jizda.Zadani(), meritko))
{
    m_pozadi = QImage(m_stojici.size(), QImage::Format_RGB32);
    m_pozadi.fill(Qt::white);
    QPainter p(&m_pozadi);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.scale(meritko, meritko);
    KreslitSilnice(p, m_jizda.Zadani());
    KreslitZnacky(p, m_jizda.Zadani(), meritko);
}

void SnimkyKrizovatky::Nakreslit(QPainter &p, int snimek) const
{
    const Krizovatky::Snimek sn = m_jizda.SnimekCislo(snimek);
    if (sn.stojici) {
        p.drawImage(0, 0, m_stojici);
        return;
    }
    p.drawImage(0, 0, m_pozadi);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(m_meritko, m_meritko);
    const Scena &s = m_jizda.Zadani();
    KreslitSemafory(p, s, sn.semafory);
    for (qsizetype i = 0; i < s.vozidla.size(); ++i)
        KreslitVozidlo(p, s.vozidla[i], sn.vozidla[i].clanky, {sn.vozidla[i].smerovka, sn.vozidla[i].majak});
    KreslitPolicistu(p, sn.policista);
    p.restore();
}

QImage SnimkyKrizovatky::Snimek(int snimek) const
{
    QImage obr(m_stojici.size(), QImage::Format_RGB32);
    QPainter p(&obr);
    Nakreslit(p, snimek);
    return obr;
}

} // namespace Krizovatky
