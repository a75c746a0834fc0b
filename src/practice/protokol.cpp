#include "practice/protokol.h"

#include "app/dialogy.h"
#include "app/hlavniformular.h"
#include "app/mrizka.h"
#include "app/vzhled.h"
#include "data/filtrvyraz.h"
#include "data/tabulkamodel.h"
#include "practice/podrobnosti.h"

#include <QPushButton>

namespace {

const QString TypProcvicovani = QStringLiteral("Procvičování");
const QString TypZkouseni = QStringLiteral("Zkoušení");

QPushButton *Tlacitko(QWidget *rodic, const char *jmeno, const QString &text, QRect kde)
{
    auto *b = new QPushButton(text, rodic);
    b->setObjectName(QString::fromLatin1(jmeno));
    b->setGeometry(kde);
    b->setAutoDefault(false);
    return b;
}

} // namespace

TProtocol::TProtocol(THlavniFormular &hlavni, QWidget *rodic)
    : QDialog(rodic), m_hlavni(hlavni), m_zkouseni(hlavni.Stav().SeznamZkouseni)
{
    setObjectName(QStringLiteral("Protocol"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFont(Vzhled::PismoOkna());
    setFixedSize(546, 292);

    m_grid = new MrizkaTabulky(this);
    m_grid->setObjectName(QStringLiteral("DBGrid1"));
    m_grid->setGeometry(8, 8, 530, 236);

    auto *btnOK = Tlacitko(this, "btnOK", QStringLiteral("&OK"), {463, 256, 75, 25});
    m_btnPodrobnosti = Tlacitko(this, "btnPodrobnosti", QStringLiteral("&Podrobnosti"), {8, 256, 95, 25});
    m_btnVymazat = Tlacitko(this, "btnVymazat", QStringLiteral("Vymazat &záznam"), {111, 256, 105, 25});
    m_btnVymazatVse = Tlacitko(this, "btnVymazatVse", QStringLiteral("&Vymazat vše"), {224, 256, 95, 25});
    btnOK->setDefault(true);

    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_btnPodrobnosti, &QPushButton::clicked, this, &TProtocol::btnPodrobnostiClick);
    connect(m_btnVymazat, &QPushButton::clicked, this, &TProtocol::btnVymazatClick);
    connect(m_btnVymazatVse, &QPushButton::clicked, this, &TProtocol::btnVymazatVseClick);

    FormCreate();
}

TProtocol::~TProtocol() = default;

void TProtocol::FormCreate()
{
    const QString &profil = m_hlavni.Stav().AktivniProfil;
    setWindowTitle(QStringLiteral("Seznam výsledků ")
                   + (m_zkouseni ? QStringLiteral("zkoušení,   Uživatel: ") : QStringLiteral("procvičování,   Uživatel: "))
                   + profil);

    QList<TabulkaModel::Sloupec> sloupce{
        {QStringLiteral("Datum vystavení"), QStringLiteral("Datum"), {}},
        {QStringLiteral("Čas"), QStringLiteral("Cas"), {}},
        {QStringLiteral("Skupina"), QStringLiteral("Skupina"), {}},
        {QStringLiteral("Počet otázek"), QStringLiteral("PocetOtazek"), {}},
        {QStringLiteral("Špatné odpovědi"), QStringLiteral("Spatne"), {}},
        {QStringLiteral("Použití nápovědy"), QStringLiteral("SNapovedou"), {}},
        {QStringLiteral("Úspěšnost"), QString(),
         [](const Zaznam &z) { return QString::number(z.Cislo(QStringLiteral("Uspesnost"))) + u'%'; }},
    };
    // Loaded for the detail, not shown.
    for (const char *pole : {"Uspesnost", "TypTestu", "Kategorie", "SpatneCisla", "SNapovedouCisla"})
        sloupce.append({QString::fromLatin1(pole), QString::fromLatin1(pole), {}});
    m_model = new TabulkaModel(m_tabulka, sloupce, this);
    m_grid->setModel(m_model);
    m_grid->NastavitSirky({90, 50, 51, 73, 91, 92, 62, 0, 0, 0, 0, 0});

    // Only this profile's records of this kind; the filter runs inside the store.
    try {
        m_tabulka.Otevrit();
        m_tabulka.NastavitFiltrovani(false);
        m_tabulka.NastavitFiltr(QStringLiteral("Profil = ") + LiteralFiltru(profil) + QStringLiteral(" AND TypTestu = ")
                                + LiteralFiltru(m_zkouseni ? TypZkouseni : TypProcvicovani));
        m_tabulka.NastavitFiltrovani(true);
        m_tabulka.Prvni();
    } catch (const ChybaTabulky &e) {
        m_chyba = e.Text();
        m_tabulka.Zavrit();
    }
    Obnovit();
}

void TProtocol::Obnovit()
{
    m_model->Obnovit();
    const bool zaznamy = m_tabulka.Otevreno() && m_tabulka.PocetZaznamu() > 0;
    if (zaznamy)
        m_grid->VybratRadek(m_tabulka.Pozice());
    for (QPushButton *b : {m_btnPodrobnosti, m_btnVymazat, m_btnVymazatVse})
        b->setEnabled(zaznamy);
}

void TProtocol::btnPodrobnostiClick()
{
    const int radek = m_grid->AktualniRadek();
    if (radek < 0)
        return;
    UdajeVysledku u;
    try {
        m_tabulka.PrejitNa(radek);
        u.typTestu = m_tabulka.Text(QStringLiteral("TypTestu"));
        u.datum = m_tabulka.ZobrazitelnyText(radek, QStringLiteral("Datum"));
        u.cas = m_tabulka.ZobrazitelnyText(radek, QStringLiteral("Cas"));
        u.profil = m_tabulka.Text(QStringLiteral("Profil"));
        u.skupina = m_tabulka.Text(QStringLiteral("Skupina"));
        u.kategorie = m_tabulka.Text(QStringLiteral("Kategorie"));
        u.spatneCisla = m_tabulka.Text(QStringLiteral("SpatneCisla"));
        u.sNapovedouCisla = m_tabulka.Text(QStringLiteral("SNapovedouCisla"));
        u.pocetOtazek = m_tabulka.Cislo(QStringLiteral("PocetOtazek"));
        u.spatne = m_tabulka.Cislo(QStringLiteral("Spatne"));
        u.sNapovedou = m_tabulka.Cislo(QStringLiteral("SNapovedou"));
        u.uspesnost = m_tabulka.Cislo(QStringLiteral("Uspesnost"));
    } catch (const ChybaTabulky &e) {
        Dialogy::Chyba(this, e.Text());
        return;
    }
    TDetail detail(m_hlavni, u, m_zkouseni, this);
    Dialogy::Vycentrovat(&detail, this);
    detail.exec();
    // A replay has started: the run is left on screen.
    if (m_hlavni.Stav().OpravaZVysledku)
        accept();
}

void TProtocol::btnVymazatClick()
{
    const int radek = m_grid->AktualniRadek();
    if (radek < 0)
        return;
    try {
        m_tabulka.PrejitNa(radek);
        m_tabulka.SmazatAktualni();
    } catch (const ChybaTabulky &e) {
        Dialogy::Chyba(this, e.Text());
    }
    Obnovit();
}

void TProtocol::btnVymazatVseClick()
{
    if (!Dialogy::Otazka(this, QStringLiteral("Opravdu chcete smazat všechny záznamy?")))
        return;
    // The view holds only this profile's records of this kind, so no other record is touched.
    try {
        for (int n = m_tabulka.PocetZaznamu(); n > 0; --n)
            m_tabulka.SmazatAktualni();
    } catch (const ChybaTabulky &e) {
        Dialogy::Chyba(this, e.Text());
    }
    Obnovit();
}
