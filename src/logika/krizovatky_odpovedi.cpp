#include "logika/krizovatky_odpovedi.h"

#include <QRegularExpression>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace Krizovatky {

namespace {

QStringList Slova(const QString &text)
{
    static const QRegularExpression mezi(u"[^\\p{L}]+"_s);
    return text.toLower().split(mezi, Qt::SkipEmptyParts);
}

bool ZacinaNekterym(const QString &slovo, std::initializer_list<const char16_t *> kmeny)
{
    return std::any_of(kmeny.begin(), kmeny.end(), [&slovo](const char16_t *k) { return slovo.startsWith(QStringView(k)); });
}

// Finds the scene's vehicles in a text by the words the questions name them with.
class Jmena {
public:
    explicit Jmena(const Scena &s) : m_s(s) {}

    // The vehicles named, in the order of the text, each once where it is named twice running
    // ("oranžový nákladní automobil").
    QList<qsizetype> Vozidla(const QStringList &slova) const
    {
        QList<qsizetype> nalezena;
        const auto pridat = [&nalezena](qsizetype i) {
            if (nalezena.isEmpty() || nalezena.last() != i)
                nalezena << i;
        };
        QList<qsizetype> barvou; // a colour several vehicles share waits for the kind after it
        int zbyva = 0;
        for (const QString &slovo : slova) {
            if (zbyva > 0 && --zbyva == 0)
                barvou.clear();
            if (const qsizetype ja = Moje(); ja >= 0 && QStringList{u"vy"_s, u"vám"_s, u"vás"_s, u"já"_s, u"mi"_s,
                                                                      u"mně"_s, u"mě"_s}
                                                              .contains(slovo)) {
                pridat(ja);
                continue;
            }
            const QList<qsizetype> podleBarvy = Barvou(slovo);
            if (podleBarvy.size() == 1) {
                pridat(podleBarvy[0]);
                continue;
            }
            if (!podleBarvy.isEmpty()) {
                barvou = podleBarvy;
                zbyva = 3;
                continue;
            }
            QList<qsizetype> podleDruhu = Druhem(slovo);
            if (!barvou.isEmpty())
                podleDruhu.removeIf([&barvou](qsizetype i) { return !barvou.contains(i); });
            if (podleDruhu.size() == 1)
                pridat(podleDruhu[0]);
        }
        return nalezena;
    }

    qsizetype Moje() const
    {
        for (qsizetype i = 0; i < m_s.vozidla.size(); ++i)
            if (m_s.vozidla[i].moje)
                return i;
        return -1;
    }

private:
    // The neuter and masculine forms of a colour's adjective, as vehicles are named; the feminine
    // ones ("zelená", "červenou") name the lights.
    QList<qsizetype> Barvou(const QString &slovo) const
    {
        static const QStringList koncovky{u"é"_s, u"ého"_s, u"ému"_s, u"ém"_s, u"ý"_s, u"ým"_s, u"ými"_s, u"ých"_s};
        QList<qsizetype> vozidla;
        for (qsizetype i = 0; i < m_s.vozidla.size(); ++i) {
            const std::optional<Barva> b = m_s.vozidla[i].barva;
            if (b && slovo.startsWith(KmenBarvy(*b)) && koncovky.contains(slovo.mid(KmenBarvy(*b).size())))
                vozidla << i;
        }
        return vozidla;
    }

