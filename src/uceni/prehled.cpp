#include "uceni/prehled.h"

#include "data/banka.h"
#include "data/hodiny.h"
#include "logika/stav.h"
#include "okna/dialogy.h"
#include "okna/vzhled.h"
#include "uceni/grafyprehledu.h"
#include "uceni/pamet.h"
#include "uceni/prehledznalosti.h"
#include "uceni/terminzkousky.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSaveFile>
#include <QScreen>
#include <QScrollArea>
#include <QStandardPaths>
#include <QVBoxLayout>

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

TPrehled::TPrehled(const StavProgramu &stav, const BankaOtazek &banka, const PametProfilu &pamet, QWidget *rodic)
    : TOknoPrehledu(rodic), m_profil(stav.AktivniProfil)
{
    setObjectName(QStringLiteral("Prehled"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint
                   | Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral("Přehled znalostí,   Uživatel: ") + m_profil);
    setFont(Vzhled::PismoOkna());
    setModal(true);

    const QDate dnes = Hodiny::Ted().date();
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
    const PrehledZnalosti::KOpakovani k = PrehledZnalosti::OtazkyKOpakovani(banka, stav, pamet, dnes);
    m_kOpakovani = k.otazky;
    const int pocet = static_cast<int>(k.otazky.size());
    QStringList cisla;
    for (int n : k.otazky.mid(0, VypsanychCisel))
        cisla << QString::number(n);
    if (pocet > VypsanychCisel)
        cisla << QStringLiteral("a %1 dalších").arg(pocet - VypsanychCisel);
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
                                         pocet ? QStringLiteral("Čísla otázek: ") + cisla.join(QStringLiteral(", ")) : QString()));
    opakovani->addWidget(btnProcvicit, 0, Qt::AlignLeft);
    opakovani->addStretch();

    QDate ulozenyDen = dnes;
    try {
        ulozenyDen = TerminZkousky::Precist(m_profil).value_or(dnes);
    } catch (const ChybaTabulky &e) {
        Dialogy::Chyba(rodic, e.Text());
    }
    m_pripravenost = new TPripravenost(banka, stav.ZvolenaSkupina, pamet, dnes, ulozenyDen, m_pPrehled);
    m_puvodniDen = m_pripravenost->DenZkousky();
    // Two columns, each as tall as its sections need.
    auto *vlevo = new QVBoxLayout;
    vlevo->addWidget(new TZnalostKategorii(PrehledZnalosti::ZnalostPodleKategorii(banka, stav.ZvolenaSkupina, pamet, dnes),
                                           m_pPrehled));
    vlevo->addWidget(gbKOpakovani, 1);
    auto *vpravo = new QVBoxLayout;
    vpravo->addWidget(new TPrubehUceni(PrehledZnalosti::PrubehUceni(pamet, dnes), m_pPrehled), 1);
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
    connect(btnProcvicit, &QPushButton::clicked, this, &TPrehled::btnProcvicitClick);
    connect(btnUlozitObrazek, &QPushButton::clicked, this, &TPrehled::btnUlozitObrazekClick);
}

// However the window closes, a day the learner chose is kept (a stored day that has passed and was
// shown as today is left alone); a failure to store it is reported and costs nothing else.
void TPrehled::done(int vysledek)
{
    const QDate den = m_pripravenost->DenZkousky();
    if (den != m_puvodniDen) {
        try {
            TerminZkousky::Zapsat(m_profil, den);
            m_puvodniDen = den;
        } catch (const ChybaTabulky &e) {
            Dialogy::Chyba(this, e.Text());
        }
    }
    QDialog::done(vysledek);
}

void TPrehled::btnProcvicitClick()
{
    accept();
    emit ProcvicitOtazky(m_kOpakovani);
}

void TPrehled::btnUlozitObrazekClick()
{
    // Offered among the user's pictures, not in the program's directory, which may take no file.
    QString slozka = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (slozka.isEmpty() || !QFileInfo(slozka).isDir())
        slozka = QDir::homePath();
    QString jmeno = Dialogy::UlozitSoubor(this, QStringLiteral("Uložit obrázek přehledu"),
                                          QDir(slozka).filePath(QStringLiteral("prehled-znalosti.png")),
                                          QStringLiteral("Obrázky PNG (*.png)"));
    if (jmeno.isEmpty())
        return;
    if (!jmeno.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive))
        jmeno += QStringLiteral(".png");
    // Written whole or not at all: a failure leaves any earlier file of that name as it was.
    QSaveFile soubor(jmeno);
    const QImage obrazek = m_pPrehled->grab().toImage();
    if (!soubor.open(QIODevice::WriteOnly) || !obrazek.save(&soubor, "PNG") || !soubor.commit())
        Dialogy::Chyba(this, QStringLiteral("Obrázek nelze uložit do souboru „%1“: %2").arg(jmeno, soubor.errorString()));
}
