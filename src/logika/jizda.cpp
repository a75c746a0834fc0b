#include "logika/jizda.h"

#include <QLineF>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace Krizovatky {

namespace G = Geometrie;

namespace {

constexpr double Krok = 0.5;            // spacing of a course's points, in picture units
constexpr double Pauza = 0.6;           // s of stillness, indicators blinking, before the first group
constexpr double Mezera = 0.15;         // s between a group clearing the crossroads and the next setting off
constexpr int ZmenaSvetel = 42;         // frames of red and yellow before a waiting group's green
constexpr double Dojezd = 0.3;          // s after the last vehicle has left, before the still picture
constexpr double Rychlost = 55.0;       // units a second
constexpr double Zrychleni = 110.0;     // units a second squared
constexpr double Blikani = 2.0 / 3.0;   // s, one period of an indicator (90 flashes a minute)
constexpr double Zablesk = 0.5;         // s, one period of blue lights
constexpr double NejkratsiDelka = 4.2;  // s, a whole scene at least
constexpr double NejdelsiDelka = 7.6;   // s, and at most
constexpr double PredVyjezdem = 25.0;   // units before leaving a roundabout that the indicator starts

// The points of an outline worth testing: its corners and the middles of its sides.
QList<QPointF> BodyObrysu(const Obrys &o)
{
    QList<QPointF> body;
    for (size_t k = 0; k < o.size(); ++k)
        body << o[k] << (o[k] + o[(k + 1) % o.size()]) / 2;
    return body;
}

bool VOblasti(const Scena &s, QPointF b)
{
    const QPointF d = b - G::Stred;
    if (s.okruzni)
        return std::hypot(d.x(), d.y()) <= G::OkruhVnejsi + 1.0;
    return std::abs(d.x()) <= G::Okraj + 1.0 && std::abs(d.y()) <= G::Okraj + 1.0;
}

bool MimoObraz(QPointF b)
{
    return b.x() < -2 || b.x() > Sirka + 2 || b.y() < -2 || b.y() > Vyska + 2;
}

bool Ridi(Svetlo s)
{
    return s != Svetlo::ZlutaBlikajici && s != Svetlo::Vypnuto;
}

QPointF Jednotkovy(QPointF v)
{
    const double d = std::hypot(v.x(), v.y());
    return d > 0 ? v / d : QPointF(0, -1);
}

// The point at distance s along the course, straight on past either end.
QPointF BodNa(const QList<QPointF> &body, const QList<double> &delky, double s)
{
    if (s <= 0)
        return body[0] + Jednotkovy(body[0] - body[1]) * -s;
    if (s >= delky.last())
        return body.last() + Jednotkovy(body.last() - body[body.size() - 2]) * (s - delky.last());
    const qsizetype k = std::upper_bound(delky.cbegin(), delky.cend(), s) - delky.cbegin();
    const double t = (s - delky[k - 1]) / std::max(1e-9, delky[k] - delky[k - 1]);
    return body[k - 1] + (body[k] - body[k - 1]) * t;
}

} // namespace

Jizda::Jizda(const Scena &s, const Reseni &r) : m_scena(s), m_reseni(r)
{
    for (const Vozidlo &v : s.vozidla) {
        Cesta cesta(Umisteni(s, v).stred);
        if (v.naOkruhu)
            cesta = G::TrasaZOkruhu(s, v.rameno, v.smer, G::Daleko);
        else
            cesta.Pripojit(G::Trasa(s, v.rameno, v.smer, 0.0, G::Daleko, 0.0));
        Pohyb p;
        p.body = cesta.Body(Krok);
        p.body.erase(std::unique(p.body.begin(), p.body.end()), p.body.end());
        p.delky << 0.0;
        for (qsizetype k = 1; k < p.body.size(); ++k)
            p.delky << p.delky.last() + QLineF(p.body[k - 1], p.body[k]).length();
        m_pohyby << p;
    }
    for (qsizetype i = 0; i < s.vozidla.size(); ++i) {
        Pohyb &p = m_pohyby[i];
        const Vozidlo &v = s.vozidla[i];
        // Where it enters and clears the crossroads, and leaves the picture.
        bool byl = false;
        double naOkruhu = 0;
        for (double d = 0;; d += Krok) {
            QList<QPointF> body;
            for (const Poloha &c : Clanky(i, d))
                body << BodyObrysu(ObrysClanku(v.druh, c));
            const bool uvnitr = std::any_of(body.cbegin(), body.cend(), [&s](QPointF b) { return VOblasti(s, b); });
            byl = byl || uvnitr;
            if (byl && !uvnitr && p.sVyjel == 0)
                p.sVyjel = d;
            if (std::hypot(BodNa(p.body, p.delky, d).x() - G::Stred.x(), BodNa(p.body, p.delky, d).y() - G::Stred.y()) <=
                G::OkruhJizda + 1.5)
                naOkruhu = d;
            if (std::all_of(body.cbegin(), body.cend(), MimoObraz)) {
                p.sPryc = d;
                break;
            }
        }
        p.smerovka = PredepsanaSmerovka(s, v, s.okruzni);
        p.sOdbocuje = s.okruzni ? naOkruhu - PredVyjezdem : 0;
    }
    m_rychlost = Rychlost;
    m_zrychleni = Zrychleni;
    double delka = Naplanovat();
    for (int pokus = 0; pokus < 4 && (delka > NejdelsiDelka || delka < NejkratsiDelka); ++pokus) {
        // The motion takes 1 / f of its time at f times the speed; the pauses stay.
        double pevne = Pauza + Dojezd + double(m_kroky.size()) * Mezera;
        for (int z : std::as_const(m_zmenaSvetel))
            pevne += z >= 0 ? double(ZmenaSvetel) / SnimkuZaSekundu : 0;
        const double cil = std::clamp(delka, NejkratsiDelka + 0.3, NejdelsiDelka - 0.3);
        const double f = std::max(0.1, delka - pevne) / std::max(0.1, cil - pevne);
        m_rychlost *= f;
        m_zrychleni *= f * f;
        delka = Naplanovat();
    }
    m_pocetSnimku = int(std::ceil(delka * SnimkuZaSekundu)) + 1;
}

