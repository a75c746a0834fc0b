#include "app/panelpomoc.h"

#include "app/vzhled.h"
#include "kresby/znamky.h"

#include <QLabel>
#include <QPixmap>

namespace {

const RozvrzeniPomoci Navrh{{212, 19}, {212, 52}, {384, 52}, {212, 4}, false, true, true, true, true};
const RozvrzeniPomoci Prohlizeni{{284, 17}, {284, 40}, {384, 52}, {212, 4}, true, false, false, false, false};
const RozvrzeniPomoci Procvicovani = Navrh;
const RozvrzeniPomoci Zkouseni{{212, 28}, {212, 48}, {384, 48}, {212, 8}, false, true, false, true, true};

QString TextKonce(Rezim rezim)
{
    switch (rezim) {
    case Rezim::Prohlizeni: return QStringLiteral("Pro ukončení režimu prohlížení stiskněte \"Konec režimu\"");
    case Rezim::Procvicovani: return QStringLiteral("Pro ukončení režimu procvičování stiskněte \"Konec režimu\"");
    case Rezim::Zkouseni: return QStringLiteral("Pro ukončení režimu zkoušení stiskněte \"Konec režimu\"");
    case Rezim::Zadny: break;
    }
    return {};
}

} // namespace

const RozvrzeniPomoci &TPanelPomoc::Rozvrzeni(Rezim rezim)
{
    switch (rezim) {
    case Rezim::Prohlizeni: return Prohlizeni;
    case Rezim::Procvicovani: return Procvicovani;
    case Rezim::Zkouseni: return Zkouseni;
    case Rezim::Zadny: break;
    }
    return Navrh;
}

QLabel *TPanelPomoc::Popisek(const char *jmeno, const QString &text, QPoint kde)
{
    // Sized when the panel is first laid out: measuring text loads fonts, which start-up can spare.
    return Vzhled::Popisek(this, jmeno, text, QRect(kde, QSize()));
}

void TPanelPomoc::Text(QLabel *l, const QString &text)
{
    l->setText(text);
    l->adjustSize();
}

TPanelPomoc::TPanelPomoc(QWidget *rodic) : QFrame(rodic)
{
    setObjectName(QStringLiteral("pPomoc"));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);

    Popisek("lbInfo", QStringLiteral("Info:"), {10, 8});
    const std::pair<const char *, Znamky::Druh> legenda[3] = {{"imgInfoYes", Znamky::Druh::Spravne},
                                                              {"imgInfoNo", Znamky::Druh::Spatne},
                                                              {"imgInfoNic", Znamky::Druh::Opomenuta}};
    for (int i = 0; i < 3; ++i) {
        auto *img = new QLabel(this);
        img->setObjectName(QString::fromLatin1(legenda[i].first));
        img->setPixmap(QPixmap::fromImage(Znamky::Nakreslit(legenda[i].second)));
        img->setGeometry(40, 6 + 20 * i, Znamky::Velikost, Znamky::Velikost);
    }
    Popisek("lbAno", QStringLiteral("Správná odpověď"), {60, 8});
    m_lbNe = Popisek("lbNe", QStringLiteral("Špatná odpověď"), {60, 28});
    m_lbNic = Popisek("lbNic", QStringLiteral("Ignorovaná správná odpověď"), {60, 48});
    m_cara1 = Vzhled::Cara(this, "Cara1", {205, 5, 2, 60}, QFrame::VLine);
    m_cara2 = Vzhled::Cara(this, "Cara2", {514, 5, 2, 60}, QFrame::VLine);
    m_lbJakNaTo = Popisek("lbJakNaTo", QStringLiteral("Levým tlačítkem vyberte správné odpovědi a pravým potvrďte"),
                          Navrh.jakNaTo);
    m_lbKonecRezimu = Popisek("lbKonecRezimu", QString(), Navrh.konecRezimu);
    m_lbNapoveda = Popisek("lbNapoveda", QStringLiteral("Pro pomoc stiskněte \"Označ správnou odpověď\""), {212, 35});
    m_lbUzivatel = Popisek("lbUzivatel", QStringLiteral("Aktivní profil uživatele: "), Navrh.uzivatel);
    m_lbSkupina = Popisek("lbSkupina", QStringLiteral("Skupina:"), Navrh.skupina);
    m_lbCelkemOtazek = Popisek("lbCelkemOtazek", QStringLiteral("Celkem otázek:"), {520, 8});
    m_lbZbyvaOtazek = Popisek("lbZbyvaOtazek", QStringLiteral("Zbývá:"), {559, 28});
    m_lbUspesnost = Popisek("lbUspesnost", QStringLiteral("Úspěšnost: 0%"), {539, 48});
}

void TPanelPomoc::Rozvrhnout(Rezim rezim, const QString &profil, const QString &skupina)
{
    for (QLabel *l : findChildren<QLabel *>())
        if (l->pixmap().isNull())
            l->adjustSize();
    const RozvrzeniPomoci &r = Rozvrzeni(rezim);
    Text(m_lbKonecRezimu, TextKonce(rezim));
    Text(m_lbUzivatel, QStringLiteral("Aktivní profil uživatele: ") + profil);
    Text(m_lbSkupina, QStringLiteral("Skupina: ") + skupina);
    m_lbKonecRezimu->move(r.konecRezimu);
    m_lbUzivatel->move(r.uzivatelPodKoncem
                           ? r.konecRezimu.x() + (m_lbKonecRezimu->width() - m_lbUzivatel->width()) / 2
                           : r.uzivatel.x(),
                       r.uzivatel.y());
    m_lbSkupina->move(r.skupina);
    m_lbJakNaTo->move(r.jakNaTo);
    m_lbJakNaTo->setVisible(r.pokyny);
    m_lbSkupina->setVisible(r.pokyny);
    m_lbNapoveda->setVisible(r.napoveda);
    for (QWidget *w : {static_cast<QWidget *>(m_cara1), static_cast<QWidget *>(m_cara2),
                       static_cast<QWidget *>(m_lbCelkemOtazek), static_cast<QWidget *>(m_lbZbyvaOtazek),
                       static_cast<QWidget *>(m_lbUspesnost)})
        w->setVisible(r.pocitadla);
    m_lbNe->setEnabled(r.celaLegenda);
    m_lbNic->setEnabled(r.celaLegenda);
}

void TPanelPomoc::NastavitCelkem(int celkem) { Text(m_lbCelkemOtazek, QStringLiteral("Celkem otázek: %1").arg(celkem)); }

void TPanelPomoc::NastavitZbyva(int zbyva) { Text(m_lbZbyvaOtazek, QStringLiteral("Zbývá: %1").arg(zbyva)); }

void TPanelPomoc::NastavitUspesnost(int procent)
{
    Text(m_lbUspesnost, QStringLiteral("Úspěšnost: %1%").arg(procent));
}
