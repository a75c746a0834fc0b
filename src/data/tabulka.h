#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <unordered_map>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;
struct PruchodFiltru;

// A record table of the program: NAME.DB holds the records, NAME.MB their memo texts, both
// SQLite databases in the learner's directory (data/adresare.h); a name with an absolute path,
// such as the bank's in the data directory, is taken as it is. Records keep their insertion
// order; a record is stored wholly or not at all. An existing table file is never recreated,
// replaced or truncated, and a pair that is not one of ours is recognised before anything may
// write to it.
//
// A table may hold a hundred thousand records: filters run inside SQLite, the view holds only
// record ids, and fields are fetched when read, a block of records at a time.

enum class TypPole { Retezec, Cele, Datum, Cas, DatumCas, Memo };

struct DefinicePole {
    QString jmeno;
    TypPole typ = TypPole::Retezec;
    int velikost = 0; // characters, for strings only
    bool operator==(const DefinicePole &) const = default;
};

// Any failure of the store; its text is the engine's own, prefixed with the table's name.
class ChybaTabulky : public std::runtime_error {
public:
    explicit ChybaTabulky(const QString &text);
    QString Text() const { return m_text; }

private:
    QString m_text;
};

class Tabulka;

// One row of a pass over the view (Tabulka::ProjitPohled): the fields asked for, by their position
// in the list given. Valid only while the pass hands it over.
class RadekPohledu {
public:
    QVariant Hodnota(int i) const;
    qint64 Cele(int i) const;
    QString Text(int i) const; // without a QVariant in between: a null field is a null text

private:
    friend class Tabulka;
    explicit RadekPohledu(sqlite3_stmt *radek) : m_radek(radek) {}
    sqlite3_stmt *m_radek;
};

// One record as a filter callback or a calculated field sees it.
class Zaznam {
public:
    QVariant Hodnota(const QString &pole) const;
    QString Text(const QString &pole) const;
    int Cislo(const QString &pole) const;

private:
    friend class Tabulka;
    Zaznam(const Tabulka &tabulka, qint64 id, PruchodFiltru *pruchod = nullptr)
        : m_tabulka(tabulka), m_id(id), m_pruchod(pruchod) {}

    const Tabulka &m_tabulka;
    qint64 m_id;
    // While a predicate passes over the records in one query, the fields are read from its current
    // row; otherwise the record is fetched by id when read.
    PruchodFiltru *m_pruchod;
};

class Tabulka {
public:
    using Predikat = std::function<bool(const Zaznam &)>;

    explicit Tabulka(const QString &jmeno = {});
    ~Tabulka();
    Tabulka(const Tabulka &) = delete;
    Tabulka &operator=(const Tabulka &) = delete;

    // Base name, with or without ".DB"; a closed table may be re-pointed at another one.
    void NastavitJmeno(const QString &jmeno);
    QString Jmeno() const { return m_jmeno; }

    static bool Existuje(const QString &jmeno);
    // Creates the empty table; refuses to touch a table whose NAME.DB or NAME.MB exists. Each entry
    // of rejstriky is an index over those fields (no memos), made with the table: ordered by its first
    // field and then by the records' order, it carries the other fields, so that a view filtered by
    // the first field reads only the records it selects, and reads them from the index alone when
    // the fields read are among the entry's.
    static void Vytvorit(const QString &jmeno, const QList<DefinicePole> &pole,
                         const QList<QStringList> &rejstriky = {});
    // Creates the table so that a crash at any moment leaves no table, the whole empty table, or a
    // state the next call completes: it is built as NAME-nova and moved into place, never under
    // the table's own name by halves. Leftovers of a creation stopped earlier are removed.
    static void Zalozit(const QString &jmeno, const QList<DefinicePole> &pole,
                        const QList<QStringList> &rejstriky = {});

    // A save of this table that a crash cut short is rolled back first: the engine restores each file
    // from its hot journal (and the super-journal of a save of both files). Then both files are
    // checked before anything may write to them (their headers, then their schema through connections
    // that can neither write nor add a file): a foreign, damaged, newer, WAL-mode or swapped pair is
    // reported, naming the file at fault, and left exactly as it is. Only then is the pair opened.
    void Otevrit(bool jenCteni = false);
    void Zavrit();
    bool Otevreno() const { return m_db != nullptr; }
    const QList<DefinicePole> &Pole() const { return m_pole; }
    // Adds the index over the fields when the open table lacks it (a table made without it is read
    // correctly all the same, only more slowly); nothing when it is there.
    void ZajistitRejstrik(const QStringList &pole);

