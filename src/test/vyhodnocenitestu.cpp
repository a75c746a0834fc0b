#include "test/vyhodnocenitestu.h"

#include "data/banka.h"
#include "okna/dialogy.h"
#include "okna/vzhled.h"
#include "okna/zvetseni.h"
#include "test/plan.h"
#include "test/pozicetestu.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

namespace {

constexpr int Sloupcu = 7, Radku = 4;
constexpr int SirkaBunky = 70, VyskaBunky = 20;
constexpr int SirkaOtazky = 721, SirkaOdpovedi = 681;
constexpr int LevaOtazky = 8, TopOtazky = 24, LevaOdpovedi = 48, LevaPismene = 28, LevaZnamky = 8;
const QString TitulekPrehledu = QStringLiteral(" 1. otázka (3 body); Skutečné číslo otázky: ");

const std::array<QString, 3> PopisyZnamek{QStringLiteral("Správně označená otázka"), QStringLiteral("Špatně označená otázka"),
                                          QStringLiteral("Neoznačená správná otázka")};

// A line of the figures, as wide as its group box.
QLabel *Popisek(QWidget *rodic, const char *jmeno, const QString &text, int y)
{
    return Vzhled::Popisek(rodic, jmeno, text, QRect(10, y, rodic->width() - 16, 18));
}

} // namespace