std::optional<Jizda> Jizda::ZPopisu(const QString &popis, QString *chyba)
{
    const std::optional<Scena> s = NacistText(popis, chyba);
    if (!s)
        return std::nullopt;
    const Reseni r = Vyresit(*s);
    if (!r.Rozhodnuto()) {
        if (chyba)
            *chyba = r.chyba;
        return std::nullopt;
    }
    return Jizda(*s, r);
}

QList<Poloha> Jizda::Clanky(qsizetype i, double ujeto) const
{
    const Vozidlo &v = m_scena.vozidla[i];
    if (ujeto <= 0)
        return ClankyRovne(v.druh, Umisteni(m_scena, v));
    // Each section on the course, facing along it: a tram bends where its rails do.
    const Pohyb &p = m_pohyby[i];
    const int n = PocetClanku(v.druh);
    const double delka = Rozmer(v.druh).height(), clanek = delka / n;
    QList<Poloha> clanky;
    for (int k = 0; k < n; ++k) {
        const double s = ujeto + delka / 2 - clanek * (k + 0.5);
        const QPointF stred = BodNa(p.body, p.delky, s);
        clanky << Poloha{stred, Jednotkovy(BodNa(p.body, p.delky, s + 2.0) - BodNa(p.body, p.delky, s - 2.0))};
    }
    return clanky;
}

double Jizda::Ujeto(const Pohyb &p, double t) const
{
    const double tau = t - p.start;
    if (tau <= 0)
        return 0;
    const double rozjezd = m_rychlost / m_zrychleni;
    if (tau < rozjezd)
        return m_zrychleni * tau * tau / 2;
    return m_rychlost * rozjezd / 2 + m_rychlost * (tau - rozjezd);
}

double Jizda::Cas(double draha) const
{
    const double rozjezd = m_rychlost / m_zrychleni, naRozjezd = m_rychlost * rozjezd / 2;
    if (draha <= naRozjezd)
        return std::sqrt(2 * std::max(0.0, draha) / m_zrychleni);
    return rozjezd + (draha - naRozjezd) / m_rychlost;
}

bool Jizda::Koliduje(qsizetype i, double start, const QList<bool> &naplanovano) const
{
    Pohyb p = m_pohyby[i];
    p.start = start;
    const int od = int(std::floor(start * SnimkuZaSekundu)), po = int(std::ceil((start + Cas(p.sPryc)) * SnimkuZaSekundu));
    for (int f = od; f <= po; ++f) {
        const double t = double(f) / SnimkuZaSekundu;
        QList<Obrys> moje;
        for (const Poloha &c : Clanky(i, Ujeto(p, t)))
            moje << ObrysClanku(m_scena.vozidla[i].druh, c);
        for (qsizetype j = 0; j < m_pohyby.size(); ++j) {
            if (j == i || !naplanovano[j])
                continue;
            for (const Poloha &c : Clanky(j, Ujeto(m_pohyby[j], t)))
                for (const Obrys &o : std::as_const(moje))
                    if (Prekryvaji(o, ObrysClanku(m_scena.vozidla[j].druh, c)))
                        return true;
        }
    }
    return false;
}