    QList<qsizetype> Druhem(const QString &slovo) const
    {
        std::optional<Druh> druh;
        if (slovo.startsWith(u"tramvaj"))
            druh = Druh::Tramvaj;
        else if (slovo.startsWith(u"sanitk"))
            druh = Druh::Sanitka;
        else if (slovo.startsWith(u"hasič"))
            druh = Druh::Hasici;
        else if (slovo.startsWith(u"nákladn"))
            druh = Druh::Nakladni;
        else if (slovo.startsWith(u"autobus"))
            druh = Druh::Autobus;
        else if (slovo.startsWith(u"motocykl"))
            druh = Druh::Motocykl;
        else if (slovo.startsWith(u"cyklist") || QStringList{u"kolo"_s, u"kola"_s, u"kole"_s, u"kolu"_s}.contains(slovo))
            druh = Druh::Kolo;
        else if (slovo.startsWith(u"policejní"))
            druh = Druh::Policie;
        QList<qsizetype> vozidla;
        for (qsizetype i = 0; druh && i < m_s.vozidla.size(); ++i)
            if (m_s.vozidla[i].druh == *druh)
                vozidla << i;
        return vozidla;
    }

    const Scena &m_s;
};

enum class Otazka { Poradi, SmejiNyni, KdoDava, Prvni, SmiPred, Tvrzeni };

class Overeni {
public:
    Overeni(const Scena &s, const Reseni &r, const QString &otazka)
        : m_s(s), m_r(r), m_jmena(s), m_ja(m_jmena.Moje()), m_otazka(Slova(otazka))
    {
        const QList<qsizetype> vOtazce = m_jmena.Vozidla(m_otazka);
        QList<qsizetype> jina = vOtazce;
        jina.removeAll(m_ja);
        const bool smim = Obsahuje(m_otazka, {u"smíte", u"smím"});
        if (m_otazka.contains(u"pořadí"_s))
            m_typ = Otazka::Poradi;
        else if (m_otazka.contains(u"smějí"_s))
            m_typ = Otazka::SmejiNyni;
        else if (m_otazka.contains(u"kdo"_s) && m_otazka.contains(u"přednost"_s) && !vOtazce.isEmpty()) {
            m_typ = Otazka::KdoDava;
            m_x = vOtazce[0];
        } else if (m_otazka.contains(u"první"_s))
            m_typ = Otazka::Prvni;
        else if (smim && Obsahuje(m_otazka, {u"před", u"dříve"}) && !jina.isEmpty() && m_ja >= 0) {
            m_typ = Otazka::SmiPred;
            m_x = jina[0];
        }
        m_anoNe = smim;
        m_vyjizdi = std::any_of(m_otazka.cbegin(), m_otazka.cend(),
                                [](const QString &w) { return ZacinaNekterym(w, {u"vyjet", u"vyjíždí", u"opouští"}); });
    }

