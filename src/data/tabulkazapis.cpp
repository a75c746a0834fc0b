// The table store's writing: a new record stored whole, and deletions, each in one transaction
// over both files.
#include "data/tabulka.h"

#include "data/tabulkasql.h"

#include <algorithm>

using namespace TabulkaSql;

namespace {

// Ids bound to one DELETE; well under the engine's limit of bound parameters.
constexpr std::size_t BlokMazani = 500;

} // namespace

void Tabulka::Vlozit()
{
    if (!Otevreno())
        throw ChybaTabulky(Zprava(m_jmeno, QStringLiteral("tabulka není otevřena")));
    m_vkladani = true;
    m_novy = QVariantList(m_pole.size());
}

void Tabulka::Nastavit(const QString &pole, const QVariant &hodnota)
{
    if (!m_vkladani)
        throw ChybaTabulky(Zprava(m_jmeno, QStringLiteral("záznam není ve vkládání")));
    const int i = IndexPoleNeboChyba(pole);
    const DefinicePole &p = m_pole[i];
    switch (p.typ) {
    case TypPole::Retezec: m_novy[i] = hodnota.toString().left(p.velikost); break;
    case TypPole::Cele: m_novy[i] = QVariant(hodnota.toLongLong()); break;
    case TypPole::DatumCas: m_novy[i] = hodnota.toDateTime().toString(FormatDatumCas); break;
    case TypPole::Datum: m_novy[i] = hodnota.toDate().toString(FormatDatum); break;
    case TypPole::Cas: m_novy[i] = hodnota.toTime().toString(FormatCas); break;
    case TypPole::Memo: m_novy[i] = hodnota.toString(); break;
    }
}

// Whether the filters accept a record that was not in the view yet: the expression asked of the
// engine, so that it compares exactly as the view's query does.
bool Tabulka::Prijmout(const Zaznam &z) const
{
    if (VyrazFiltrujePole()) {
        QVariantList parametry;
        const QString sql = DotazNaPohled(QStringLiteral("id"), parametry, QStringLiteral("id = ?"), z.m_id);
        Dotaz d = Pripravit(m_db, m_jmeno, sql, parametry);
        const int krok = sqlite3_step(d.get());
        if (krok != SQLITE_ROW && krok != SQLITE_DONE)
            throw ChybaTabulky(Zprava(m_jmeno, ChybaEnginu(m_db)));
        if (krok == SQLITE_DONE)
            return false;
    }
    return !m_predikat || m_predikat(z);
}

void Tabulka::Ulozit()
{
    if (!m_vkladani)
        throw ChybaTabulky(Zprava(m_jmeno, QStringLiteral("záznam není ve vkládání")));
    QString sloupce, otazniky, sloupceMemo, otaznikyMemo;
    QVariantList hodnoty, hodnotyMemo;
    for (int i = 0; i < m_pole.size(); ++i) {
        if (m_pole[i].typ == TypPole::Memo) {
            sloupceMemo += QStringLiteral(", ") + Identifikator(m_pole[i].jmeno);
            otaznikyMemo += QStringLiteral(", ?");
            hodnotyMemo.append(m_novy[i].isNull() ? QVariant(QString()) : m_novy[i]);
        } else {
            sloupce += (sloupce.isEmpty() ? QString() : QStringLiteral(", ")) + Identifikator(m_pole[i].jmeno);
            otazniky += (otazniky.isEmpty() ? QStringLiteral("?") : QStringLiteral(", ?"));
            hodnoty.append(m_novy[i]);
        }
    }
    Transakce t(m_db, m_jmeno);
    Dotaz vlozit = Pripravit(m_db, m_jmeno,
                             sloupce.isEmpty() ? QStringLiteral("INSERT INTO zaznamy DEFAULT VALUES")
                                               : QStringLiteral("INSERT INTO zaznamy(%1) VALUES(%2)").arg(sloupce, otazniky),
                             hodnoty);
    if (sqlite3_step(vlozit.get()) != SQLITE_DONE)
        throw ChybaTabulky(Zprava(m_jmeno, ChybaEnginu(m_db)));
    const qint64 id = sqlite3_last_insert_rowid(m_db);
    hodnotyMemo.prepend(QVariant(static_cast<qlonglong>(id)));
    Dotaz memo = Pripravit(m_db, m_jmeno,
                           QStringLiteral("INSERT INTO mb.memo(id%1) VALUES(?%2)").arg(sloupceMemo, otaznikyMemo),
                           hodnotyMemo);
    if (sqlite3_step(memo.get()) != SQLITE_DONE)
        throw ChybaTabulky(Zprava(m_jmeno, ChybaEnginu(m_db)));
    t.Potvrdit();
    m_vkladani = false;

    // The new record becomes current when the view accepts it; ids grow, so it comes last.
    m_pozice = 0;
    if (!m_pohledPlatny) {
        m_novyAktualni = id;
    } else if (!m_filtrovano || Prijmout(Zaznam(*this, id))) {
        m_pohled.push_back(id);
        m_pozice = PocetZaznamu() - 1;
    }
}

