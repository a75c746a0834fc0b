// The memory model on any history of answers: days far apart, on one day, or stamped before the
// answer before. After every answer, and on days around it, each number the memory gives must be a
// number in its range: recall 0..1 and never rising with time, stability at least the minimum,
// difficulty 1..10, the due date 1 to 36,500 days after the last answer. The learning order of the
// questions is each of them once.
//
// Each answer is four bytes: the question (1..16, so that a question gets many answers), the span
// of days since the answer before as a signed 16-bit number (times 1000 when the question byte's top
// bit is set), and the outcome with the hour.
#include "uceni/pamet.h"
#include "uceni/poradiuceni.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr int Otazek = 16;

[[noreturn]] void Chyba(const char *co, int otazka, const QDate &den, double hodnota)
{
    std::fprintf(stderr, "%s: question %d on %s: %.17g\n", co, otazka, qPrintable(den.toString(Qt::ISODate)), hodnota);
    std::abort();
}

void Zkontrolovat(const PametProfilu &pamet, int otazka, const QDate &posledni)
{
    const StavOtazky dnes = pamet.Stav(otazka, posledni);
    if (!dnes.zodpovezena)
        Chyba("answered question forgotten", otazka, posledni, 0);
    if (!std::isfinite(dnes.stabilita) || dnes.stabilita < Fsrs::NejmensiStabilita)
        Chyba("stability", otazka, posledni, dnes.stabilita);
    if (!std::isfinite(dnes.obtiznost) || dnes.obtiznost < 1 || dnes.obtiznost > 10)
        Chyba("difficulty", otazka, posledni, dnes.obtiznost);
    const qint64 interval = posledni.daysTo(dnes.opakovat);
    if (!dnes.opakovat.isValid() || interval < 1 || interval > Fsrs::NejdelsiInterval)
        Chyba("interval", otazka, posledni, double(interval));
    if (dnes.vybavitelnost != 1.0)
        Chyba("recall on the day of the answer", otazka, posledni, dnes.vybavitelnost);

    std::vector<qint64> dnu{-400, -1, 0, 1, 2, 30, interval - 1, interval, 36500, 10000000};
    std::sort(dnu.begin(), dnu.end());
    double predtim = 1.0;
    for (qint64 dny : dnu) {
        const QDate den = posledni.addDays(dny);
        const StavOtazky s = pamet.Stav(otazka, den);
        if (!std::isfinite(s.vybavitelnost) || s.vybavitelnost < 0 || s.vybavitelnost > 1)
            Chyba("recall", otazka, den, s.vybavitelnost);
        if (dny >= 0 && s.vybavitelnost > predtim)
            Chyba("recall rising with time", otazka, den, s.vybavitelnost);
        if (dny >= 0)
            predtim = s.vybavitelnost;
        if (s.splatna != (dny >= interval))
            Chyba("due", otazka, den, double(dny));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    PametProfilu pamet(QStringLiteral("Default"));
    QDate den(2026, 3, 2);
    for (size_t i = 0; i + 4 <= size; i += 4) {
        const int otazka = 1 + data[i] % Otazek;
        const int posun = static_cast<int16_t>(uint16_t(data[i + 1] | data[i + 2] << 8));
        const QDate dalsi = den.addDays(qint64(posun) * (data[i] & 0x80 ? 1000 : 1));
        if (dalsi.isValid())
            den = dalsi;
        const auto vysledek = static_cast<Odpovedi::Vysledek>(1 + data[i + 3] % 4);
        pamet.Pridat({den, QTime(data[i + 3] / 4 % 24, 0), otazka, vysledek, Odpovedi::Zdroj::Procvicovani});
        Zkontrolovat(pamet, otazka, den);
    }

    QList<int> vsechny;
    for (int c = 1; c <= Otazek; ++c)
        vsechny << c;
    QList<int> poradi = PoradiUceni(vsechny, pamet, den);
    std::sort(poradi.begin(), poradi.end());
    if (poradi != vsechny)
        Chyba("learning order", 0, den, double(poradi.size()));
    return 0;
}