    // Empty when the answer agrees; else what is wrong with it.
    QString Odpoved(const QString &text, bool oznacena) const
    {
        const QStringList slova = Slova(text);
        const QList<qsizetype> vozidla = m_jmena.Vozidla(slova);
        switch (m_typ) {
        case Otazka::Poradi: {
            const bool sedi = SediPoradi(vozidla);
            if (oznacena && !sedi)
                return u"neuvádí pořadí podle pravidel"_s;
            if (!oznacena && sedi)
                return u"uvádí pořadí podle pravidel, a přece není vyznačená"_s;
            return {};
        }
        case Otazka::SmejiNyni: {
            QList<qsizetype> smi;
            for (qsizetype i = 0; i < m_s.vozidla.size(); ++i)
                if (m_r.smiNyni.value(i))
                    smi << i;
            QList<qsizetype> jmenovana = vozidla;
            std::sort(jmenovana.begin(), jmenovana.end());
            if (oznacena && jmenovana != smi)
                return u"nejmenuje právě ta vozidla, která smějí vjet hned"_s;
            if (!oznacena && jmenovana == smi)
                return u"jmenuje právě ta vozidla, která smějí vjet hned, a přece není vyznačená"_s;
            return {};
        }
        default: break;
        }
        if (!oznacena)
            return {}; // a wrong answer may name the right vehicle for a wrong reason
        // A condition ("jen tehdy, když…", "pokud…", "je-li…") cannot be read against the order.
        if (Obsahuje(slova, {u"pokud", u"když", u"jestliže", u"tehdy"}) || slova.contains(u"li"_s))
            return u"klade podmínku, kterou kontrola podle pořadí neověří"_s;
        switch (m_typ) {
        case Otazka::KdoDava: {
            if (Obsahuje(slova, {u"žádn", u"nikdo"})) {
                for (qsizetype i = 0; i < m_s.vozidla.size(); ++i)
                    if (Po(i, m_x))
                        return u"tvrdí, že přednost nedává nikdo, ale dává ji: %1"_s.arg(JmenoVozidla(m_s, i));
                return {};
            }
            QList<qsizetype> davaji = vozidla;
            davaji.removeAll(m_x);
            if (davaji.isEmpty())
                return Nerozumi();
            for (qsizetype i : std::as_const(davaji))
                if (!Po(i, m_x))
                    return u"jmenuje vozidlo, které přednost nedává: %1"_s.arg(JmenoVozidla(m_s, i));
            return {};
        }
        case Otazka::Prvni:
            if (vozidla.isEmpty())
                return Nerozumi();
            if (m_r.Skupina(vozidla[0]) != 0)
                return u"jmenuje jako první vozidlo, které první nejede: %1"_s.arg(JmenoVozidla(m_s, vozidla[0]));
            return {};
        case Otazka::SmiPred:
            if (slova.value(0) == u"ano"_s)
                return Po(m_x, m_ja) ? QString() : u"tvrdí, že jedete dřív, ale jedete později"_s;
            if (slova.value(0) == u"ne"_s)
                return Po(m_ja, m_x) ? QString() : u"tvrdí, že jedete později, ale jedete dřív"_s;
            return Nerozumi();
        default: return Tvrzeni(text);
        }
    }

private:
    static bool Obsahuje(const QStringList &slova, std::initializer_list<const char16_t *> kmeny)
    {
        return std::any_of(slova.cbegin(), slova.cend(), [kmeny](const QString &w) { return ZacinaNekterym(w, kmeny); });
    }

    // Whether vehicle a passes in a later group than b.
    bool Po(qsizetype a, qsizetype b) const { return a >= 0 && b >= 0 && m_r.Skupina(a) > m_r.Skupina(b); }

    static QString Nerozumi() { return u"neříká nic, co by šlo ověřit podle pořadí (nejmenuje vozidla tak, jak je otázka zná)"_s; }

    bool SediPoradi(const QList<qsizetype> &vozidla) const
    {
        qsizetype k = 0;
        for (const QList<qsizetype> &skupina : m_r.skupiny) {
            QList<qsizetype> cast = vozidla.mid(k, skupina.size());
            std::sort(cast.begin(), cast.end());
            if (cast != skupina)
                return false;
            k += skupina.size();
        }
        return k == vozidla.size();
    }

