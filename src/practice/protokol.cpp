#include "practice/protokol.h"

#include "data/filtrvyraz.h"
#include "data/profily.h"
#include "okna/dialogy.h"
#include "okna/vzhled.h"
#include "practice/podrobnosti.h"
#include "practice/vysledky.h"

#include <QPushButton>

TProtocol::TProtocol(const QString &profil, bool zkouseni, QWidget *rodic)
    : TSeznamZaznamu(Vysledky::JmenoTabulky, "Protocol", {546, 292}, {8, 8, 530, 236},
                     {{{"btnOK", QStringLiteral("&OK"), {463, 256, 75, 25}},
                       {"btnPodrobnosti", QStringLiteral("&Podrobnosti"), {8, 256, 95, 25}},
                       {"btnVymazat", QStringLiteral("Vymazat &záznam"), {111, 256, 105, 25}},
                       {"btnVymazatVse", QStringLiteral("&Vymazat vše"), {224, 256, 95, 25}}}},
                     rodic),
      m_profil(profil), m_zkouseni(zkouseni)
{
    Vzhled::PoradiKlavesnice({m_grid, m_tlacitka[Detail], m_tlacitka[Vymazat], m_tlacitka[VymazatVse], m_tlacitka[OK]});
    FormCreate();
}

void TProtocol::FormCreate()
{
    const QString &profil = m_profil;
    setWindowTitle(QStringLiteral("Seznam výsledků ")
                   + (m_zkouseni ? QStringLiteral("zkoušení,   Uživatel: ") : QStringLiteral("procvičování,   Uživatel: "))
                   + profil);

    QList<TabulkaModel::Sloupec> sloupce{
        {QStringLiteral("Datum vystavení"), Vysledky::Datum, {}},
        {QStringLiteral("Čas"), Vysledky::Cas, {}},
        {Vysledky::Skupina, Vysledky::Skupina, {}},
        {QStringLiteral("Počet otázek"), Vysledky::PocetOtazek, {}},
        {QStringLiteral("Špatné odpovědi"), Vysledky::Spatne, {}},
        {QStringLiteral("Použití nápovědy"), Vysledky::SNapovedou, {}},
        {QStringLiteral("Úspěšnost"), QString(),
         [](const Zaznam &z) { return QString::number(z.Cislo(Vysledky::Uspesnost)) + u'%'; }},
    };
    // Loaded for the detail, not shown.
    for (const QString &pole : {Vysledky::Uspesnost, Vysledky::TypTestu, Vysledky::Kategorie, Vysledky::SpatneCisla,
                                Vysledky::SNapovedouCisla})
        sloupce.append({pole, pole, {}});
    // Only this profile's records of this kind; the filter runs inside the store.
    Naplnit(sloupce, {90, 50, 51, 73, 91, 92, 62, 0, 0, 0, 0, 0},
            FiltrProfilu(profil) + QStringLiteral(" AND ") + Vysledky::TypTestu
                + QStringLiteral(" = ") + LiteralFiltru(Vysledky::TextTypu(m_zkouseni ? DruhBehu::Zkouseni : DruhBehu::Procvicovani)));
}

void TProtocol::OtevritDetail()
{
    const std::optional<ZaznamVysledku> z = Vybrany(&Vysledky::Precist);
    if (!z)
        return;
    TDetail detail(*z, m_zkouseni, this);
    connect(&detail, &TDetail::PrehratOtazky, this, &TProtocol::PrehratOtazky);
    Dialogy::Vycentrovat(&detail, this);
    // A replay has started: the run is left on screen.
    if (detail.exec() == TDetail::Prehrat)
        accept();
}
