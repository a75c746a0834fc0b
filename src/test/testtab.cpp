#include "test/testtab.h"

#include "data/profily.h"
#include "okna/dialogy.h"
#include "okna/vzhled.h"
#include "test/protokoltestu.h"
#include "test/testdetail.h"

#include <QPushButton>

TSeznamTestu::TSeznamTestu(const QString &profil, QWidget *rodic)
    : TSeznamZaznamu(ProtokolTestu::JmenoTabulky, "SeznamTestu", {520, 300}, {8, 8, 388, 284},
                     {{{"btnOK", QStringLiteral("&OK"), {412, 20, 100, 25}},
                       {"btnDetail", QStringLiteral("&Protokol"), {412, 60, 100, 25}},
                       {"btnVymaz", QStringLiteral("Vymaž &záznam"), {412, 100, 100, 25}},
                       {"btnVymazVse", QStringLiteral("&Vymaž vše"), {412, 140, 100, 25}}}},
                     rodic),
      m_profil(profil)
{
    setWindowTitle(QStringLiteral("Seznam testů,   Uživatel: "));
    Vzhled::PoradiKlavesnice({m_grid, m_tlacitka[OK], m_tlacitka[Detail], m_tlacitka[Vymazat], m_tlacitka[VymazatVse]});
    FormCreate();
}

void TSeznamTestu::FormCreate()
{
    setWindowTitle(windowTitle() + m_profil);

    using namespace ProtokolTestu;
    // Only the active profile's protocols; the filter runs inside the store.
    Naplnit({{QStringLiteral("Datum a čas"), DatumACas, {}},
             {QStringLiteral("Skupina"), Skupina, {}},
             {QStringLiteral("Počet bodů"), PocetBodu, {}},
             {QStringLiteral("Verdikt"), Verdikt, {}}},
            {118, 80, 90, 80}, FiltrProfilu(m_profil));
}

void TSeznamTestu::OtevritDetail()
{
    const std::optional<ZaznamProtokolu> z = Vybrany(&ProtokolTestu::Precist);
    if (!z)
        return;
    TTestDetailForm protokol(*z, this);
    Dialogy::Vycentrovat(&protokol, this);
    protokol.exec();
}