    // Clause by clause, the statements of one answer; an answer without any is not understood.
    QString Tvrzeni(const QString &text) const
    {
        static const QRegularExpression deleni(u"[,.;]"_s);
        int tvrzeni = 0;
        for (const QString &veta : text.split(deleni, Qt::SkipEmptyParts)) {
            const QStringList slova = Slova(veta);
            if (slova.isEmpty())
                continue;
            QList<qsizetype> jini = m_jmena.Vozidla(slova);
            jini.removeAll(m_ja);
            if (slova.contains(u"znamení"_s)) {
                const Smerovka ma = PredepsanaSmerovka(m_s, m_s.vozidla.value(std::max<qsizetype>(m_ja, 0)),
                                                       m_vyjizdi && !Obsahuje(slova, {u"vjezd", u"vjíždí"}));
                const Smerovka rika = slova.contains(u"vpravo"_s)  ? Smerovka::Vpravo
                                      : slova.contains(u"vlevo"_s) ? Smerovka::Vlevo
                                                                   : Smerovka::Zadna;
                ++tvrzeni;
                if (ma != rika)
                    return u"uvádí znamení o změně směru, které zákon nežádá"_s;
                continue;
            }
            if (slova.contains(u"přednost"_s)) {
                if (Obsahuje(slova, {u"signál"})) {
                    ++tvrzeni;
                    const Duvod d = m_r.duvody.value(std::max<qsizetype>(m_ja, 0));
                    if (d != Duvod::Zelena && d != Duvod::ZelenaSipka && d != Duvod::CekaNaSignal)
                        return u"tvrdí, že přednost určují světelné signály, ale neurčují"_s;
                    continue;
                }
                const qsizetype musi = slova.indexOf(u"musí"_s);
                if (musi > 0 && !jini.isEmpty() && Obsahuje(slova, {u"vám", u"mi", u"mně"})) {
                    ++tvrzeni;
                    if (!Po(jini[0], m_ja))
                        return u"jmenuje vozidlo, které vám přednost nedává: %1"_s.arg(JmenoVozidla(m_s, jini[0]));
                    continue;
                }
                for (qsizetype x : std::as_const(jini)) {
                    ++tvrzeni;
                    if (!Po(m_ja, x))
                        return u"tvrdí, že dáváte přednost, ale jedete dřív než: %1"_s.arg(JmenoVozidla(m_s, x));
                }
                continue;
            }
            if (Obsahuje(slova, {u"červenou"}) && !jini.isEmpty()) {
                ++tvrzeni;
                if (m_r.smiNyni.value(jini[0]))
                    return u"tvrdí, že má stát, ale smí jet: %1"_s.arg(JmenoVozidla(m_s, jini[0]));
                continue;
            }
            const QString prvni = slova[0];
            if (Obsahuje(slova, {u"nesmím", u"nesmíte"}) || (m_anoNe && prvni == u"ne"_s)) {
                ++tvrzeni;
                if (m_r.smiNyni.value(m_ja))
                    return u"tvrdí, že ještě nesmíte jet, ale smíte"_s;
                continue;
            }
            if (QStringList{u"smíte"_s, u"smím"_s}.contains(prvni) || (m_anoNe && prvni == u"ano"_s)) {
                ++tvrzeni;
                if (!m_r.smiNyni.value(m_ja))
                    return u"tvrdí, že smíte jet, ale musíte čekat"_s;
                continue;
            }
            if (QStringList{u"pojedu"_s, u"projedu"_s}.contains(prvni)) {
                ++tvrzeni;
                if (m_r.Skupina(m_ja) != 0)
                    return u"tvrdí, že pojedete hned, ale musíte dát přednost"_s;
            }
        }
        return tvrzeni == 0 ? Nerozumi() : QString();
    }

    const Scena &m_s;
    const Reseni &m_r;
    Jmena m_jmena;
    qsizetype m_ja = -1;
    QStringList m_otazka;
    Otazka m_typ = Otazka::Tvrzeni;
    qsizetype m_x = -1;    // the vehicle the question asks about
    bool m_anoNe = false;  // the question asks "may you…", answered yes or no
    bool m_vyjizdi = false; // it asks of leaving a roundabout
};

} // namespace

QString OveritOdpovedi(const Scena &s, const Reseni &r, const QString &otazka, const std::array<QString, 4> &odpovedi,
                       const QString &spravne)
{
    if (!r.Rozhodnuto())
        return r.chyba;
    const Overeni overeni(s, r, otazka);
    for (int i = 0; i < 4; ++i) {
        if (odpovedi[size_t(i)].trimmed().isEmpty())
            continue;
        const QString vada = overeni.Odpoved(odpovedi[size_t(i)], spravne.contains(QChar(u'A' + i)));
        if (!vada.isEmpty())
            return u"odpověď %1) „%2“ %3; pořadí podle pravidel: %4"_s.arg(QChar(u'a' + i), odpovedi[size_t(i)].trimmed(), vada,
                                                                           PopisPoradi(s, r));
    }
    return {};
}

} // namespace Krizovatky