double Jizda::Naplanovat()
{
    m_kroky.clear();
    m_zmenaSvetel.clear();
    QList<bool> naplanovano(m_pohyby.size(), false);
    const bool rizeno = m_scena.policista || std::any_of(m_scena.semafory.cbegin(), m_scena.semafory.cend(),
                                                          [](const Semafor &m) { return Ridi(m.stav); });
    double start = Pauza, konec = 0;
    for (qsizetype k = 0; k < m_reseni.skupiny.size(); ++k) {
        const QList<qsizetype> &skupina = m_reseni.skupiny[k];
        // A group that waits for its way gets it first: red and yellow, then green.
        const bool ceka = std::any_of(skupina.cbegin(), skupina.cend(), [this](qsizetype i) { return !m_reseni.smiNyni.value(i); });
        // Groups set off on a whole frame, so that a frame shows the lights they set off on.
        int snimek = int(std::ceil(start * SnimkuZaSekundu - 1e-6));
        m_zmenaSvetel << (ceka && rizeno ? snimek : -1);
        if (ceka && rizeno)
            snimek += ZmenaSvetel;
        start = double(snimek) / SnimkuZaSekundu;
        KrokJizdy krok;
        krok.vozidla = skupina;
        krok.zacatek = snimek;
        QStringList casti;
        for (qsizetype i : skupina) {
            // A vehicle of the group whose course would touch another's waits a moment.
            double t = start;
            while (Koliduje(i, t, naplanovano) && t < start + 10.0)
                t += 2.0 / SnimkuZaSekundu;
            m_pohyby[i].start = t;
            naplanovano[i] = true;
            casti << u"%1 – %2"_s.arg(JmenoVozidla(m_scena, i), TextDuvodu(m_scena, m_reseni, i));
        }
        krok.popisek = u"%1. %2"_s.arg(k + 1).arg(casti.join(u"; "_s));
        m_kroky << krok;
        double uvolneno = start;
        for (qsizetype i = 0; i < m_pohyby.size(); ++i)
            if (naplanovano[i]) {
                uvolneno = std::max(uvolneno, m_pohyby[i].start + Cas(m_pohyby[i].sVyjel));
                konec = std::max(konec, m_pohyby[i].start + Cas(m_pohyby[i].sPryc));
            }
        start = uvolneno + Mezera;
    }
    return konec + Dojezd;
}

Snimek Jizda::SnimekCislo(int snimek) const
{
    Snimek sn;
    for (const Semafor &m : m_scena.semafory)
        sn.semafory << m.stav;
    sn.policista = m_scena.policista;
    if (snimek >= m_pocetSnimku - 1) {
        sn.stojici = true;
        for (const Vozidlo &v : m_scena.vozidla)
            sn.vozidla << StavVozidla{ClankyRovne(v.druh, Umisteni(m_scena, v)), v.smerovka, v.majak};
        return sn;
    }
    const double t = double(std::max(0, snimek)) / SnimkuZaSekundu;
    const bool sviti = std::fmod(t, Blikani) < Blikani / 2, zablesk = std::fmod(t, Zablesk) < Zablesk / 2;
    for (qsizetype i = 0; i < m_pohyby.size(); ++i) {
        const Pohyb &p = m_pohyby[i];
        const double ujeto = Ujeto(p, t);
        const bool ukazuje = ujeto >= p.sOdbocuje && ujeto < p.sVyjel;
        sn.vozidla << StavVozidla{Clanky(i, ujeto), ukazuje && sviti ? p.smerovka : Smerovka::Zadna,
                                  m_scena.vozidla[i].majak && zablesk};
    }
    // Each waiting group's way: the lights of its arms go red and yellow, then green, the
    // others yellow (where they were green), then red; the officer turns his side to it.
    for (qsizetype k = 0; k < m_kroky.size(); ++k) {
        const int zmena = m_zmenaSvetel.value(k, -1);
        if (zmena < 0 || snimek < zmena)
            continue;
        QList<Rameno> cekaji;
        for (qsizetype i : m_kroky[k].vozidla)
            if (!m_reseni.smiNyni.value(i))
                cekaji << m_scena.vozidla[i].rameno;
        const bool prechod = snimek < zmena + ZmenaSvetel;
        for (qsizetype m = 0; m < m_scena.semafory.size(); ++m) {
            if (!Ridi(sn.semafory[m]))
                continue;
            // The opposite arm that showed the same shares the phase, an empty arm too.
            const Rameno r = m_scena.semafory[m].rameno;
            const Semafor *protejsi = m_scena.semafor(Cil(r, Smer::Rovne));
            const bool jeho = cekaji.contains(r) || (protejsi && cekaji.contains(protejsi->rameno) &&
                                                     protejsi->stav == m_scena.semafory[m].stav);
            if (prechod)
                sn.semafory[m] = jeho ? Svetlo::CervenaZluta : sn.semafory[m] == Svetlo::Zelena ? Svetlo::Zluta : Svetlo::Cervena;
            else
                sn.semafory[m] = jeho ? Svetlo::Zelena : Svetlo::Cervena;
        }
        if (sn.policista && !cekaji.isEmpty() && !prechod)
            sn.policista = Policista{Rameno((int(cekaji[0]) + 1) % 4), false};
    }
    return sn;
}

QString Jizda::Popisek(int snimek) const
{
    QString popisek;
    for (const KrokJizdy &k : m_kroky)
        if (popisek.isEmpty() || k.zacatek <= snimek)
            popisek = k.popisek;
    return popisek;
}

} // namespace Krizovatky
