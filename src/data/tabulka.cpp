#include "data/tabulka.h"

#include "data/filtrvyraz.h"
#include "data/tabulkasql.h"

#include <QFileInfo>

#include <algorithm>

using namespace TabulkaSql;

namespace {

// Records fetched together when one of them is read, and the most kept at once.
constexpr std::size_t BlokZaznamu = 64;
constexpr std::size_t NejviceNactenych = 8 * BlokZaznamu;

} // namespace

// The state of a predicate's pass over the records, which the records it hands over read from.
struct PruchodFiltru {
    static constexpr int Necteno = -1; // a field the query leaves out
    static constexpr int Chybi = -2;   // a field the predicate asked for: the next query reads it
    sqlite3_stmt *radek = nullptr;
    QList<int> sloupecPole; // each field's column in radek, or one of the two above
    bool rozsirit = false;
};

ChybaTabulky::ChybaTabulky(const QString &text)
    : std::runtime_error(text.toStdString()), m_text(text)
{
}

QVariant Zaznam::Hodnota(const QString &pole) const
{
    const int i = m_tabulka.IndexPoleNeboChyba(pole);
    if (m_pruchod && m_tabulka.m_pole[i].typ != TypPole::Memo) {
        const int sloupec = m_pruchod->sloupecPole[i];
        if (sloupec >= 0)
            return Sloupec(m_pruchod->radek, sloupec);
        m_pruchod->sloupecPole[i] = PruchodFiltru::Chybi;
        m_pruchod->rozsirit = true;
    }
    return m_tabulka.HodnotaZaznamu(m_id, i);
}

QString Zaznam::Text(const QString &pole) const { return Hodnota(pole).toString(); }
int Zaznam::Cislo(const QString &pole) const { return Hodnota(pole).toInt(); }

QVariant RadekPohledu::Hodnota(int i) const { return Sloupec(m_radek, i + 1); }

qint64 RadekPohledu::Cele(int i) const { return sqlite3_column_int64(m_radek, i + 1); }

QString RadekPohledu::Text(int i) const
{
    const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(m_radek, i + 1));
    return text ? QString::fromUtf8(text, sqlite3_column_bytes(m_radek, i + 1)) : QString();
}

Tabulka::Tabulka(const QString &jmeno) : m_jmeno(ZakladniJmeno(jmeno)) {}

Tabulka::~Tabulka() { Zavrit(); }

void Tabulka::NastavitJmeno(const QString &jmeno)
{
    if (Otevreno())
        throw ChybaTabulky(Zprava(m_jmeno, QStringLiteral("nelze přejmenovat otevřenou tabulku")));
    m_jmeno = ZakladniJmeno(jmeno);
}


