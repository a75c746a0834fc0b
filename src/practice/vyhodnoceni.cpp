#include "practice/vyhodnoceni.h"

#include "okna/vzhled.h"
#include "practice/vysledky.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace {

constexpr int Sirka = 470;
constexpr int Vyska = 276;
constexpr int Leva = 24;

QString TextProtokolu(TResult::Protokol protokol, DruhBehu druh)
{
    switch (protokol) {
    case TResult::Protokol::Zapsan: return QStringLiteral("Byl vytvořen protokol - přístupen je z menu Výsledky -> Protokol z...");
    case TResult::Protokol::Vypnuto: return QStringLiteral("Nebyl vytvořen protokol - chcete-li ho vytvářet změňte nastavení");
    case TResult::Protokol::Odmitnut:
        return druh == DruhBehu::Zkouseni ? QStringLiteral("Protokol z opravy zkoušení nebyl vytvořen")
                                          : QStringLiteral("Protokol z opravy procvičování nebyl vytvořen");
    case TResult::Protokol::Chyba: break;
    }
    return QStringLiteral("Protokol nebyl vytvořen - výsledek nelze zapsat do souboru výsledků");
}

} // namespace

TResult::TResult(const ZaznamVysledku &z, DruhBehu druh, Protokol protokol, QWidget *rodic)
    : QDialog(rodic, Vzhled::OknoDialogu)
{
    const bool zkouseni = druh == DruhBehu::Zkouseni;
    setObjectName(QStringLiteral("Result"));
    setWindowTitle(QStringLiteral("Vyhodnocení programu Semaforix"));
    setFixedSize(Sirka, Vyska);

    // The figures stand in columns of a fixed-pitch font.
    QFont pevne = Vzhled::PismoProtokolu();
    pevne.setPointSize(10);
    QFont tucne = pevne;
    tucne.setBold(true);
    QFont nadpis = tucne;
    nadpis.setUnderline(true);
    nadpis.setPointSize(12);

    auto *lbTyp = Vzhled::Popisek(this, "lbTyp", zkouseni ? QStringLiteral("Vyhodnocení zkoušení") : QStringLiteral("Vyhodnocení procvičování"),
                                  {Leva, 10}, nadpis);
    lbTyp->move((Sirka - lbTyp->width()) / 2, 10);
    Vzhled::BarvaTextu(lbTyp, Vzhled::Zelena);
    Vzhled::BarvaTextu(Vzhled::Popisek(this, "lbUzivatel", QStringLiteral("Uživatel: ") + z.Profil, {Leva, 40}, tucne), Qt::blue);
    Vzhled::Popisek(this, "lbSkupina", QStringLiteral("Skupina: ") + z.Skupina, {Leva, 60}, pevne);
    Vzhled::Cara(this, "Bevel1", {12, 82, Sirka - 24, 2});

    // An examination has no hint line; its three figures stand lower, in the middle of the frame.
    Vzhled::Popisek(this, "lbPocet", QStringLiteral("Počet otázek: %1").arg(z.PocetOtazek), {Leva, zkouseni ? 98 : 87}, pevne);
    Vzhled::Popisek(this, "lbSpravne", QStringLiteral("Správných odpovědí: %1").arg(z.Spravnych()), {Leva, zkouseni ? 119 : 108}, pevne);
    Vzhled::Popisek(this, "lbSpatne", QStringLiteral("Špatných odpovědí: %1").arg(z.Spatne), {Leva, zkouseni ? 141 : 130}, pevne);
    Vzhled::Popisek(this, "lbSNapovedou", QStringLiteral("Použití nápovědy: %1").arg(z.SNapovedou), {Leva, 152}, pevne)
        ->setVisible(!zkouseni);

    Vzhled::Cara(this, "Bevel2", {12, 176, Sirka - 24, 2});
    Vzhled::BarvaTextu(Vzhled::Popisek(this, "lbUspesnost", QStringLiteral("Úspěšnost: %1%").arg(z.Uspesnost), {Leva, 186}, tucne),
                       Qt::blue);
    auto *lbSoubor = Vzhled::Popisek(this, "lbSoubor", TextProtokolu(protokol, druh), QRect(12, 208, Sirka - 24, 30));
    lbSoubor->setWordWrap(true);
    Vzhled::BarvaTextu(lbSoubor, QColor(128, 0, 0));

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
    btnPrezkouset->setEnabled(z.Spatne > 0 || z.SNapovedou > 0);
    connect(btnPrezkouset, &QPushButton::clicked, this, [this] { done(Opakovat); });
}
