#include "uceni/prehled.h"

#include "uceni/grafyprehledu.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

using namespace PrehledZnalosti;

namespace {

// The numbers listed in the due section; the practice run takes them all.
constexpr int VypsanychCisel = 40;

QPushButton *Tlacitko(QWidget *rodic, const char *jmeno, const QString &text)
{
    auto *b = new QPushButton(text, rodic);
    b->setObjectName(QString::fromLatin1(jmeno));
    b->setAutoDefault(false);
    return b;
}

QString Otazek(int pocet)
{
    return PocetSlovy(pocet, QStringLiteral("otázka"), QStringLiteral("otázky"), QStringLiteral("otázek"));
}

} // namespace

TPrehled::TPrehled(const UdajePrehledu &udaje, ObsluhaPrehledu &obsluha, QWidget *rodic)
    : QDialog(rodic), m_obsluha(obsluha)
{
    setObjectName(QStringLiteral("Prehled"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint
                   | Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral("Přehled znalostí – ") + udaje.profil);
    setModal(true);

    // On a small screen the sections scroll; the picture saved holds them whole.
    auto *posuv = new QScrollArea(this);
    posuv->setObjectName(QStringLiteral("sbPrehled"));
    posuv->setWidgetResizable(true);
    posuv->setFrameShape(QFrame::NoFrame);
    m_pPrehled = new QWidget(posuv);
    m_pPrehled->setObjectName(QStringLiteral("pPrehled"));
    m_pPrehled->setAutoFillBackground(true);

    auto *gbKOpakovani = new QGroupBox(QStringLiteral("K opakování dnes"), m_pPrehled);
    gbKOpakovani->setObjectName(QStringLiteral("gbKOpakovani"));
    const KOpakovani &k = udaje.kOpakovani;
    const int pocet = static_cast<int>(k.otazky.size());
    QStringList cisla;
    for (int n : k.otazky.mid(0, VypsanychCisel))
        cisla << QString::number(n);
    QString vypis = cisla.join(QStringLiteral(", "));
    if (pocet > VypsanychCisel)
        vypis += QStringLiteral(" a %1 dalších").arg(pocet - VypsanychCisel);
    auto *btnProcvicit = Tlacitko(gbKOpakovani, "btnProcvicit", QStringLiteral("Procvičit otázky k opakování"));
    btnProcvicit->setEnabled(pocet > 0);
    auto *opakovani = new QVBoxLayout(gbKOpakovani);
    opakovani->addWidget(PopisekPrehledu(gbKOpakovani, "lbKOpakovani",
                                         pocet ? QStringLiteral("Dnes k opakování: ") + Otazek(pocet)
                                               : QStringLiteral("Dnes nemáte žádnou otázku k opakování.")));
    opakovani->addWidget(PopisekPrehledu(gbKOpakovani, "lbKOpakovaniRozpis",
                                         QStringLiteral("Naposledy zodpovězené špatně nebo s nápovědou: %1. Zapomínané (vybavíte si "
                                                        "je s menší než 90% jistotou): %2.")
                                             .arg(k.chybne)
                                             .arg(k.zapominane)));
    opakovani->addWidget(PopisekPrehledu(gbKOpakovani, "lbCislaKOpakovani",
                                         pocet ? QStringLiteral("Čísla otázek: ") + vypis : QString()));
    opakovani->addWidget(btnProcvicit, 0, Qt::AlignLeft);
    opakovani->addStretch();

    m_pripravenost = new TPripravenost(udaje, obsluha, m_pPrehled);
    // Two columns, each as tall as its sections need.
    auto *vlevo = new QVBoxLayout;
    vlevo->addWidget(new TZnalostKategorii(udaje.kategorie, m_pPrehled));
    vlevo->addWidget(gbKOpakovani, 1);
    auto *vpravo = new QVBoxLayout;
    vpravo->addWidget(new TPrubehUceni(udaje.prubeh, m_pPrehled), 1);
    vpravo->addWidget(m_pripravenost, 1);
    auto *sloupce = new QHBoxLayout(m_pPrehled);
    sloupce->addLayout(vlevo, 1);
    sloupce->addLayout(vpravo, 1);

    auto *btnUlozitObrazek = Tlacitko(this, "btnUlozitObrazek", QStringLiteral("Uložit obrázek..."));
    auto *btnOK = Tlacitko(this, "btnOK", QStringLiteral("&OK"));
    btnOK->setDefault(true);
    auto *tlacitka = new QHBoxLayout;
    tlacitka->addWidget(btnUlozitObrazek);
    tlacitka->addStretch();
    tlacitka->addWidget(btnOK);
    auto *rozlozeni = new QVBoxLayout(this);
    posuv->setWidget(m_pPrehled);
    rozlozeni->addWidget(posuv, 1);
    rozlozeni->addLayout(tlacitka);
    QSize velikost(1180, 900);
    if (const QScreen *obrazovka = rodic ? rodic->screen() : screen())
        velikost = velikost.boundedTo(obrazovka->availableGeometry().size() * 0.95);
    resize(velikost);

    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnProcvicit, &QPushButton::clicked, this, [this] { done(Procvicit); });
    connect(btnUlozitObrazek, &QPushButton::clicked, this, &TPrehled::btnUlozitObrazekClick);
}

// However the window closes, the program keeps the day it shows.
void TPrehled::done(int vysledek)
{
    m_obsluha.Zavrit(this, m_pripravenost->DenZkousky());
    QDialog::done(vysledek);
}

void TPrehled::btnUlozitObrazekClick() { m_obsluha.UlozitObrazek(this, m_pPrehled->grab().toImage()); }