void Tabulka::Otevrit(bool jenCteni)
{
    if (Otevreno())
        return;
    const QString db = SouborDb(m_jmeno), mb = SouborMb(m_jmeno);
    if (!QFileInfo::exists(db))
        throw ChybaTabulky(Zprava(m_jmeno, QStringLiteral("soubor %1 neexistuje").arg(db)));
    if (!QFileInfo::exists(mb))
        throw ChybaTabulky(Zprava(m_jmeno, QStringLiteral("soubor %1 neexistuje").arg(mb)));
    ZkontrolovatDvojici(m_jmeno, db, mb);

    sqlite3 *surove = nullptr;
    const int rc = sqlite3_open_v2(UriSouboru(db, jenCteni).constData(), &surove,
                                   (jenCteni ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE) | SQLITE_OPEN_URI
                                       | SQLITE_OPEN_NOMUTEX,
                                   nullptr);
    std::unique_ptr<sqlite3, ZavritDb> spojeni(surove);
    if (rc != SQLITE_OK)
        throw ChybaTabulky(Zprava(m_jmeno, surove ? ChybaEnginu(surove) : QString::fromUtf8(sqlite3_errstr(rc))));
    sqlite3_busy_timeout(spojeni.get(), 2000);
    sqlite3_extended_result_codes(spojeni.get(), 1);

    {
        Dotaz pripojit = Pripravit(spojeni.get(), m_jmeno, QStringLiteral("ATTACH DATABASE ? AS mb"));
        const QByteArray uri = UriSouboru(mb, jenCteni);
        sqlite3_bind_text(pripojit.get(), 1, uri.constData(), static_cast<int>(uri.size()), SQLITE_TRANSIENT);
        if (sqlite3_step(pripojit.get()) != SQLITE_DONE)
            throw ChybaTabulky(Zprava(m_jmeno, ChybaEnginu(spojeni.get())));
    }

    // Asked again through this connection: a journal rolled back on its first read may have
    // changed what the check saw.
    const QString cizi = QStringLiteral("soubor není tabulkou programu Semaforix");
    if (PragmaCislo(spojeni.get(), m_jmeno, QStringLiteral("PRAGMA main.application_id")) != IdentitaSouboru
        || PragmaCislo(spojeni.get(), m_jmeno, QStringLiteral("PRAGMA mb.application_id")) != IdentitaSouboru)
        throw ChybaTabulky(Zprava(m_jmeno, cizi));
    if (PragmaCislo(spojeni.get(), m_jmeno, QStringLiteral("PRAGMA main.user_version")) > VerzeFormatu)
        throw ChybaTabulky(Zprava(m_jmeno, QStringLiteral("tabulka pochází z novější verze programu")));

    QList<DefinicePole> pole;
    Dotaz d = Pripravit(spojeni.get(), m_jmeno,
                        QStringLiteral("SELECT jmeno, typ, velikost FROM pole ORDER BY pozice"));
    int krok;
    while ((krok = sqlite3_step(d.get())) == SQLITE_ROW) {
        const auto typ = TypZNazvu(QByteArray(reinterpret_cast<const char *>(sqlite3_column_text(d.get(), 1))));
        if (!typ)
            throw ChybaTabulky(Zprava(m_jmeno, cizi));
        pole.append({QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(d.get(), 0))), *typ,
                     sqlite3_column_int(d.get(), 2)});
    }
    if (krok != SQLITE_DONE)
        throw ChybaTabulky(Zprava(m_jmeno, ChybaEnginu(spojeni.get())));

    m_db = spojeni.release();
    m_jenCteni = jenCteni;
    m_pole = pole;
    m_sloupce = QStringLiteral("id");
    for (const DefinicePole &p : std::as_const(m_pole))
        if (p.typ != TypPole::Memo)
            m_sloupce += QStringLiteral(", ") + Identifikator(p.jmeno);
    try {
        Prefiltrovat();
    } catch (...) {
        Zavrit();
        throw;
    }
}

void Tabulka::Zavrit()
{
    if (!m_db)
        return;
    sqlite3_close_v2(m_db);
    m_db = nullptr;
    m_pohled.clear();
    m_pohledPlatny = false;
    m_nacteno.clear();
    m_pozice = 0;
    m_novyAktualni.reset();
    m_vkladani = false;
}

void Tabulka::ZajistitRejstrik(const QStringList &pole)
{
    if (!Otevreno())
        throw ChybaTabulky(Zprava(m_jmeno, QStringLiteral("tabulka není otevřena")));
    for (const QString &p : pole)
        if (m_pole[IndexPoleNeboChyba(p)].typ == TypPole::Memo)
            throw ChybaTabulky(Zprava(m_jmeno, QStringLiteral("podle pole %1 nelze řadit").arg(p)));
    // Asked first, so that a table that has it is never written to for it.
    Dotaz d = Pripravit(m_db, m_jmeno, QStringLiteral("SELECT 1 FROM main.sqlite_master WHERE type = 'index' AND name = ?"),
                        {JmenoRejstriku(pole)});
    const int krok = sqlite3_step(d.get());
    if (krok == SQLITE_ROW)
        return;
    if (krok != SQLITE_DONE)
        throw ChybaTabulky(Zprava(m_jmeno, ChybaEnginu(m_db)));
    Transakce t(m_db, m_jmeno);
    Provest(m_db, m_jmeno, PrikazRejstriku(pole, true).toUtf8().constData());
    t.Potvrdit();
}

int Tabulka::IndexPole(const QString &pole) const
{
    for (int i = 0; i < m_pole.size(); ++i)
        if (m_pole[i].jmeno == pole)
            return i;
    return -1;
}

int Tabulka::IndexPoleNeboChyba(const QString &pole) const
{
    const int i = IndexPole(pole);
    if (i < 0)
        throw ChybaTabulky(Zprava(m_jmeno, QStringLiteral("pole %1 neexistuje").arg(pole)));
    return i;
}

void Tabulka::NastavitPredikat(Predikat predikat)
{
    m_predikat = std::move(predikat);
    if (m_filtrovano)
        Prefiltrovat();
}

void Tabulka::NastavitFiltr(const QString &vyraz)
{
    QString chyba;
    if (!RozebratFiltr(vyraz, &chyba))
        throw ChybaTabulky(Zprava(m_jmeno, chyba));
    m_vyraz = vyraz;
    if (m_filtrovano)
        Prefiltrovat();
}

