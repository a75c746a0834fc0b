#include "logika/prednost.h"

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace Krizovatky {

namespace {

// One vehicle giving way to another, and the rule that makes it.
struct Hrana {
    qsizetype komu = 0;
    Duvod proc = Duvod::Volno;
};

Reseni Nelze(const QString &proc)
{
    Reseni r;
    r.chyba = proc;
    return r;
}

double Zbytek(double x, double m)
{
    return std::fmod(std::fmod(x, m) + m, m);
}

// Courses through a crossroads as chords of a circle round it: each arm has its entry just
// anticlockwise of its axis and its exit just clockwise (traffic keeps right). Two courses
// cross when the ends of one lie on both sides of the other; they merge when they share the exit.
double Konec(Rameno r, bool vjezd)
{
    return int(r) + (vjezd ? -0.1 : 0.1);
}

bool KriziSe(const Vozidlo &a, const Vozidlo &b)
{
    if (a.rameno == b.rameno)
        return false; // one behind the other: a queue
    const Rameno ca = Cil(a.rameno, a.smer), cb = Cil(b.rameno, b.smer);
    if (ca == cb)
        return true;
    const double od = Konec(a.rameno, true), delka = Zbytek(Konec(ca, false) - od, 4);
    const auto mezi = [od, delka](double x) { return Zbytek(x - od, 4) < delka; };
    return mezi(Konec(b.rameno, true)) != mezi(Konec(cb, false));
}

// A roundabout's ring in the direction it is ridden, in quarters from the north arm's axis: each
// arm's exit a little before its axis, its entry a little after, and the place of a vehicle on
// the ring before the arm (where the picture puts it) just before the exit.
double MistoNaOkruhu(Rameno r, double posun)
{
    return Zbytek((4 - int(r)) % 4 + posun, 4);
}

constexpr double Vjezd = 0.31, Vyjezd = -0.31, Stoji = -0.47;

// The stretch of the ring a vehicle will ride: from where it joins or stands to where it leaves.
struct Usek {
    double od = 0, delka = 0;
    bool obsahuje(double x) const { return Zbytek(x - od, 4) <= delka; }
};

Usek UsekNaOkruhu(const Scena &s, const Vozidlo &v)
{
    // Riding on round, a vehicle on the ring leaves by the next arm; one entering leaves by the
    // arm its direction names.
    const Rameno vyjezd = v.naOkruhu ? (v.smer == Smer::Vpravo ? v.rameno : Rameno((int(v.rameno) + 3) % 4))
                                     : Cil(v.rameno, v.smer);
    Rameno skutecny = vyjezd;
    while (!s.maRameno(skutecny))
        skutecny = Rameno((int(skutecny) + 3) % 4);
    const double od = MistoNaOkruhu(v.rameno, v.naOkruhu ? Stoji : Vjezd);
    return {od, Zbytek(MistoNaOkruhu(skutecny, Vyjezd) - od, 4)};
}

class Resitel {
public:
    explicit Resitel(const Scena &s) : m_s(s), m_hrany(s.vozidla.size())
    {
        for (Rameno r : s.ramena)
            m_vedlejsi[int(r)] = s.maZnacku(r, u"P4"_s) || s.maZnacku(r, u"P6"_s);
        if (!s.hlavni.isEmpty()) {
            for (Rameno r : s.ramena)
                m_hlavni[int(r)] = s.hlavni.contains(r);
            m_maHlavni = true;
        } else if (std::any_of(std::begin(m_vedlejsi), std::end(m_vedlejsi), [](bool b) { return b; })) {
            for (Rameno r : s.ramena)
                m_hlavni[int(r)] = !m_vedlejsi[int(r)];
            m_maHlavni = !s.okruzni;
        }
    }

    Reseni Vyresit()
    {
        Reseni r;
        const qsizetype n = m_s.vozidla.size();
        QString chyba;
        for (qsizetype i = 0; i < n; ++i)
            for (qsizetype j = 0; j < n; ++j)
                if (i != j && !Porovnat(i, j, chyba))
                    return Nelze(chyba);
        // Group by group: those who give way to nobody still waiting go now.
        QList<qsizetype> skupinaVozidla(n, -1);
        for (qsizetype zbyva = n; zbyva > 0;) {
            QList<qsizetype> skupina;
            for (qsizetype i = 0; i < n; ++i)
                if (skupinaVozidla[i] < 0 &&
                    std::none_of(m_hrany[i].cbegin(), m_hrany[i].cend(),
                                 [&](const Hrana &h) { return skupinaVozidla[h.komu] < 0; }))
                    skupina << i;
            if (skupina.isEmpty()) {
                QStringList kruh;
                for (qsizetype i = 0; i < n; ++i)
                    if (skupinaVozidla[i] < 0)
                        kruh << JmenoVozidla(m_s, i);
                return Nelze(u"Pořadí nelze podle pravidel rozhodnout: %1 čekají jeden na druhého."_s.arg(
                    kruh.join(u", "_s)));
            }
            for (qsizetype i : std::as_const(skupina))
                skupinaVozidla[i] = r.skupiny.size();
            r.skupiny << skupina;
            zbyva -= skupina.size();
        }
        for (qsizetype i = 0; i < n; ++i) {
            r.duvody << DuvodVozidla(i, skupinaVozidla);
            r.smiNyni << (Faze(V(i)) <= 0);
        }
        return r;
    }

private:
    const Vozidlo &V(qsizetype i) const { return m_s.vozidla[i]; }

    bool Hlavni(const Vozidlo &v) const { return m_maHlavni && m_hlavni[int(v.rameno)]; }

    // Whether the vehicle's traffic light works (does not flash yellow and is not off).
    const Semafor *Signal(const Vozidlo &v) const
    {
        const Semafor *m = m_s.semafor(v.rameno);
        return m && m->stav != Svetlo::ZlutaBlikajici && m->stav != Svetlo::Vypnuto ? m : nullptr;
    }

    bool Sipka(const Vozidlo &v) const
    {
        const Semafor *m = Signal(v);
        return m && m->stav != Svetlo::Zelena && m->sipka == v.smer;
    }

    // How long the vehicle waits for its way: 0 it may go now, more the later its turn comes.
    int Faze(const Vozidlo &v) const
    {
        if (v.majak)
            return -1;
        if (const std::optional<Policista> &p = m_s.policista) {
            const Rameno vlevoOdNej = Rameno((int(p->celem) + 3) % 4), vpravoOdNej = Rameno((int(p->celem) + 1) % 4);
            if (p->predpazeni)
                return v.rameno == vlevoOdNej || (v.rameno == p->celem && v.smer == Smer::Vpravo) ? 0 : 1;
            return v.rameno == vlevoOdNej || v.rameno == vpravoOdNej ? 0 : 1;
        }
        const Semafor *m = Signal(v);
        if (!m || m->stav == Svetlo::Zelena || Sipka(v))
            return 0;
        // The lights go red and yellow, green, yellow, red: red and yellow is next to go green,
        // red waits for it, and yellow has just ended its green.
        return m->stav == Svetlo::CervenaZluta ? 1 : m->stav == Svetlo::Cervena ? 2 : 3;
    }

    bool Rizeno(const Vozidlo &a, const Vozidlo &b) const
    {
        return m_s.policista || (Signal(a) && Signal(b));
    }

    // The arm a left-turning driver sees the oncoming traffic come from: straight ahead, or for two
    // vehicles on a main road that bends, its other arm.
    Rameno Protijedouci(const Vozidlo &a, const Vozidlo &b) const
    {
        if (Hlavni(a) && Hlavni(b) && !m_s.policista)
            return m_s.hlavni.value(0) == a.rameno ? m_s.hlavni.value(1) : m_s.hlavni.value(0);
        return Cil(a.rameno, Smer::Rovne);
    }

    bool OdbociVlevoPred(const Vozidlo &a, const Vozidlo &b) const
    {
        return a.smer == Smer::Vlevo && b.rameno == Protijedouci(a, b);
    }

    void Dava(qsizetype i, qsizetype j, Duvod proc) { m_hrany[i] << Hrana{j, proc}; }

    // Adds the rule by which i gives way to j, if one does; false (with the reason) when the two
    // courses meet and no rule decides between them.
    bool Porovnat(qsizetype i, qsizetype j, QString &chyba)
    {
        const Vozidlo &a = V(i), &b = V(j);
        if (!a.naOkruhu && !b.naOkruhu && a.rameno == b.rameno) {
            if (a.poradi > b.poradi)
                Dava(i, j, Duvod::Fronta);
            return true;
        }
        const int fa = Faze(a), fb = Faze(b);
        if (fa != fb) {
            if (fa > fb)
                Dava(i, j, b.majak ? Duvod::DavaPrednostPrednostni
                           : m_s.policista ? Duvod::CekaNaPolicistu
                                           : Duvod::CekaNaSignal);
            return true;
        }
        if (i > j)
            return true; // every pair once, from the one listed first
        const std::optional<bool> iDava = m_s.okruzni ? NaOkruhu(i, j) : NaKrizovatce(i, j);
        if (m_duvod && !iDava) {
            chyba = u"Pořadí nelze podle pravidel rozhodnout: %1 a %2 si kříží cestu a žádné pravidlo mezi "
                    u"nimi nerozhoduje."_s.arg(JmenoVozidla(m_s, i), JmenoVozidla(m_s, j));
            return false;
        }
        if (m_duvod)
            *iDava ? Dava(i, j, *m_duvod) : Dava(j, i, *m_duvod);
        return true;
    }

    // Sets m_duvod to the rule when the courses meet, and returns whether i is the one to give
    // way; an empty answer with m_duvod set means no rule decides.
    std::optional<bool> NaKrizovatce(qsizetype i, qsizetype j)
    {
        const Vozidlo &a = V(i), &b = V(j);
        m_duvod.reset();
        if (!KriziSe(a, b))
            return std::nullopt;
        // Signs give way between the roads only where neither lights nor an officer direct.
        const bool rizeno = Rizeno(a, b);
        if (!rizeno && Hlavni(a) != Hlavni(b)) {
            const Vozidlo &vedlejsi = Hlavni(a) ? b : a;
            m_duvod = m_s.maZnacku(vedlejsi.rameno, u"P6"_s) ? Duvod::VedlejsiStuj : Duvod::Vedlejsi;
            return !Hlavni(a);
        }
        m_duvod = Duvod::OdbocujeVlevo;
        if (OdbociVlevoPred(a, b))
            return true;
        if (OdbociVlevoPred(b, a))
            return false;
        if (rizeno) {
            m_duvod = Duvod::ZelenaSipka;
            if (Sipka(a) != Sipka(b))
                return Sipka(a);
            return std::nullopt;
        }
        m_duvod = Duvod::Zprava;
        if (b.rameno == Cil(a.rameno, Smer::Vpravo))
            return true;
        if (a.rameno == Cil(b.rameno, Smer::Vpravo))
            return false;
        return std::nullopt;
    }

    std::optional<bool> NaOkruhu(qsizetype i, qsizetype j)
    {
        const Vozidlo &a = V(i), &b = V(j);
        m_duvod.reset();
        const Usek ua = UsekNaOkruhu(m_s, a), ub = UsekNaOkruhu(m_s, b);
        if (a.naOkruhu && b.naOkruhu)
            return std::nullopt; // riding the ring one after the other
        if (a.naOkruhu != b.naOkruhu) {
            const Vozidlo &vjizdi = a.naOkruhu ? b : a;
            const Usek &okruh = a.naOkruhu ? ua : ub, &vjezd = a.naOkruhu ? ub : ua;
            if (okruh.obsahuje(vjezd.od)) {
                // The vehicle on the ring comes past the entry: marked entries give way to it,
                // else it comes from the entering driver's left (§ 22 odst. 2).
                const bool dejPrednost = m_s.maZnacku(vjizdi.rameno, u"P4"_s) || m_s.maZnacku(vjizdi.rameno, u"P6"_s);
                m_duvod = dejPrednost ? Duvod::VjezdNaOkruh : Duvod::Zprava;
                return dejPrednost == b.naOkruhu;
            }
            if (vjezd.obsahuje(okruh.od)) {
                // It stands on the stretch the entering vehicle will ride: the entering one follows.
                m_duvod = Duvod::Fronta;
                return b.naOkruhu;
            }
            return std::nullopt;
        }
        if (ua.obsahuje(ub.od) || ub.obsahuje(ua.od))
            m_duvod = Duvod::VjezdNaOkruh; // both entering onto one stretch: no rule says who first
        return std::nullopt;
    }

    Duvod DuvodVozidla(qsizetype i, const QList<qsizetype> &skupinaVozidla) const
    {
        // The rule that held it longest: its wait for the last vehicle it gave way to.
        const Hrana *rozhodla = nullptr;
        for (const Hrana &h : m_hrany[i])
            if (!rozhodla || skupinaVozidla[h.komu] > skupinaVozidla[rozhodla->komu])
                rozhodla = &h;
        if (rozhodla)
            return rozhodla->proc;
        const Vozidlo &v = V(i);
        if (v.majak)
            return Duvod::PrednostniJizda;
        if (Faze(v) > 0)
            return m_s.policista ? Duvod::CekaNaPolicistu : Duvod::CekaNaSignal;
        if (m_s.policista)
            return Duvod::PolicistaVolno;
        if (Signal(v))
            return Sipka(v) ? Duvod::ZelenaSipka : Duvod::Zelena;
        if (m_s.okruzni) {
            const bool oznacen = m_s.maZnacku(v.rameno, u"P4"_s) || m_s.maZnacku(v.rameno, u"P6"_s);
            return v.naOkruhu ? Duvod::NaOkruhu : oznacen ? Duvod::Volno : Duvod::NikdoZprava;
        }
        if (Hlavni(v))
            return Duvod::Hlavni;
        const Rameno zprava = Cil(v.rameno, Smer::Vpravo);
        const bool nekdoZprava = std::any_of(m_s.vozidla.cbegin(), m_s.vozidla.cend(),
                                             [zprava](const Vozidlo &jine) { return jine.rameno == zprava; });
        return nekdoZprava ? Duvod::Volno : Duvod::NikdoZprava;
    }

    const Scena &m_s;
    QList<QList<Hrana>> m_hrany;
    bool m_vedlejsi[4] = {};
    bool m_hlavni[4] = {};
    bool m_maHlavni = false;
    std::optional<Duvod> m_duvod;
};

QString Pridavne(Barva b, const QString &koncovka)
{
    return KmenBarvy(b) + koncovka;
}

} // namespace

qsizetype Reseni::Skupina(qsizetype vozidlo) const
{
    for (qsizetype k = 0; k < skupiny.size(); ++k)
        if (skupiny[k].contains(vozidlo))
            return k;
    return -1;
}

Reseni Vyresit(const Scena &s)
{
    Reseni r = Resitel(s).Vyresit();
    if (s.reseni.isEmpty())
        return r;
    QList<QList<qsizetype>> stanovene;
    QStringList texty;
    for (const SkupinaReseni &sk : s.reseni) {
        QList<qsizetype> skupina = sk.vozidla;
        std::sort(skupina.begin(), skupina.end());
        stanovene << skupina;
        texty << sk.duvod;
    }
    Reseni uvedene;
    uvedene.skupiny = stanovene;
    if (r.Rozhodnuto()) {
        if (r.skupiny == stanovene)
            return r;
        return Nelze(u"Scéna uvádí pořadí %1, pravidla dávají %2."_s.arg(PopisPoradi(s, uvedene), PopisPoradi(s, r)));
    }
    uvedene.duvody = QList<Duvod>(s.vozidla.size(), Duvod::Stanovene);
    uvedene.smiNyni = QList<bool>(s.vozidla.size(), true);
    uvedene.texty = texty;
    return uvedene;
}

QString JmenoVozidla(const Scena &s, qsizetype i)
{
    const Vozidlo &v = s.vozidla[i];
    if (v.moje)
        return u"vaše vozidlo"_s;
    const auto jedine = [&s, &v] {
        return std::count_if(s.vozidla.cbegin(), s.vozidla.cend(), [&v](const Vozidlo &j) { return j.druh == v.druh; }) == 1;
    };
    switch (v.druh) {
    case Druh::Osobni: return Pridavne(*v.barva, u"é"_s) + u" auto"_s;
    case Druh::Nakladni: return Pridavne(*v.barva, u"ý"_s) + u" nákladní automobil"_s;
    case Druh::Autobus: return Pridavne(*v.barva, u"ý"_s) + u" autobus"_s;
    case Druh::Motocykl: return Pridavne(*v.barva, u"ý"_s) + u" motocykl"_s;
    case Druh::Kolo: return jedine() ? u"cyklista"_s : u"cyklista na "_s + Pridavne(*v.barva, u"ém"_s) + u" kole"_s;
    case Druh::Tramvaj: return jedine() || !v.barva ? u"tramvaj"_s : Pridavne(*v.barva, u"á"_s) + u" tramvaj"_s;
    case Druh::Sanitka: return u"sanitka"_s;
    case Druh::Hasici: return u"hasičský automobil"_s;
    case Druh::Policie: return u"policejní automobil"_s;
    }
    return {};
}

QString TextDuvodu(const Scena &s, const Reseni &r, qsizetype i)
{
    // "Sanitka" and "tramvaj" are feminine, the other names masculine or neuter.
    const Vozidlo &v = s.vozidla[i];
    const QString mu = !v.moje && (v.druh == Druh::Sanitka || v.druh == Druh::Tramvaj) ? u"jí"_s : u"mu"_s;
    switch (r.duvody.value(i, Duvod::Volno)) {
    case Duvod::PrednostniJizda: return u"jede se zvláštním výstražným světlem, ostatní %1 dávají přednost"_s.arg(mu);
    case Duvod::DavaPrednostPrednostni: return u"dává přednost vozidlu se zvláštním výstražným světlem"_s;
    case Duvod::Zelena: return u"má zelenou"_s;
    case Duvod::ZelenaSipka: return u"jede na zelenou šipku a dává přednost vozidlům, která mají zelenou"_s;
    case Duvod::CekaNaSignal: return u"jede, až %1 naskočí zelená"_s.arg(mu);
    case Duvod::PolicistaVolno: return u"policista %1 dává volno"_s.arg(mu);
    case Duvod::CekaNaPolicistu: return u"jede, až %1 policista dá volno"_s.arg(mu);
    case Duvod::Hlavni: return u"jede po hlavní pozemní komunikaci"_s;
    case Duvod::Vedlejsi: return u"přijíždí po vedlejší a dává přednost vozidlům na hlavní"_s;
    case Duvod::VedlejsiStuj: return u"zastaví u značky Stůj a dává přednost vozidlům na hlavní"_s;
    case Duvod::NaOkruhu: return u"jede po kruhovém objezdu"_s;
    case Duvod::VjezdNaOkruh: return u"vjíždí na kruhový objezd a dává přednost vozidlům na něm"_s;
    case Duvod::NikdoZprava: return u"nemá nikoho zprava"_s;
    case Duvod::Zprava: return u"dává přednost vozidlu zprava"_s;
    case Duvod::OdbocujeVlevo: return u"odbočuje vlevo a dává přednost protijedoucím"_s;
    case Duvod::Fronta: return u"jede za vozidlem před sebou"_s;
    case Duvod::Volno: return u"nikdo %1 nekříží cestu"_s.arg(mu);
    case Duvod::Stanovene: return r.texty.value(r.Skupina(i));
    }
    return {};
}

QString PopisPoradi(const Scena &s, const Reseni &r)
{
    QStringList skupiny;
    for (const QList<qsizetype> &skupina : r.skupiny) {
        QStringList jmena;
        for (qsizetype i : skupina)
            jmena << JmenoVozidla(s, i);
        skupiny << jmena.join(u" + "_s);
    }
    return skupiny.join(u" → "_s);
}

Smerovka PredepsanaSmerovka(const Scena &s, const Vozidlo &v, bool vyjizdi)
{
    if (s.okruzni)
        return vyjizdi ? Smerovka::Vpravo : Smerovka::Zadna;
    switch (v.smer) {
    case Smer::Vlevo: return Smerovka::Vlevo;
    case Smer::Vpravo: return Smerovka::Vpravo;
    case Smer::Rovne: break;
    }
    return Smerovka::Zadna;
}

} // namespace Krizovatky