void Tabulka::SmazatId(const qint64 *id, std::size_t pocet)
{
    QString otazniky = QStringLiteral("?") + QStringLiteral(", ?").repeated(static_cast<qsizetype>(pocet) - 1);
    for (const QString &tabulka : {QStringLiteral("main.zaznamy"), QStringLiteral("mb.memo")}) {
        Dotaz d = Pripravit(m_db, m_jmeno, QStringLiteral("DELETE FROM %1 WHERE id IN (%2)").arg(tabulka, otazniky));
        for (std::size_t i = 0; i < pocet; ++i)
            sqlite3_bind_int64(d.get(), static_cast<int>(i) + 1, id[i]);
        if (sqlite3_step(d.get()) != SQLITE_DONE)
            throw ChybaTabulky(Zprava(m_jmeno, ChybaEnginu(m_db)));
    }
}

void Tabulka::SmazatAktualni()
{
    const qint64 id = AktualniId();
    Transakce t(m_db, m_jmeno);
    SmazatId(&id, 1);
    t.Potvrdit();

    m_pohled.erase(m_pohled.begin() + m_pozice);
    m_nacteno.erase(id);
    PrejitNa(m_pozice);
}

void Tabulka::SmazatPohled()
{
    if (!Otevreno())
        throw ChybaTabulky(Zprava(m_jmeno, QStringLiteral("tabulka není otevřena")));
    if (!m_pohledPlatny) {
        // The view is what the expression selects: the memos go first, while the records still
        // name them.
        Transakce t(m_db, m_jmeno);
        for (const QString &tabulka : {QStringLiteral("mb.memo"), QStringLiteral("main.zaznamy")}) {
            QVariantList parametry;
            const QString vyber = DotazNaPohled(QStringLiteral("id"), parametry);
            Dotaz d = Pripravit(m_db, m_jmeno, QStringLiteral("DELETE FROM %1 WHERE id IN (%2)").arg(tabulka, vyber),
                                parametry);
            if (sqlite3_step(d.get()) != SQLITE_DONE)
                throw ChybaTabulky(Zprava(m_jmeno, ChybaEnginu(m_db)));
        }
        t.Potvrdit();
        m_nacteno.clear();
        m_pozice = 0;
        m_novyAktualni.reset();
        return;
    }
    const std::vector<qint64> &pohled = Pohled();
    if (pohled.empty())
        return;
    Transakce t(m_db, m_jmeno);
    for (std::size_t i = 0; i < pohled.size(); i += BlokMazani)
        SmazatId(pohled.data() + i, std::min(BlokMazani, pohled.size() - i));
    t.Potvrdit();

    m_pohled.clear();
    m_nacteno.clear();
    m_pozice = 0;
}