void Tabulka::NastavitFiltrovani(bool zapnuto)
{
    m_filtrovano = zapnuto;
    Prefiltrovat();
}

bool Tabulka::VyrazFiltrujePole() const { return m_filtrovano && !m_vyraz.trimmed().isEmpty(); }

// SELECT of the given columns of the records the expression filter accepts (all when it is off), in
// insertion order, optionally only those whose id passes podminkaId ("id > ?", "id = ?") with id.
// The expression's texts are bound as parameters, never spliced in.
QString Tabulka::DotazNaPohled(const QString &sloupce, QVariantList &parametry, const QString &podminkaId,
                               qint64 id) const
{
    QStringList podminky;
    if (VyrazFiltrujePole()) {
        QString chyba;
        const auto vyraz = RozebratFiltr(m_vyraz, &chyba);
        if (!vyraz)
            throw ChybaTabulky(Zprava(m_jmeno, chyba));
        for (const PodminkaFiltru &p : vyraz->podminky) {
            const int i = IndexPoleNeboChyba(p.pole);
            if (m_pole[i].typ == TypPole::Memo)
                throw ChybaTabulky(Zprava(m_jmeno, QStringLiteral("podle pole %1 nelze filtrovat").arg(p.pole)));
            podminky << Identifikator(p.pole) + (p.rovno ? QStringLiteral(" = ?") : QStringLiteral(" <> ?"));
            parametry.append(p.hodnota);
        }
    }
    if (!podminkaId.isEmpty()) {
        podminky << podminkaId;
        parametry.append(QVariant(static_cast<qlonglong>(id)));
    }
    QString sql = QStringLiteral("SELECT ") + sloupce + QStringLiteral(" FROM zaznamy");
    if (!podminky.isEmpty())
        sql += QStringLiteral(" WHERE ") + podminky.join(QStringLiteral(" AND "));
    return sql + QStringLiteral(" ORDER BY id");
}

// Runs a query whose first column is the id and the rest are the non-memo fields, handing each row
// over with the fields at their positions in the field list.
void Tabulka::PrecistRadky(const QString &sql, const QVariantList &parametry,
                           const std::function<void(qint64, Hodnoty &)> &radek) const
{
    Dotaz d = Pripravit(m_db, m_jmeno, sql, parametry);
    Hodnoty hodnoty(m_pole.size());
    int krok;
    while ((krok = sqlite3_step(d.get())) == SQLITE_ROW) {
        int sloupec = 1;
        for (int i = 0; i < m_pole.size(); ++i)
            hodnoty[i] = m_pole[i].typ == TypPole::Memo ? QVariant() : Sloupec(d.get(), sloupec++);
        radek(sqlite3_column_int64(d.get(), 0), hodnoty);
    }
    if (krok != SQLITE_DONE)
        throw ChybaTabulky(Zprava(m_jmeno, ChybaEnginu(m_db)));
}

// A predicate's view is made at once, so that the predicate reads the program state of this moment.
// Any other view depends on nothing but the files and is made when first asked for; the expression
// is checked against the fields here all the same, so that a bad one fails where it is set.
void Tabulka::Prefiltrovat()
{
    m_pohled.clear();
    m_pohledPlatny = false;
    m_nacteno.clear();
    m_pozice = 0;
    m_novyAktualni.reset();
    if (!Otevreno() || !m_filtrovano)
        return;
    QVariantList parametry;
    DotazNaPohled(QStringLiteral("id"), parametry);
    if (!m_predikat)
        return;
    // A filter that fails leaves an empty view, never one of every record.
    m_pohledPlatny = true;
    try {
        VybratPohled();
    } catch (...) {
        m_pohled.clear();
        throw;
    }
}

// The predicate's pass: the query reads only the fields the predicate has asked for so far. When it
// asks for another, that record's field is fetched alone and the query goes on from the next record
// with the field added, so a predicate reading two fields of twelve costs the reading of two.
void Tabulka::VybratPohled()
{
    PruchodFiltru pruchod;
    pruchod.sloupecPole = QList<int>(m_pole.size(), PruchodFiltru::Necteno);
    std::optional<qint64> posledni;
    for (;;) {
        QString sloupce = QStringLiteral("id");
        int sloupec = 1;
        for (int i = 0; i < m_pole.size(); ++i) {
            if (pruchod.sloupecPole[i] == PruchodFiltru::Necteno)
                continue;
            sloupce += QStringLiteral(", ") + Identifikator(m_pole[i].jmeno);
            pruchod.sloupecPole[i] = sloupec++;
        }
        QVariantList parametry;
        const QString sql = posledni ? DotazNaPohled(sloupce, parametry, QStringLiteral("id > ?"), *posledni)
                                     : DotazNaPohled(sloupce, parametry);
        Dotaz d = Pripravit(m_db, m_jmeno, sql, parametry);
        pruchod.radek = d.get();
        pruchod.rozsirit = false;
        int krok;
        while ((krok = sqlite3_step(d.get())) == SQLITE_ROW) {
            const qint64 id = sqlite3_column_int64(d.get(), 0);
            posledni = id;
            if (m_predikat(Zaznam(*this, id, &pruchod)))
                m_pohled.push_back(id);
            if (pruchod.rozsirit)
                break;
        }
        if (pruchod.rozsirit)
            continue;
        if (krok != SQLITE_DONE)
            throw ChybaTabulky(Zprava(m_jmeno, ChybaEnginu(m_db)));
        return;
    }
}