TVyhodnoceniTestu::TVyhodnoceniTestu(BankaOtazek &banka, const PolozkyTestu &polozky, QWidget *rodic)
    : QFrame(rodic), m_banka(banka), m_polozky(polozky)
{
    setObjectName(QStringLiteral("pVyhodnoceni"));
    setAutoFillBackground(true); // covers the sheet's buttons

    auto *sgbProfil = new QGroupBox(QStringLiteral("Vstupní parametry:"), this);
    sgbProfil->setObjectName(QStringLiteral("sgbProfil"));
    sgbProfil->setGeometry(8, 6, 300, 112);
    m_lbProfil = Popisek(sgbProfil, "lbProfil", QStringLiteral("Řešitel testu: "), 18);
    m_lbSkupina = Popisek(sgbProfil, "lbSkupina", QStringLiteral("Skupina: "), 36);
    Popisek(sgbProfil, "lbMaxPocBod", QStringLiteral("Maximální možný počet bodů: %1").arg(PlanTestu::MaxBodu), 54);
    m_lbMinPocBod = Popisek(sgbProfil, "lbMinPocBod", QStringLiteral("Minimální potřeba počtu bodů: "), 72);
    Popisek(sgbProfil, "lbMaxCas", QStringLiteral("Maximální délka trvání testu: 30 minut"), 90);

    auto *sgbTest = new QGroupBox(QStringLiteral("Vyhodnocení testu:"), this);
    sgbTest->setObjectName(QStringLiteral("sgbTest"));
    sgbTest->setGeometry(316, 6, 448, 112);
    m_lbCas = Popisek(sgbTest, "lbCas", QStringLiteral("Celková doba trvání testu: "), 18);
    m_lbOdpovedi = Popisek(sgbTest, "lbOdpovedi", QStringLiteral("Počet správných/špatných odpovědí: "), 36);
    m_lbDosBod = Popisek(sgbTest, "lbDosBod", QStringLiteral("Celkový počet dosažených bodů: "), 54);
    m_lbUspech = Popisek(sgbTest, "lbUspech", QString(), 72);
    QFont tucne = m_lbUspech->font();
    tucne.setBold(true);
    m_lbUspech->setFont(tucne);
    Vzhled::BarvaTextu(m_lbUspech, Vzhled::Zelena);
    m_lbProtokol = Popisek(sgbTest, "lbProtokol", QStringLiteral("Byl vytvořen protokol z testu - přístupný je z hlavního menu"), 90);

    auto *lbNapoveda = new QLabel(QStringLiteral("Po stisku čísla v tabulce dojde k zobrazení porovnání vašeho řešení "
                                                 "dané otázky se správným řešením"),
                                  this);
    lbNapoveda->setObjectName(QStringLiteral("lbNapoveda"));
    lbNapoveda->setGeometry(8, 122, 756, 18);

    m_tabulka = new QTableWidget(Radku, Sloupcu, this);
    m_tabulka->setObjectName(QStringLiteral("Tabulka"));
    m_tabulka->horizontalHeader()->hide();
    m_tabulka->verticalHeader()->hide();
    m_tabulka->horizontalHeader()->setMinimumSectionSize(1);
    m_tabulka->verticalHeader()->setMinimumSectionSize(1);
    m_tabulka->horizontalHeader()->setDefaultSectionSize(SirkaBunky);
    m_tabulka->verticalHeader()->setDefaultSectionSize(VyskaBunky);
    m_tabulka->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_tabulka->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_tabulka->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tabulka->setSelectionMode(QAbstractItemView::SingleSelection);
    const int ram = 2 * m_tabulka->frameWidth();
    m_tabulka->setGeometry(8, 144, Sloupcu * SirkaBunky + ram, Radku * VyskaBunky + ram);
    connect(m_tabulka, &QTableWidget::currentCellChanged, this,
            [this](int radek, int sloupec) { TabulkaSelectCell(radek, sloupec); });

    auto *pNapoveda = new QFrame(this);
    pNapoveda->setObjectName(QStringLiteral("pNapoveda"));
    pNapoveda->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pNapoveda->setGeometry(510, 140, 176, 88);
    auto *info = new QLabel(QStringLiteral("Info:"), pNapoveda);
    info->setObjectName(QStringLiteral("lbInfo"));
    info->setGeometry(6, 2, 150, 18);
    const std::array<const char *, 3> jmenaLegendy{"imgYes", "imgNo", "imgMistake"};
    const std::array<Znamky::Druh, 3> druhy{Znamky::Druh::Spravne, Znamky::Druh::Spatne, Znamky::Druh::Opomenuta};
    for (size_t i = 0; i < 3; ++i) {
        auto *obrazek = new QLabel(pNapoveda);
        obrazek->setObjectName(QString::fromLatin1(jmenaLegendy[i]));
        obrazek->setPixmap(QPixmap::fromImage(Znamky::Nakreslit(druhy[i])));
        obrazek->setAccessibleName(PopisyZnamek[i]);
        const int y = 22 + static_cast<int>(i) * 21;
        obrazek->setGeometry(6, y, Znamky::Velikost, Znamky::Velikost);
        auto *popis = new QLabel(PopisyZnamek[i], pNapoveda);
        popis->setObjectName(QStringLiteral("lbZnamka%1").arg(i + 1));
        popis->setGeometry(28, y, 144, Znamky::Velikost);
    }

    m_btnOK = new QPushButton(QStringLiteral("&OK"), this);
    m_btnOK->setObjectName(QStringLiteral("btnOK"));
    QFont tucneOK = m_btnOK->font();
    tucneOK.setBold(true);
    m_btnOK->setFont(tucneOK);
    m_btnOK->setGeometry(694, 172, 70, 26);
    connect(m_btnOK, &QPushButton::clicked, this, &TVyhodnoceniTestu::btnOKClick);

    m_spatnaOtazka = new QGroupBox(TitulekPrehledu, this);
    m_spatnaOtazka->setObjectName(QStringLiteral("SpatnaOtazka"));
    m_spatnaOtazka->setGeometry(8, 234, 756, 310);
    m_spatnaOtazka->setFont(ListTestu::PismoTextu());
    m_otazka = Vzhled::ZalomenyText(m_spatnaOtazka, QStringLiteral("Otazka"));
    Vzhled::BarvaTextu(m_otazka, Qt::blue);
    m_otazka->setGeometry(LevaOtazky, TopOtazky, SirkaOtazky, 0);
    const QString pismena = QStringLiteral("ABCD");
    for (size_t i = 0; i < 4; ++i) {
        const QString p(pismena[static_cast<qsizetype>(i)]);
        m_img[i] = new QLabel(m_spatnaOtazka);
        m_img[i]->setObjectName(QStringLiteral("img") + p);
        m_img[i]->setGeometry(LevaZnamky, 0, Znamky::Velikost, Znamky::Velikost);
        m_img[i]->hide();
        m_lb[i] = new QLabel(p.toLower() + u')', m_spatnaOtazka);
        m_lb[i]->setObjectName(QStringLiteral("lb") + p);
        m_lb[i]->setGeometry(LevaPismene, 0, 20, 16);
        m_odpovedi[i] = Vzhled::ZalomenyText(m_spatnaOtazka, p);
        m_odpovedi[i]->setGeometry(LevaOdpovedi, 0, SirkaOdpovedi, 0);
    }
    m_obrazek = new TObrazekOtazky(m_spatnaOtazka);
    m_obrazek->setObjectName(QStringLiteral("Obrazek"));
    m_obrazek->setAlignment(Qt::AlignCenter);
    m_obrazek->setGeometry(432, TopOtazky, 300, 175);
    m_obrazek->hide();
    TObrazekOtazky::KlavesaZ(this, [this] { return m_obrazek; });
}

