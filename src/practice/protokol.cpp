#include "practice/protokol.h"

#include "data/filtrvyraz.h"
#include "data/tabulkamodel.h"
#include "okna/dialogy.h"
#include "okna/mrizka.h"
#include "okna/vzhled.h"
#include "practice/podrobnosti.h"
#include "practice/vysledky.h"

#include <QPushButton>

TProtocol::TProtocol(const QString &profil, bool zkouseni, QWidget *rodic)
    : QDialog(rodic, Vzhled::OknoDialogu), m_profil(profil), m_zkouseni(zkouseni)
{
    setObjectName(QStringLiteral("Protocol"));
    setFont(Vzhled::PismoOkna());
    setFixedSize(546, 292);

    m_grid = new MrizkaTabulky(this);
    m_grid->setObjectName(QStringLiteral("DBGrid1"));
    m_grid->setGeometry(8, 8, 530, 236);

    auto *btnOK = Vzhled::Tlacitko(this, "btnOK", QStringLiteral("&OK"), {463, 256, 75, 25});
    m_btnPodrobnosti = Vzhled::Tlacitko(this, "btnPodrobnosti", QStringLiteral("&Podrobnosti"), {8, 256, 95, 25});
    m_btnVymazat = Vzhled::Tlacitko(this, "btnVymazat", QStringLiteral("Vymazat &záznam"), {111, 256, 105, 25});
    m_btnVymazatVse = Vzhled::Tlacitko(this, "btnVymazatVse", QStringLiteral("&Vymazat vše"), {224, 256, 95, 25});
    btnOK->setDefault(true);
    Vzhled::PoradiKlavesnice({m_grid, m_btnPodrobnosti, m_btnVymazat, m_btnVymazatVse, btnOK});
    m_grid->setFocus();

    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_btnPodrobnosti, &QPushButton::clicked, this, &TProtocol::btnPodrobnostiClick);
    connect(m_btnVymazat, &QPushButton::clicked, this, &TProtocol::btnVymazatClick);
    connect(m_btnVymazatVse, &QPushButton::clicked, this, &TProtocol::btnVymazatVseClick);

    FormCreate();
}

TProtocol::~TProtocol() = default;

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
    m_model = new TabulkaModel(m_tabulka, sloupce, this);
    m_grid->setModel(m_model);
    m_grid->NastavitSirky({90, 50, 51, 73, 91, 92, 62, 0, 0, 0, 0, 0});

    // Only this profile's records of this kind; the filter runs inside the store.
    m_chyba = SeznamZaznamu::Otevrit(m_tabulka, Vysledky::Profil + QStringLiteral(" = ") + LiteralFiltru(profil)
                                                       + QStringLiteral(" AND ")
                                                       + Vysledky::TypTestu + QStringLiteral(" = ")
                                                       + LiteralFiltru(Vysledky::TextTypu(m_zkouseni ? DruhBehu::Zkouseni : DruhBehu::Procvicovani)));
    Obnovit();
}

void TProtocol::Obnovit()
{
    SeznamZaznamu::Obnovit(m_tabulka, *m_model, *m_grid, {m_btnPodrobnosti, m_btnVymazat, m_btnVymazatVse});
}

void TProtocol::btnPodrobnostiClick()
{
    const std::optional<ZaznamVysledku> z = SeznamZaznamu::Vybrany(this, m_tabulka, *m_grid, &Vysledky::Precist);
    if (!z)
        return;
    TDetail detail(*z, m_zkouseni, this);
    connect(&detail, &TDetail::PrehratOtazky, this, &TProtocol::PrehratOtazky);
    Dialogy::Vycentrovat(&detail, this);
    // A replay has started: the run is left on screen.
    if (detail.exec() == TDetail::Prehrat)
        accept();
}

void TProtocol::btnVymazatClick()
{
    SeznamZaznamu::SmazatVybrany(this, m_tabulka, *m_grid);
    Obnovit();
}

void TProtocol::btnVymazatVseClick()
{
    SeznamZaznamu::SmazatVse(this, m_tabulka);
    Obnovit();
}