const std::vector<qint64> &Tabulka::Pohled() const
{
    if (!m_pohledPlatny && m_db) {
        QVariantList parametry;
        const QString sql = DotazNaPohled(QStringLiteral("id"), parametry);
        Dotaz d = Pripravit(m_db, m_jmeno, sql, parametry);
        std::vector<qint64> ids;
        int krok;
        while ((krok = sqlite3_step(d.get())) == SQLITE_ROW)
            ids.push_back(sqlite3_column_int64(d.get(), 0));
        if (krok != SQLITE_DONE)
            throw ChybaTabulky(Zprava(m_jmeno, ChybaEnginu(m_db)));
        m_pohled = std::move(ids);
        m_pohledPlatny = true;
        if (m_novyAktualni) {
            // Ids grow, so a record stored last that the view accepts is its last one.
            m_pozice = !m_pohled.empty() && m_pohled.back() == *m_novyAktualni ? PocetZaznamu() - 1 : 0;
            m_novyAktualni.reset();
        }
    }
    return m_pohled;
}

int Tabulka::PocetZaznamu() const { return static_cast<int>(Pohled().size()); }

int Tabulka::Pozice() const
{
    if (m_novyAktualni)
        Pohled();
    return m_pozice;
}

void Tabulka::Prvni()
{
    m_novyAktualni.reset();
    m_pozice = 0;
}

void Tabulka::Posunout(int o) { PrejitNa(Pozice() + o); }

void Tabulka::PrejitNa(int pozice)
{
    m_pozice = std::clamp(pozice, 0, std::max(0, PocetZaznamu() - 1));
}

qint64 Tabulka::AktualniId() const
{
    const std::vector<qint64> &pohled = Pohled();
    if (pohled.empty())
        throw ChybaTabulky(Zprava(m_jmeno, QStringLiteral("žádný aktuální záznam")));
    return pohled[static_cast<size_t>(m_pozice)];
}

Zaznam Tabulka::ZaznamVPohledu(int pozice) const
{
    return Zaznam(*this, Pohled().at(static_cast<size_t>(pozice)));
}

// The non-memo fields of a record. A record of the view is fetched with its neighbours in the view,
// so that a list showing a screenful asks the engine once.
const Tabulka::Hodnoty &Tabulka::NacistZaznam(qint64 id) const
{
    if (const auto kde = m_nacteno.find(id); kde != m_nacteno.end())
        return kde->second;
    if (m_nacteno.size() >= NejviceNactenych)
        m_nacteno.clear();

    std::vector<qint64> blok;
    const std::vector<qint64> &pohled = Pohled();
    const auto kde = std::lower_bound(pohled.begin(), pohled.end(), id);
    if (kde != pohled.end() && *kde == id) {
        const std::size_t zacatek = static_cast<std::size_t>(kde - pohled.begin()) / BlokZaznamu * BlokZaznamu;
        for (std::size_t i = zacatek; i < std::min(pohled.size(), zacatek + BlokZaznamu); ++i)
            if (!m_nacteno.count(pohled[i]))
                blok.push_back(pohled[i]);
    } else {
        blok.push_back(id);
    }

    QString sql = QStringLiteral("SELECT ") + m_sloupce + QStringLiteral(" FROM zaznamy WHERE id IN (?");
    sql += QStringLiteral(", ?").repeated(static_cast<qsizetype>(blok.size()) - 1) + u')';
    QVariantList parametry;
    for (qint64 i : blok)
        parametry.append(QVariant(static_cast<qlonglong>(i)));
    PrecistRadky(sql, parametry, [this](qint64 i, Hodnoty &hodnoty) { m_nacteno.emplace(i, hodnoty); });

    const auto nacteny = m_nacteno.find(id);
    if (nacteny == m_nacteno.end())
        throw ChybaTabulky(Zprava(m_jmeno, QStringLiteral("záznam již neexistuje")));
    return nacteny->second;
}