    // Filtering: the predicate and the expression filter both apply while filtering is on.
    void NastavitPredikat(Predikat predikat);
    // "Profil = 'x'" or "Profil <> 'a' AND Profil <> 'b' " (a quote inside a literal doubled).
    void NastavitFiltr(const QString &vyraz);
    void NastavitFiltrovani(bool zapnuto);
    bool Filtrovano() const { return m_filtrovano; }

    // The view: every record, or those accepted by the filters; positions count from 0.
    int PocetZaznamu() const;
    void Prvni();
    void Posunout(int o);
    void PrejitNa(int pozice);
    int Pozice() const;

    // Fields of the current record, by name or by position in the field list.
    QVariant Hodnota(const QString &pole) const;
    QVariant Hodnota(int pozice) const;
    QString Text(const QString &pole) const;
    QString Text(int pozice) const;
    int Cislo(const QString &pole) const;
    QDateTime DatumCas(const QString &pole) const;
    // The field into a value of the type a record keeps it in.
    void Precist(const QString &pole, QString &cil) const { cil = Text(pole); }
    void Precist(const QString &pole, int &cil) const { cil = Cislo(pole); }
    void Precist(const QString &pole, QDate &cil) const;
    void Precist(const QString &pole, QTime &cil) const;
    void Precist(const QString &pole, QDateTime &cil) const { cil = DatumCas(pole); }
    Zaznam ZaznamVPohledu(int pozice) const;
    // The given fields (no memos) of every record in the view, in view order, read at once.
    QList<QVariantList> HodnotyPohledu(const QStringList &pole) const;
    // The same handed over row by row: a view made only by the expression filter is read in the
    // engine's one pass over the records it selects, without a list of the view first.
    void ProjitPohled(const QStringList &pole, const std::function<void(const RadekPohledu &)> &radek) const;
    // Field of the record at a view position, as display text (dates in Czech form).
    QString ZobrazitelnyText(int pozice, const QString &pole) const;

    // A new record: fields set by name, then stored at once by Ulozit.
    void Vlozit();
    void Nastavit(const QString &pole, const QVariant &hodnota);
    void Ulozit();

    // Deletes the current record from the files at once; the next record of the view becomes current.
    void SmazatAktualni();
    // Deletes every record of the view, memos included, in one transaction: all or none. A view
    // made only by the expression filter goes in one statement for each file.
    void SmazatPohled();

    static QString ZobrazitHodnotu(TypPole typ, const QVariant &hodnota);

private:
    friend class Zaznam;
    using Hodnoty = QVariantList; // non-memo fields by position; memo positions hold nothing

    int IndexPole(const QString &pole) const;
    int IndexPoleNeboChyba(const QString &pole) const;
    QVariant HodnotaZaznamu(qint64 id, int pole) const;
    const Hodnoty &NacistZaznam(qint64 id) const;
    qint64 AktualniId() const;
    const std::vector<qint64> &Pohled() const;
    void Prefiltrovat();
    void VybratPohled();
    bool Prijmout(const Zaznam &z) const;
    QString DotazNaPohled(const QString &sloupce, QVariantList &parametry, const QString &podminkaId = {},
                          qint64 id = 0) const;
    bool VyrazFiltrujePole() const;
    void PrecistRadky(const QString &sql, const QVariantList &parametry,
                      const std::function<void(qint64, Hodnoty &)> &radek) const;
    void SmazatId(const qint64 *id, std::size_t pocet);

    QString m_jmeno;
    sqlite3 *m_db = nullptr;
    bool m_jenCteni = false;
    QList<DefinicePole> m_pole;
    QString m_sloupce; // "id" and the non-memo fields, as SQL
    // Record ids in insertion order. The unfiltered view is made only when first asked for.
    mutable std::vector<qint64> m_pohled;
    mutable bool m_pohledPlatny = false;
    mutable int m_pozice = 0;
    // A record stored while the view was not made yet: it becomes current when the view is made,
    // so that storing a record never reads the ids of the whole table.
    mutable std::optional<qint64> m_novyAktualni;
    // Records read lately, by id; filled a block of view positions at a time and kept small.
    mutable std::unordered_map<qint64, Hodnoty> m_nacteno;
    Predikat m_predikat;
    QString m_vyraz;
    bool m_filtrovano = false;
    bool m_vkladani = false;
    QVariantList m_novy;
};
