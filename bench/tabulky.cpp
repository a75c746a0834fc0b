// The record tables at the size a driving school reaches: 100 000 records in Vysledky and 10 000 in
// Protokoly over 30 profiles, generated here. Each operation the program performs on them is timed
// against its floor, the equivalent plain SQLite statements on the same files, interleaved in the
// same run. Prints medians in milliseconds and their ratios.
#include "mereni.h"

#include "data/profily.h"
#include "data/tabulka.h"
#include "data/tabulkamodel.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

using namespace Mereni;

namespace {

constexpr int PocetVysledku = 100000;
constexpr int PocetProtokolu = 10000;
constexpr int PocetProfilu = 30;
constexpr int RadkuNaObrazovce = 30;

const QString Zkouseni = QStringLiteral("Zkoušení");
const QString Procvicovani = QStringLiteral("Procvičování");

QString Cisla(QRandomGenerator &g, int pocet)
{
    QStringList cisla;
    for (int i = 0; i < pocet; ++i)
        cisla << QString::number(g.bounded(1, 758));
    return cisla.join(QStringLiteral(", "));
}

void VytvoritVysledky(QRandomGenerator &g)
{
    Tabulka::Vytvorit(QStringLiteral("Vysledky"),
                      {{QStringLiteral("TypTestu"), TypPole::Retezec, 15}, {QStringLiteral("Profil"), TypPole::Retezec, 30},
                       {QStringLiteral("Datum"), TypPole::Datum, 0}, {QStringLiteral("Cas"), TypPole::Cas, 0},
                       {QStringLiteral("Skupina"), TypPole::Retezec, 2}, {QStringLiteral("Kategorie"), TypPole::Retezec, 7},
                       {QStringLiteral("PocetOtazek"), TypPole::Cele, 0}, {QStringLiteral("Spatne"), TypPole::Cele, 0},
                       {QStringLiteral("SpatneCisla"), TypPole::Memo, 0}, {QStringLiteral("SNapovedou"), TypPole::Cele, 0},
                       {QStringLiteral("SNapovedouCisla"), TypPole::Memo, 0}, {QStringLiteral("Uspesnost"), TypPole::Cele, 0}});
    const Sqlite::Spojeni db = OtevritTabulku(QStringLiteral("Vysledky"));
    Provest(db.get(), "BEGIN");
    Prikaz z(db.get(), "INSERT INTO zaznamy(TypTestu, Profil, Datum, Cas, Skupina, Kategorie, PocetOtazek, Spatne, "
                      "SNapovedou, Uspesnost) VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    Prikaz m(db.get(), "INSERT INTO mb.memo(id, SpatneCisla, SNapovedouCisla) VALUES(?, ?, ?)");
    for (int i = 0; i < PocetVysledku; ++i) {
        const int spatne = g.bounded(0, 8), napovedy = g.bounded(0, 3);
        z.Text(1, g.bounded(2) ? Zkouseni : Procvicovani);
        z.Text(2, Profil(g.bounded(1, PocetProfilu + 1)));
        z.Text(3, QDate(2020, 1, 1).addDays(i / 50).toString(QStringLiteral("yyyy-MM-dd")));
        z.Text(4, QTime(8, 0).addSecs(i % 36000).toString(QStringLiteral("HH:mm:ss.zzz")));
        z.Text(5, QStringLiteral("B"));
        z.Text(6, QStringLiteral("1234567"));
        z.Cislo(7, 20);
        z.Cislo(8, spatne);
        z.Cislo(9, napovedy);
        z.Cislo(10, (20 - spatne - napovedy) * 5);
        z.Krok();
        m.Cislo(1, sqlite3_last_insert_rowid(db.get()));
        m.Text(2, Cisla(g, spatne));
        m.Text(3, Cisla(g, napovedy));
        m.Krok();
    }
    Provest(db.get(), "COMMIT");
}

void VytvoritProtokoly(QRandomGenerator &g)
{
    Tabulka::Vytvorit(QStringLiteral("Protokoly"),
                      {{QStringLiteral("Profil"), TypPole::Retezec, 30}, {QStringLiteral("DatumACas"), TypPole::DatumCas, 0},
                       {QStringLiteral("Skupina"), TypPole::Retezec, 2}, {QStringLiteral("DelkaTestu"), TypPole::Retezec, 5},
                       {QStringLiteral("Spravne"), TypPole::Cele, 0}, {QStringLiteral("PocetBodu"), TypPole::Cele, 0},
                       {QStringLiteral("MinPocetBodu"), TypPole::Cele, 0}, {QStringLiteral("Verdikt"), TypPole::Retezec, 8},
                       {QStringLiteral("Body"), TypPole::Memo, 0}, {QStringLiteral("Odpoved"), TypPole::Memo, 0},
                       {QStringLiteral("SpravnaOdpoved"), TypPole::Memo, 0}, {QStringLiteral("SkutCis"), TypPole::Memo, 0}});
    const Sqlite::Spojeni db = OtevritTabulku(QStringLiteral("Protokoly"));
    Provest(db.get(), "BEGIN");
    Prikaz z(db.get(), "INSERT INTO zaznamy(Profil, DatumACas, Skupina, DelkaTestu, Spravne, PocetBodu, MinPocetBodu, "
                      "Verdikt) VALUES(?, ?, ?, ?, ?, ?, ?, ?)");
    Prikaz m(db.get(), "INSERT INTO mb.memo(id, Body, Odpoved, SpravnaOdpoved, SkutCis) VALUES(?, ?, ?, ?, ?)");
    for (int i = 0; i < PocetProtokolu; ++i) {
        const int body = g.bounded(30, 66);
        z.Text(1, Profil(g.bounded(1, PocetProfilu + 1)));
        z.Text(2, QDateTime(QDate(2020, 1, 1).addDays(i / 5), QTime(9, 0)).toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss.zzz")));
        z.Text(3, QStringLiteral("B"));
        z.Text(4, QStringLiteral("21:37"));
        z.Cislo(5, 20);
        z.Cislo(6, body);
        z.Cislo(7, 43);
        z.Text(8, body >= 43 ? QStringLiteral("Prošel") : QStringLiteral("Neprošel"));
        z.Krok();
        m.Cislo(1, sqlite3_last_insert_rowid(db.get()));
        m.Text(2, QStringLiteral("3 3 3 3 3 3 3 3 3 3 2 2 2 2 1 1 2 2 2 2 2 3 4 4 4"));
        m.Text(3, QStringLiteral("A B C AB B C A B C A B C A B C A B C A B C A B C A"));
        m.Text(4, QStringLiteral("A B C A B C A B C A B C A B C A B C A B C A B C A"));
        m.Text(5, Cisla(g, 25).remove(u','));
        m.Krok();
    }
    Provest(db.get(), "COMMIT");
}

const QStringList Soubory{QStringLiteral("Vysledky.DB"), QStringLiteral("Vysledky.MB"), QStringLiteral("Protokoly.DB"),
                          QStringLiteral("Protokoly.MB")};

// Puts the generated files back after an operation that deleted from them.
void Obnovit(const QDir &vzor)
{
    for (const QString &s : Soubory) {
        QFile::remove(s);
        QFile::copy(vzor.filePath(s), s);
    }
}

qint64 g_soucet = 0; // what the reads produced, so that nothing is optimised away

// The first screenful of a list, cell by cell as the grid paints it.
void PrvniObrazovka(TabulkaModel &model)
{
    const int radku = std::min(model.rowCount(), RadkuNaObrazovce);
    for (int r = 0; r < radku; ++r)
        for (int c = 0; c < model.columnCount(); ++c)
            g_soucet += model.data(model.index(r, c), Qt::DisplayRole).toString().size();
    g_soucet += model.rowCount();
}

// The floor of a list: the same records' shown fields in one statement, every row stepped through
// (which the count needs), the first screenful read.
void PodlahaSeznamu(const QString &tabulka, const char *sql, const QStringList &parametry)
{
    const Sqlite::Spojeni db = OtevritTabulku(tabulka);
    Prikaz d(db.get(), sql);
    for (int i = 0; i < parametry.size(); ++i)
        d.Text(i + 1, parametry[i]);
    int radek = 0;
    while (sqlite3_step(d.get()) == SQLITE_ROW) {
        if (radek++ < RadkuNaObrazovce)
            for (int c = 0; c < sqlite3_column_count(d.get()); ++c)
                g_soucet += sqlite3_column_bytes(d.get(), c);
    }
    g_soucet += radek;
}

// A profile's records deleted with plain statements: memos first, while the records still name them.
void PodlahaMazani(const QString &tabulka, const QString &profil)
{
    const Sqlite::Spojeni db = OtevritTabulku(tabulka);
    Provest(db.get(), "BEGIN IMMEDIATE");
    Prikaz m(db.get(), "DELETE FROM mb.memo WHERE id IN (SELECT id FROM main.zaznamy WHERE Profil = ?)");
    m.Text(1, profil);
    m.Krok();
    Prikaz z(db.get(), "DELETE FROM main.zaznamy WHERE Profil = ?");
    z.Text(1, profil);
    z.Krok();
    Provest(db.get(), "COMMIT");
}

QList<TabulkaModel::Sloupec> SloupceVysledku()
{
    QList<TabulkaModel::Sloupec> s;
    for (const char *pole : {"Datum", "Cas", "Skupina", "Kategorie", "PocetOtazek", "Spatne", "SNapovedou"})
        s.append({QString::fromLatin1(pole), QString::fromLatin1(pole), {}});
    s.append({QStringLiteral("Úspěch"), {}, [](const Zaznam &z) {
                  return z.Cislo(QStringLiteral("Uspesnost")) >= 80 ? QStringLiteral("ano") : QStringLiteral("ne");
              }});
    return s;
}

// One operation of the program timed against its floor.
struct Operace {
    const char *nazev;
    std::function<void()> operace, podlaha;
    bool obnovovat; // the operation deletes: the files are put back before each run
};

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int behu = std::max(1, qEnvironmentVariableIntValue("RUNS") > 0 ? qEnvironmentVariableIntValue("RUNS") : 11);
    QTemporaryDir adresar;
    QDir::setCurrent(adresar.path());
    QRandomGenerator g(16);
    QElapsedTimer generovani;
    generovani.start();
    VytvoritVysledky(g);
    VytvoritProtokoly(g);
    QDir().mkdir(QStringLiteral("vzor"));
    const QDir vzor(QDir::current().filePath(QStringLiteral("vzor")));
    for (const QString &s : Soubory)
        QFile::copy(s, vzor.filePath(s));
    std::printf("tables: Vysledky %d records (%lld kB), Protokoly %d records, %d profiles, generated in %.1f s; "
                "runs: %d each\n",
                PocetVysledku, QFileInfo(QStringLiteral("Vysledky.DB")).size() / 1024, PocetProtokolu, PocetProfilu,
                double(generovani.elapsed()) / 1000, behu);

    const QString profil = Profil(7);
    QStringList zname, ulozene;
    for (int i = 1; i <= PocetProfilu; ++i)
        zname << Profil(i);
    ulozene = zname;
    ulozene.removeAll(Profil(30)); // removed in the settings and saved: its records go at close

    const std::vector<Operace> mereni{
        {"results list, expression filter (profile and kind), first screen",
         [&] {
             Tabulka t(QStringLiteral("Vysledky"));
             t.Otevrit();
             t.NastavitFiltrovani(false);
             t.NastavitFiltr(QStringLiteral("Profil = '%1' AND TypTestu = '%2'").arg(profil, Zkouseni));
             t.NastavitFiltrovani(true);
             TabulkaModel model(t, SloupceVysledku());
             PrvniObrazovka(model);
         },
         [&] {
             PodlahaSeznamu(QStringLiteral("Vysledky"),
                            "SELECT id, Datum, Cas, Skupina, Kategorie, PocetOtazek, Spatne, SNapovedou, Uspesnost "
                            "FROM zaznamy WHERE Profil = ? AND TypTestu = ? ORDER BY id",
                            {profil, Zkouseni});
         },
         false},
        {"results list, predicate filter (profile and kind), first screen",
         [&] {
             Tabulka t(QStringLiteral("Vysledky"));
             t.NastavitPredikat([&](const Zaznam &z) {
                 return z.Text(QStringLiteral("Profil")) == profil && z.Text(QStringLiteral("TypTestu")) == Zkouseni;
             });
             t.NastavitFiltrovani(true);
             t.Otevrit();
             TabulkaModel model(t, SloupceVysledku());
             PrvniObrazovka(model);
         },
         [&] {
             PodlahaSeznamu(QStringLiteral("Vysledky"),
                            "SELECT id, Datum, Cas, Skupina, Kategorie, PocetOtazek, Spatne, SNapovedou, Uspesnost "
                            "FROM zaznamy WHERE Profil = ? AND TypTestu = ? ORDER BY id",
                            {profil, Zkouseni});
         },
         false},
        {"test list of one profile (filter, close and reopen), first screen",
         [&] {
             Tabulka t(QStringLiteral("Protokoly"));
             t.Otevrit();
             t.NastavitFiltrovani(false);
             t.NastavitFiltr(QStringLiteral("Profil = '%1'").arg(profil));
             t.NastavitFiltrovani(true);
             t.Zavrit();
             t.Otevrit();
             TabulkaModel model(t, {{QStringLiteral("Datum"), QStringLiteral("DatumACas"), {}},
                                    {QStringLiteral("Skupina"), QStringLiteral("Skupina"), {}},
                                    {QStringLiteral("Body"), QStringLiteral("PocetBodu"), {}},
                                    {QStringLiteral("Výsledek"), QStringLiteral("Verdikt"), {}}});
             PrvniObrazovka(model);
         },
         [&] {
             PodlahaSeznamu(QStringLiteral("Protokoly"),
                            "SELECT id, DatumACas, Skupina, PocetBodu, Verdikt FROM zaznamy WHERE Profil = ? ORDER BY id",
                            {profil});
         },
         false},
        {"delete all records of one profile from Vysledky",
         [&] { SmazatZaznamyProfilu(QStringLiteral("Vysledky"), profil); },
         [&] { PodlahaMazani(QStringLiteral("Vysledky"), profil); }, true},
        {"close-time clean-up of one profile gone from the stored list",
         [&] {
             for (const QString &jmeno : ProfilyKeSmazani(zname, ulozene))
                 for (const QString &tabulka : {QStringLiteral("Vysledky"), QStringLiteral("Protokoly")})
                     SmazatZaznamyProfilu(tabulka, jmeno);
         },
         [&] {
             for (const QString &tabulka : {QStringLiteral("Vysledky"), QStringLiteral("Protokoly")})
                 PodlahaMazani(tabulka, Profil(30));
         },
         true},
    };

    for (const Operace &m : mereni) {
        std::vector<double> operace, podlaha;
        try {
            for (int i = 0; i < behu; ++i) {
                if (m.obnovovat)
                    Obnovit(vzor);
                operace.push_back(Ms(m.operace));
                if (m.obnovovat)
                    Obnovit(vzor);
                podlaha.push_back(Ms(m.podlaha));
            }
        } catch (const ChybaTabulky &e) {
            std::fprintf(stderr, "%s\n", qPrintable(e.Text()));
            return 1;
        }
        const double mo = Median(operace), mp = Median(podlaha);
        std::printf("%s: median %.1f ms, floor %.1f ms, ratio %.2f\n", m.nazev, mo, mp, mo / mp);
    }
    if (g_soucet == 0)
        std::printf("(nothing read)\n");
    return 0;
}