QVariant Tabulka::HodnotaZaznamu(qint64 id, int pole) const
{
    if (m_pole[pole].typ != TypPole::Memo)
        return NacistZaznam(id)[pole];
    Dotaz d = Pripravit(m_db, m_jmeno,
                        QStringLiteral("SELECT %1 FROM mb.memo WHERE id = ?").arg(Identifikator(m_pole[pole].jmeno)));
    sqlite3_bind_int64(d.get(), 1, id);
    const int krok = sqlite3_step(d.get());
    if (krok == SQLITE_ROW)
        return Sloupec(d.get(), 0).toString();
    if (krok == SQLITE_DONE)
        return QString();
    throw ChybaTabulky(Zprava(m_jmeno, ChybaEnginu(m_db)));
}

QVariant Tabulka::Hodnota(const QString &pole) const { return HodnotaZaznamu(AktualniId(), IndexPoleNeboChyba(pole)); }

QVariant Tabulka::Hodnota(int pozice) const
{
    if (pozice < 0 || pozice >= m_pole.size())
        throw ChybaTabulky(Zprava(m_jmeno, QStringLiteral("pole na pozici %1 neexistuje").arg(pozice)));
    return HodnotaZaznamu(AktualniId(), pozice);
}

QString Tabulka::Text(const QString &pole) const { return Hodnota(pole).toString(); }
QString Tabulka::Text(int pozice) const { return Hodnota(pozice).toString(); }
int Tabulka::Cislo(const QString &pole) const { return Hodnota(pole).toInt(); }

QDateTime Tabulka::DatumCas(const QString &pole) const
{
    return QDateTime::fromString(Text(pole), FormatDatumCas);
}

void Tabulka::Precist(const QString &pole, QDate &cil) const { cil = QDate::fromString(Text(pole), FormatDatum); }

void Tabulka::Precist(const QString &pole, QTime &cil) const { cil = QTime::fromString(Text(pole), FormatCas); }

QList<QVariantList> Tabulka::HodnotyPohledu(const QStringList &pole) const
{
    QList<QVariantList> vysledek;
    ProjitPohled(pole, [&](const RadekPohledu &radek) {
        QVariantList hodnoty;
        hodnoty.reserve(pole.size());
        for (int i = 0; i < pole.size(); ++i)
            hodnoty.append(radek.Hodnota(i));
        vysledek.append(hodnoty);
    });
    return vysledek;
}

// One query for the whole view: the expression filter narrows it inside the engine. A view with
// ids of its own (a predicate's, or one a deletion changed) is matched against the rows, both in
// insertion order.
void Tabulka::ProjitPohled(const QStringList &pole, const std::function<void(const RadekPohledu &)> &radek) const
{
    QString sloupce = QStringLiteral("id");
    for (const QString &p : pole) {
        const int i = IndexPoleNeboChyba(p);
        if (m_pole[i].typ == TypPole::Memo)
            throw ChybaTabulky(Zprava(m_jmeno, QStringLiteral("pole %1 nelze číst hromadně").arg(p)));
        sloupce += QStringLiteral(", ") + Identifikator(p);
    }
    if (!m_db)
        return;
    const std::vector<qint64> *ids = m_pohledPlatny ? &m_pohled : nullptr;
    if (ids && ids->empty())
        return;
    QVariantList parametry;
    const QString sql = DotazNaPohled(sloupce, parametry);
    Dotaz d = Pripravit(m_db, m_jmeno, sql, parametry);
    auto dalsi = ids ? ids->begin() : std::vector<qint64>::const_iterator();
    int krok;
    while ((krok = sqlite3_step(d.get())) == SQLITE_ROW) {
        if (ids) {
            const qint64 id = sqlite3_column_int64(d.get(), 0);
            dalsi = std::lower_bound(dalsi, ids->end(), id);
            if (dalsi == ids->end())
                return;
            if (*dalsi != id)
                continue;
            ++dalsi;
        }
        radek(RadekPohledu(d.get()));
    }
    if (krok != SQLITE_DONE)
        throw ChybaTabulky(Zprava(m_jmeno, ChybaEnginu(m_db)));
}

QString Tabulka::ZobrazitelnyText(int pozice, const QString &pole) const
{
    const int i = IndexPoleNeboChyba(pole);
    return ZobrazitHodnotu(m_pole[i].typ, HodnotaZaznamu(Pohled().at(static_cast<size_t>(pozice)), i));
}
