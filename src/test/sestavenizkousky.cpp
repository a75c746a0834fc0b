#include "test/sestavenizkousky.h"

#include "data/banka.h"
#include "data/kategorie.h"

#include <QStringList>

#include <algorithm>

QChar PolozkaZkousky::PismenoZobrazene(int zobrazena) const
{
    return zobrazena >= 0 && zobrazena < Poradi.size() ? Poradi[zobrazena] : QChar();
}

int PolozkaZkousky::ZobrazenaPozice(QChar pismeno) const
{
    return pismeno.isNull() ? -1 : static_cast<int>(Poradi.indexOf(pismeno));
}

bool VhodnaProZkousku(const BankaOtazek &banka, int n, const QString &skupina)
{
    const QString spravne = banka.SpravneOdpovedi(n);
    return banka.OtazkaExistuje(n) && Skupiny::OtazkaProSkupinu(banka.SkupinaOtazky(n), skupina)
           && banka.PocetOdpovedi(n) == PlanZkousky::PocetOdpovedi && spravne.size() == 1 && spravne[0] >= u'A'
           && spravne[0] < QChar(u'A' + PlanZkousky::PocetOdpovedi);
}

SestavovaniZkousky::SestavovaniZkousky(const BankaOtazek &banka, const QString &skupina)
{
    if (std::find(Skupiny::Vsechny.begin(), Skupiny::Vsechny.end(), skupina) == Skupiny::Vsechny.end()) {
        m_procNelze = QStringLiteral("Zkoušku nanečisto nelze sestavit: skupina „%1“ není žádná ze skupin AM, A1, A, B1, "
                                     "B, C, D a T. Zvolte skupinu v nastavení.")
                          .arg(skupina);
        return;
    }
    for (int n = 1; n <= Kategorie::NejvyssiCislo; ++n)
        if (const auto okruh = banka.OkruhOtazky(n); okruh && VhodnaProZkousku(banka, n, skupina))
            m_zasoby[static_cast<size_t>(Okruhy::Index(*okruh))].push_back(n);
    QStringList chybi;
    for (const PlanZkousky::Radek &r : PlanZkousky::Radky)
        if (const int pocet = static_cast<int>(Zasoba(r.okruh).size()); pocet < r.pocet)
            chybi << QStringLiteral("v okruhu „%1“ (%2) jich je %3, zkouška jich potřebuje %4")
                         .arg(Okruhy::Nazev(r.okruh), Okruhy::Kod(r.okruh))
                         .arg(pocet)
                         .arg(r.pocet);
    if (!chybi.isEmpty())
        m_procNelze = QStringLiteral("Zkoušku nanečisto nelze sestavit pro skupinu %1: databáze otázek nemá dost otázek "
                                     "se třemi odpověďmi, z nichž jedna je správná; %2.")
                          .arg(skupina, chybi.join(QStringLiteral("; ")));
}

int SestavovaniZkousky::VelikostZasoby() const
{
    int pocet = 0;
    for (const PlanZkousky::Radek &r : PlanZkousky::Radky)
        pocet += static_cast<int>(Zasoba(r.okruh).size());
    return pocet;
}

SestavovaniZkousky::Cisla SestavovaniZkousky::Vylosovat(const ZdrojNahody &nahoda) const
{
    Cisla cisla{};
    size_t p = 0;
    for (const PlanZkousky::Radek &r : PlanZkousky::Radky) {
        const std::vector<int> &zasoba = Zasoba(r.okruh);
        // Indexes into the pool taken so far, ascending: the k-th draw picks the j-th of those left,
        // so that no draw is wasted and every choice is equally likely.
        std::array<int, PlanZkousky::PocetPozic> vzate{};
        for (int k = 0; k < r.pocet; ++k) {
            int j = nahoda(static_cast<int>(zasoba.size()) - k);
            int i = 0;
            while (i < k && vzate[static_cast<size_t>(i)] <= j) {
                ++j;
                ++i;
            }
            std::copy_backward(vzate.begin() + i, vzate.begin() + k, vzate.begin() + k + 1);
            vzate[static_cast<size_t>(i)] = j;
            cisla[p++] = zasoba[static_cast<size_t>(j)];
        }
    }
    return cisla;
}

std::optional<PolozkyZkousky> VylosujZkousku(const BankaOtazek &banka, const QString &skupina,
                                             const ZdrojNahody &nahoda, QString *chyba)
{
    const SestavovaniZkousky sestavovani(banka, skupina);
    if (!sestavovani.ProcNelze().isEmpty()) {
        if (chyba)
            *chyba = sestavovani.ProcNelze();
        return std::nullopt;
    }
    const SestavovaniZkousky::Cisla cisla = sestavovani.Vylosovat(nahoda);
    PolozkyZkousky polozky;
    for (int p = 1; p <= PlanZkousky::PocetPozic; ++p) {
        PolozkaZkousky &q = polozky[static_cast<size_t>(p - 1)];
        const PlanZkousky::Radek &radek = PlanZkousky::RadekPozice(p);
        q.pozice = p;
        q.SkutCis = cisla[static_cast<size_t>(p - 1)];
        q.okruh = radek.okruh;
        q.Body = radek.body;
        q.Spravna = banka.SpravneOdpovedi(q.SkutCis)[0];
        // Fisher–Yates: the letter shown as c) drawn first from all three, then b) from the two left.
        for (int i = PlanZkousky::PocetOdpovedi - 1; i > 0; --i)
            std::swap(q.Poradi[i], q.Poradi[nahoda(i + 1)]);
    }
    return polozky;
}
