#include "practice/vyhodnoceni.h"

#include "app/dialogy.h"
#include "data/hodiny.h"
#include "practice/beh.h"
#include "practice/vysledky.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace {

constexpr int Sirka = 470;
constexpr int Vyska = 276;
constexpr int Leva = 24;

QLabel *Popisek(QWidget *rodic, const char *jmeno, const QString &text, int top, const QFont &pismo)
{
    auto *l = new QLabel(text, rodic);
    l->setObjectName(QString::fromLatin1(jmeno));
    l->setFont(pismo);
    l->adjustSize();
    l->move(Leva, top);
    return l;
}

void Barva(QLabel *l, const QColor &barva)
{
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, barva);
    l->setPalette(p);
}

QFrame *Cara(QWidget *rodic, const char *jmeno, int top)
{
    auto *c = new QFrame(rodic);
    c->setObjectName(QString::fromLatin1(jmeno));
    c->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    c->setGeometry(12, top, Sirka - 24, 2);
    return c;
}

} // namespace

TResult::TResult(StavProgramu &stav, bool zkouseni, QWidget *rodic)
    : QDialog(rodic, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                         | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      m_stav(stav), m_zkouseni(zkouseni)
{
    setObjectName(QStringLiteral("Result"));
    setWindowTitle(QStringLiteral("Vyhodnocení programu Semaforix"));
    setFixedSize(Sirka, Vyska);

    // Decided and written before anything is shown, so that a question or an error comes first.
    const QString soubor = FormCreate();

    // The figures stand in columns of a fixed-pitch font; its Linux stand-in is named so that the
    // font matcher need not search for one.
    QFont::insertSubstitution(QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"));
    QFont pevne(QStringLiteral("Courier New"));
    pevne.setPointSize(10);
    pevne.setStyleHint(QFont::TypeWriter);
    QFont tucne = pevne;
    tucne.setBold(true);
    QFont nadpis = tucne;
    nadpis.setUnderline(true);
    nadpis.setPointSize(12);

    auto *lbTyp = Popisek(this, "lbTyp", zkouseni ? QStringLiteral("Vyhodnocení zkoušení") : QStringLiteral("Vyhodnocení procvičování"),
                          10, nadpis);
    lbTyp->move((Sirka - lbTyp->width()) / 2, 10);
    Barva(lbTyp, QColor(0, 128, 0));
    Barva(Popisek(this, "lbUzivatel", QStringLiteral("Uživatel: ") + stav.AktivniProfil, 40, tucne), Qt::blue);
    Popisek(this, "lbSkupina", QStringLiteral("Skupina: ") + stav.ZvolenaSkupina, 60, pevne);
    Cara(this, "Bevel1", 82);

    // An examination has no hint line; its three figures stand lower, in the middle of the frame.
    const int spravnych = stav.CelkemOtazek - stav.PocetSpatnych - stav.PocetNapoved;
    Popisek(this, "lbPocet", QStringLiteral("Počet otázek: %1").arg(stav.CelkemOtazek), zkouseni ? 98 : 87, pevne);
    Popisek(this, "lbSpravne", QStringLiteral("Správných odpovědí: %1").arg(spravnych), zkouseni ? 119 : 108, pevne);
    Popisek(this, "lbSpatne", QStringLiteral("Špatných odpovědí: %1").arg(stav.PocetSpatnych), zkouseni ? 141 : 130, pevne);
    Popisek(this, "lbSNapovedou", QStringLiteral("Použití nápovědy: %1").arg(stav.PocetNapoved), 152, pevne)
        ->setVisible(!zkouseni);

    Cara(this, "Bevel2", 176);
    Barva(Popisek(this, "lbUspesnost", QStringLiteral("Úspěšnost: %1%").arg(stav.UspesnostBehu), 186, tucne), Qt::blue);
    auto *lbSoubor = new QLabel(soubor, this);
    lbSoubor->setObjectName(QStringLiteral("lbSoubor"));
    lbSoubor->setWordWrap(true);
    lbSoubor->setGeometry(12, 208, Sirka - 24, 30);
    Barva(lbSoubor, QColor(128, 0, 0));

    auto *btnOK = new QPushButton(QStringLiteral("&OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setGeometry(40, 242, 140, 26);
    btnOK->setDefault(true);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    auto *btnPrezkouset = new QPushButton(zkouseni ? QStringLiteral("Přezkoušet ze &špatných odpovědí")
                                                   : QStringLiteral("Procvičit &špatné odpovědi"),
                                          this);
    btnPrezkouset->setObjectName(QStringLiteral("btnPrezkouset"));
    btnPrezkouset->setGeometry(200, 242, 230, 26);
    btnPrezkouset->setEnabled(stav.PocetSpatnych > 0 || stav.PocetNapoved > 0);
    connect(btnPrezkouset, &QPushButton::clicked, this, &TResult::btnPrezkousetClick);
}

QString TResult::FormCreate()
{
    switch (Beh::RozhodnoutOZaznamu(m_stav, m_zkouseni)) {
    case Beh::Zaznam::Vypnuto:
        return QStringLiteral("Nebyl vytvořen protokol - chcete-li ho vytvářet změňte nastavení");
    case Beh::Zaznam::ZeptatSe:
        if (!Dialogy::Otazka(parentWidget(), QStringLiteral("Chcete vytvořit protokol i z této opravy?")))
            return m_zkouseni ? QStringLiteral("Protokol z opravy zkoušení nebyl vytvořen")
                              : QStringLiteral("Protokol z opravy procvičování nebyl vytvořen");
        break;
    case Beh::Zaznam::Zapsat:
        break;
    }
    try {
        Vysledky::ZapsatVysledek(Beh::VysledekBehu(m_stav, m_zkouseni, Hodiny::Ted()));
    } catch (const ChybaTabulky &e) {
        Dialogy::Chyba(parentWidget(), e.Text());
        return QStringLiteral("Protokol nebyl vytvořen - výsledek nelze zapsat do souboru výsledků");
    }
    return QStringLiteral("Byl vytvořen protokol - přístupen je z menu Výsledky -> Protokol z...");
}

void TResult::btnPrezkousetClick()
{
    Beh::PripravitOpakovani(m_stav, !m_zkouseni);
    QDialog::done(Opakovat);
}

// OK, Escape and the close button alike give the user's own group back after a replay.
void TResult::done(int vysledek)
{
    if (vysledek != Opakovat) {
        if (m_stav.OpravaZVysledku)
            m_stav.ZvolenaSkupina = m_stav.PuvodniSkupina;
        m_stav.OpravaZVysledku = false;
    }
    QDialog::done(vysledek);
}
