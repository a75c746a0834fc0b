// Showing a question in browse mode, for every number 1..757, against its floor measured in the
// same run: one look-up of the question by number in SQLite and the six wrapped-line measurements
// of its texts at their widths. Run in the program directory (it reads otazky.DB/.MB there).
#include "mereni.h"

#include "app/hlavniformular.h"
#include "data/banka.h"
#include "okna/rozvrzeni.h"


#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QTextStream>

#include <algorithm>
#include <vector>

namespace {

using Mereni::CasMs;
using Mereni::Median;

double Percentil(std::vector<double> v, double p)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[static_cast<size_t>(p * static_cast<double>(v.size() - 1))];
}

// The floor: the record of question n read by its number in one statement, then its six texts
// measured at the widths the view gives them.
class Podlaha {
public:
    Podlaha()
        : m_db(Sqlite::Pripojit(QStringLiteral("file:otazky.DB?mode=ro"), SQLITE_OPEN_READONLY | SQLITE_OPEN_URI)),
          m_dotaz((Mereni::Provest(m_db.get(), "ATTACH DATABASE 'file:otazky.MB?mode=ro' AS mb"), m_db.get()),
                  "SELECT m.\"OTÁZKA\", m.\"A\", m.\"B\", m.\"C\", m.\"D\", m.\"POZNÁMKA\", z.\"OBRÁZEK\" "
                  "FROM zaznamy z JOIN mb.memo m ON m.id = z.id WHERE z.\"Číslo\" = ?")
    {
        m_pismo = QFont(QStringLiteral("Arial"));
        m_pismo.setPixelSize(16);
    }

    int Zmerit(int n)
    {
        sqlite3_stmt *dotaz = m_dotaz.get();
        sqlite3_reset(dotaz);
        m_dotaz.Cislo(1, n);
        if (sqlite3_step(dotaz) != SQLITE_ROW)
            return 0;
        int radku = 0;
        const int zuzeni = Rozvrzeni::LevaObrazku(n) ? (n > 720 ? 300 : 96) : 0;
        for (int i = 0; i < 6; ++i) {
            const QString text = QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(dotaz, i)));
            const int sirka = i == 0 ? 617 - zuzeni : i == 5 ? 597 : 580 - zuzeni;
            radku += Rozvrzeni::PocetRadku(m_pismo, text, sirka);
        }
        return radku;
    }

private:
    Sqlite::Spojeni m_db;
    Mereni::Prikaz m_dotaz;
    QFont m_pismo;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    THlavniFormular okno;
    okno.show();
    okno.findChild<QAction *>(QStringLiteral("M1Prohlizet"))->trigger();
    app.processEvents();
    Podlaha podlaha;

    constexpr int Pruchodu = 5;
    std::vector<double> otazka, zaklad, pruchod, pruchodZed;
    long long kontrola = 0;
    for (int p = 0; p < Pruchodu; ++p) {
        QElapsedTimer zed;
        zed.start();
        const double zacatek = CasMs();
        for (int n = 1; n <= Kategorie::NejvyssiCislo; ++n) {
            const double t = CasMs();
            okno.ZobrazitOtazku(n);
            otazka.push_back(CasMs() - t);
        }
        pruchod.push_back(CasMs() - zacatek);
        pruchodZed.push_back(static_cast<double>(zed.nsecsElapsed()) / 1e6);
        for (int n = 1; n <= Kategorie::NejvyssiCislo; ++n) {
            const double t = CasMs();
            kontrola += podlaha.Zmerit(n);
            zaklad.push_back(CasMs() - t);
        }
    }
    QTextStream out(stdout);
    const double mo = Mereni::Median(otazka), mz = Mereni::Median(zaklad);
    out << QStringLiteral("question view over all 757 numbers, %1 passes, processor time (lines measured: %2)\n").arg(Pruchodu).arg(kontrola);
    out << QStringLiteral("  per question: median %1 ms, 95th percentile %2 ms\n").arg(mo, 0, 'f', 3).arg(Percentil(otazka, 0.95), 0, 'f', 3);
    out << QStringLiteral("  floor (look-up by number + 6 measurements): median %1 ms, 95th percentile %2 ms\n")
               .arg(mz, 0, 'f', 3).arg(Percentil(zaklad, 0.95), 0, 'f', 3);
    out << QStringLiteral("  ratio of medians %1\n").arg(mo / mz, 0, 'f', 2);
    out << QStringLiteral("  whole bank, median of passes: %1 ms processor time, %2 ms wall clock\n")
               .arg(Mereni::Median(pruchod), 0, 'f', 1).arg(Mereni::Median(pruchodZed), 0, 'f', 1);
    if (qEnvironmentVariableIsSet("SEMAFORIX_PODROBNE"))
        for (int n = 1; n <= Kategorie::NejvyssiCislo; ++n)
            if (otazka[static_cast<size_t>(Kategorie::NejvyssiCislo + n - 1)] > 1.0)
                out << n << ' ' << otazka[static_cast<size_t>(Kategorie::NejvyssiCislo + n - 1)] << '\n';
    return 0;
}