void TVyhodnoceniTestu::ZobrazVyhodnoceni(const Udaje &u)
{
    m_lbProfil->setText(m_lbProfil->text() + u.profil);
    m_lbSkupina->setText(m_lbSkupina->text() + u.skupina);
    m_lbMinPocBod->setText(m_lbMinPocBod->text() + QString::number(u.minPocetBodu));
    m_lbCas->setText(m_lbCas->text() + VysledekTestu::DelkaSlovy(PlanTestu::CasTestuSekund - u.zbyvaSekund));
    m_lbOdpovedi->setText(m_lbOdpovedi->text()
                          + QStringLiteral("%1/%2").arg(PlanTestu::PocetPozic - u.skore.PocetChyb).arg(u.skore.PocetChyb));
    m_lbDosBod->setText(m_lbDosBod->text() + QString::number(u.skore.PocetBodu));
    if (VysledekTestu::Prosel(u.skore.PocetBodu, u.minPocetBodu)) {
        m_lbUspech->setText(QStringLiteral("Test byl úspěšně složen!"));
    } else {
        Vzhled::BarvaTextu(m_lbUspech, Qt::red);
        m_lbUspech->setText(QStringLiteral("Test nebyl úspěšně složen!"));
    }
    if (!u.protokol)
        m_lbProtokol->setText(QStringLiteral("Nebyl vytvořen protokol - chcete-li ho vytvářet, změňte nastavení!"));

    {
        // The grid is filled with the first cell current, which is position 1 as shown below.
        const QSignalBlocker ticho(m_tabulka);
        for (int n = 1; n <= PlanTestu::PocetPozic; ++n) {
            auto *bunka = new QTableWidgetItem(QString::number(n));
            bunka->setTextAlignment(Qt::AlignCenter);
            bunka->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            m_tabulka->setItem((n - 1) / Sloupcu, (n - 1) % Sloupcu, bunka);
        }
        m_tabulka->setCurrentCell(0, 0);
    }

    m_aktualniPozice = 1;
    m_spatnaOtazka->setTitle(TitulekPrehledu + QString::number(Aktualni().SkutCis) + u' ');
    ZobrazPozici();
}

void TVyhodnoceniTestu::ProtokolNezapsan()
{
    m_lbProtokol->setText(QStringLiteral("Protokol z testu se nepodařilo zapsat"));
}

// Enter closes the review wherever the keyboard is in it.
void TVyhodnoceniTestu::FokusOK()
{
    m_btnOK->setDefault(true);
    m_btnOK->setFocus();
}

