#include "test/testtab.h"

#include "data/filtrvyraz.h"
#include "data/tabulkamodel.h"
#include "okna/dialogy.h"
#include "okna/mrizka.h"
#include "okna/vzhled.h"
#include "test/protokoltestu.h"
#include "test/testdetail.h"

#include <QPushButton>

TSeznamTestu::TSeznamTestu(const QString &profil, QWidget *rodic) : QDialog(rodic), m_profil(profil)
{
    setObjectName(QStringLiteral("SeznamTestu"));
    setWindowTitle(QStringLiteral("Seznam testů,   Uživatel: "));
    setWindowFlags(Vzhled::OknoDialogu);
    setFont(Vzhled::PismoOkna());
    setFixedSize(520, 300);

    auto *btnOK = Vzhled::Tlacitko(this, "btnOK", QStringLiteral("&OK"), {412, 20, 100, 25});
    m_btnDetail = Vzhled::Tlacitko(this, "btnDetail", QStringLiteral("&Protokol"), {412, 60, 100, 25});
    m_btnVymaz = Vzhled::Tlacitko(this, "btnVymaz", QStringLiteral("Vymaž &záznam"), {412, 100, 100, 25});
    m_btnVymazVse = Vzhled::Tlacitko(this, "btnVymazVse", QStringLiteral("&Vymaž vše"), {412, 140, 100, 25});
    btnOK->setDefault(true);
    m_grid = new MrizkaTabulky(this);
    m_grid->setObjectName(QStringLiteral("DBGrid1"));
    m_grid->setGeometry(8, 8, 388, 284);
    Vzhled::PoradiKlavesnice({m_grid, btnOK, m_btnDetail, m_btnVymaz, m_btnVymazVse});
    m_grid->setFocus();

    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_btnDetail, &QPushButton::clicked, this, &TSeznamTestu::btnDetailClick);
    connect(m_btnVymaz, &QPushButton::clicked, this, &TSeznamTestu::btnVymazClick);
    connect(m_btnVymazVse, &QPushButton::clicked, this, &TSeznamTestu::btnVymazVseClick);

    FormCreate();
}

TSeznamTestu::~TSeznamTestu() = default;

void TSeznamTestu::FormCreate()
{
    setWindowTitle(windowTitle() + m_profil);

    using namespace ProtokolTestu;
    m_model = new TabulkaModel(m_tabulka,
                               {{QStringLiteral("Datum a čas"), DatumACas, {}},
                                {QStringLiteral("Skupina"), Skupina, {}},
                                {QStringLiteral("Počet bodů"), PocetBodu, {}},
                                {QStringLiteral("Verdikt"), Verdikt, {}}},
                               this);
    m_grid->setModel(m_model);
    m_grid->NastavitSirky({118, 80, 90, 80});

    // Only the active profile's protocols; the filter runs inside the store.
    m_chyba = SeznamZaznamu::Otevrit(m_tabulka, Profil + QStringLiteral(" = ") + LiteralFiltru(m_profil));
    Obnovit();
}

void TSeznamTestu::Obnovit()
{
    SeznamZaznamu::Obnovit(m_tabulka, *m_model, *m_grid, {m_btnDetail, m_btnVymaz, m_btnVymazVse});
}

void TSeznamTestu::btnDetailClick()
{
    const std::optional<ZaznamProtokolu> z = SeznamZaznamu::Vybrany(this, m_tabulka, *m_grid, &ProtokolTestu::Precist);
    if (!z)
        return;
    TTestDetailForm protokol(*z, this);
    Dialogy::Vycentrovat(&protokol, this);
    protokol.exec();
}

void TSeznamTestu::btnVymazClick()
{
    SeznamZaznamu::SmazatVybrany(this, m_tabulka, *m_grid);
    Obnovit();
}

void TSeznamTestu::btnVymazVseClick()
{
    SeznamZaznamu::SmazatVse(this, m_tabulka);
    Obnovit();
}
