#include "practice/podrobnosti.h"

#include "okna/dialogy.h"
#include "okna/vzhled.h"
#include "practice/podrobnostitext.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace {

// The window as designed for a result of one category; more categories push everything below the
// category list down (Podrobnosti::Posun).
constexpr int SirkaKlienta = 372;
constexpr int VyskaKlienta = 272;
constexpr int MezeraTlacitek = 18;

void Posunout(QWidget *w, int o) { w->move(w->x(), w->y() + o); }

} // namespace

TDetail::TDetail(const ZaznamVysledku &zaznam, bool zkouseni, QWidget *rodic)
    : QDialog(rodic, Vzhled::OknoDialogu), m_zaznam(zaznam), m_zkouseni(zkouseni)
{
    setObjectName(QStringLiteral("Detail"));
    setFont(Vzhled::PismoOkna());
    FormCreate();
}

void TDetail::FormCreate()
{
    const ZaznamVysledku &u = m_zaznam;
    setWindowTitle(u.TypTestu + QStringLiteral(" - ") + Tabulka::ZobrazitHodnotu(TypPole::Datum, u.Datum)
                   + QStringLiteral(", ") + Tabulka::ZobrazitHodnotu(TypPole::Cas, u.Cas));

    Vzhled::Popisek(this, "lbProfil", QStringLiteral("Uživatel: ") + u.Profil, {16, 12});
    Vzhled::Popisek(this, "lbSkupina", QStringLiteral("Skupina: ") + u.Skupina, {16, 30});
    Vzhled::Cara(this, "Bevel1", {8, 50, SirkaKlienta - 16, 2});
    Vzhled::Popisek(this, "lbKategorie", QStringLiteral("Kategorie, z nichž se skládal test:"), {16, 58});
    auto *stKategorie = new QLabel(Podrobnosti::RadkyKategorii(u.Kategorie).join(u'\n'), this);
    stKategorie->setObjectName(QStringLiteral("stKategorie"));
    stKategorie->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    stKategorie->setGeometry(28, 76, SirkaKlienta - 36, Podrobnosti::VyskaKategorii(u.Kategorie));
    // One line per category in the rows the window reserves for them.
    QFont pismo = font();
    pismo.setPixelSize(Podrobnosti::VyskaRadku - 2);
    stKategorie->setFont(pismo);

    auto *bevel2 = Vzhled::Cara(this, "Bevel2", {8, 96, SirkaKlienta - 16, 2});
    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("panel"));
    panel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    panel->setGeometry(8, 104, SirkaKlienta - 16, 116);
    Vzhled::Popisek(panel, "lbPocet", QStringLiteral("Počet otázek: %1").arg(u.PocetOtazek), {10, 6});
    Vzhled::Popisek(panel, "lbSpravne", QStringLiteral("Správných odpovědí: %1").arg(u.Spravnych()), {10, 28});
    Vzhled::Popisek(panel, "lbSpatnych", QStringLiteral("Špatných odpovědí: %1").arg(u.Spatne), {10, 50});
    QLabel *lbSNapovedou = Vzhled::Popisek(panel, "lbSNapovedou", QStringLiteral("Použití nápovědy: %1").arg(u.SNapovedou), {10, 72});
    QLabel *lbUspesnost = Vzhled::Popisek(panel, "lbUspesnost", QStringLiteral("Úspěšnost: %1%").arg(u.Uspesnost), {10, 94});
    QFont tucne = lbUspesnost->font();
    tucne.setBold(true);
    lbUspesnost->setFont(tucne);
    lbUspesnost->adjustSize();

    auto *btnZ1 = Vzhled::Tlacitko(this, "btnZ1", QStringLiteral("Zobraz čísla otázek"), {234, 150, 124, 22});
    auto *btnZ2 = Vzhled::Tlacitko(this, "btnZ2", QStringLiteral("Zobraz čísla otázek"), {234, 172, 124, 22});
    m_btnOK = Vzhled::Tlacitko(this, "btnOK", QStringLiteral("&OK"), {(SirkaKlienta - 75) / 2, 234, 75, 25});
    m_btnOK->setDefault(true);
    m_btnPrezkouset = Vzhled::Tlacitko(this, "btnPrezkouset", QStringLiteral("&Procvičit nesprávně zodpovězené"),
                               {0, 234, 185, 25});
    m_btnPrezkouset->hide();

    connect(btnZ1, &QPushButton::clicked, this, &TDetail::btnZ1Click);
    connect(btnZ2, &QPushButton::clicked, this, &TDetail::btnZ2Click);
    connect(m_btnOK, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_btnPrezkouset, &QPushButton::clicked, this, &TDetail::btnPrezkousetClick);

    // 1. Number buttons only where there are numbers.
    btnZ1->setEnabled(u.Spatne != 0);
    btnZ2->setEnabled(u.SNapovedou != 0);
    if (m_zkouseni) {
        lbSNapovedou->setEnabled(false);
        m_btnPrezkouset->setText(QStringLiteral("&Prozkoušet nesprávně zodpovězené"));
        m_btnPrezkouset->resize(193, m_btnPrezkouset->height());
    }

    // 2. OK and the replay side by side, centred.
    if (u.Spatne > 0 || u.SNapovedou > 0) {
        const int vlevo = (SirkaKlienta - m_btnOK->width() - m_btnPrezkouset->width() - MezeraTlacitek) / 2;
        m_btnOK->move(vlevo, m_btnOK->y());
        m_btnPrezkouset->move(vlevo + m_btnOK->width() + MezeraTlacitek, m_btnOK->y());
        m_btnPrezkouset->show();
    }

    // 3-4. The window grows by one line for every further category.
    const int posun = Podrobnosti::Posun(u.Kategorie);
    for (QWidget *w : {static_cast<QWidget *>(bevel2), static_cast<QWidget *>(panel), static_cast<QWidget *>(btnZ1),
                       static_cast<QWidget *>(btnZ2), static_cast<QWidget *>(m_btnOK)})
        Posunout(w, posun);
    m_btnPrezkouset->move(m_btnPrezkouset->x(), m_btnOK->y());
    setFixedSize(SirkaKlienta, VyskaKlienta + posun);
}

void TDetail::btnZ1Click()
{
    Dialogy::Informace(this, QStringLiteral("Špatně zodpovězené otázky: ") + m_zaznam.SpatneCisla);
}

void TDetail::btnZ2Click()
{
    Dialogy::Informace(this, QStringLiteral("Otázky, u nichž byla použita nápověda: ") + m_zaznam.SNapovedouCisla);
}

void TDetail::btnPrezkousetClick()
{
    const Oprava oprava = Podrobnosti::OpravaVysledku(m_zaznam, m_zkouseni ? DruhBehu::Zkouseni : DruhBehu::Procvicovani);
    // A record damaged by hand may name no question; a run of none cannot start.
    if (oprava.otazky.isEmpty()) {
        Dialogy::Chyba(this, QStringLiteral("Záznam neobsahuje čísla otázek, které by bylo možné znovu procvičit."));
        return;
    }
    emit PrehratOtazky(oprava);
    done(Prehrat);
}