void TVyhodnoceniTestu::TabulkaSelectCell(int radek, int sloupec)
{
    const QTableWidgetItem *bunka = m_tabulka->item(radek, sloupec);
    if (!bunka || bunka->text().isEmpty())
        return;
    const int p = bunka->text().toInt();
    if (p == m_aktualniPozice)
        return;
    m_aktualniPozice = p;
    const int body = PlanTestu::BodyPozice(p);
    m_spatnaOtazka->setTitle(QStringLiteral(" %1. otázka (%2 %3); Skutečné číslo otázky: %4 ")
                                 .arg(p)
                                 .arg(body)
                                 .arg(body == 1 ? QStringLiteral("bod") : QStringLiteral("body"))
                                 .arg(Aktualni().SkutCis));
    if (p >= 17 && p <= 21)
        m_obrazek->setGeometry(636, TopOtazky, 96, 96);
    else if (p >= 23 && p <= 25)
        m_obrazek->setGeometry(432, TopOtazky, 300, 175);
    m_obrazek->setVisible((p >= 17 && p <= 21) || (p >= 23 && p <= 25));
    ZobrazPozici();
}

void TVyhodnoceniTestu::ZobrazPozici()
{
    OtazkaBanky otazka;
    try {
        otazka = m_banka.Nacist(Aktualni().SkutCis);
    } catch (const ChybaTabulky &e) {
        Dialogy::Chyba(window(), e.Text());
        return;
    }
    // A picture that cannot be shown leaves the texts their full width.
    if (m_obrazek->isVisibleTo(this)) {
        if (otazka.obrazek.isEmpty() || !m_obrazek->Nacist(otazka.obrazek))
            m_obrazek->hide();
        else
            m_obrazek->setAccessibleName(QStringLiteral("Obrázek k otázce %1").arg(m_aktualniPozice));
    }
    const int zuzeni = m_obrazek->isVisibleTo(this) ? m_obrazek->width() : 0;

    m_otazka->setText(otazka.otazka);
    m_otazka->setGeometry(LevaOtazky, TopOtazky, SirkaOtazky - zuzeni,
                          ListTestu::VyskaTextu(otazka.otazka, SirkaOtazky - zuzeni));
    int top = m_otazka->y() + m_otazka->height() + 2;
    for (size_t i = 0; i < 4; ++i) {
        m_odpovedi[i]->setText(otazka.odpovedi[i]);
        m_lb[i]->setVisible(!otazka.odpovedi[i].isEmpty());
        m_odpovedi[i]->setGeometry(LevaOdpovedi, top, SirkaOdpovedi - zuzeni,
                                   ListTestu::VyskaTextu(otazka.odpovedi[i], SirkaOdpovedi - zuzeni));
        m_lb[i]->move(LevaPismene, top);
        m_img[i]->move(LevaZnamky, top - 1);
        top += m_odpovedi[i]->height() + 2;
    }
    ZobrazZnacky();
}

void TVyhodnoceniTestu::ZobrazZnacky()
{
    const PolozkaTestu &q = Aktualni();
    for (size_t i = 0; i < 4; ++i) {
        const QChar pismeno(u'A' + static_cast<int>(i));
        const bool dana = q.Odpoved.contains(pismeno), spravna = q.SpravnaOdpoved.contains(pismeno);
        QLabel *img = m_img[i];
        img->show();
        if (!dana && !spravna) {
            img->hide();
            continue;
        }
        const size_t druh = dana ? (spravna ? 0 : 1) : 2;
        const std::array<Znamky::Druh, 3> druhy{Znamky::Druh::Spravne, Znamky::Druh::Spatne, Znamky::Druh::Opomenuta};
        img->setAccessibleName(PopisyZnamek[druh]);
        if (!Vzhled::NacistObrazek(img, Znamky::Cesta(druhy[druh]), window()))
            img->hide();
    }
}
