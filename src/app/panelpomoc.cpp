#include "app/panelpomoc.h"

#include "kresby/znamky.h"
#include "okna/vzhled.h"

#include <QLabel>
#include <QPixmap>

#include <algorithm>
#include <tuple>

namespace {

const RozvrzeniPomoci Navrh{{212, 19}, {212, 52}, {384, 52}, {212, 4}, false, true, true, true, true};
const RozvrzeniPomoci Prohlizeni{{284, 17}, {284, 40}, {384, 52}, {212, 4}, true, false, false, false, false};
const RozvrzeniPomoci Procvicovani = Navrh;
const RozvrzeniPomoci Zkouseni{{212, 28}, {212, 48}, {384, 48}, {212, 8}, false, true, false, true, true};
// With the reason of the question: practice closes its five lines up, an examination takes the rows
// of practice, the reason where practice tells of the hint.
const RozvrzeniPomoci ProcvicovaniSDuvodem{{212, 15}, {212, 54}, {384, 54}, {212, 2}, false, true, true, true, true,
                                           {212, 28}, {212, 41}};
const RozvrzeniPomoci ZkouseniSDuvodem{{212, 19}, {212, 52}, {384, 52}, {212, 4}, false, true, false, true, true,
                                       {212, 35}, {212, 35}};

const QPoint Cara1{205, 5}, Cara2{514, 5};
// The counters as designed: total, remaining, success.
const QPoint Celkem{520, 8}, Zbyva{559, 28}, Uspesnost{539, 48};
// Room every label keeps from its neighbours, the lines and the panel's edge; the group keeps more
// from the profile before it.
constexpr int Mezera = 4;
constexpr int MezeraSkupiny = 12;
const QString TextUzivatele = QStringLiteral("Aktivní profil uživatele: ");

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

const RozvrzeniPomoci &TPanelPomoc::Rozvrzeni(Rezim rezim, bool duvod)
{
    switch (rezim) {
    case Rezim::Prohlizeni: return Prohlizeni;
    case Rezim::Procvicovani: return duvod ? ProcvicovaniSDuvodem : Procvicovani;
    case Rezim::Zkouseni: return duvod ? ZkouseniSDuvodem : Zkouseni;
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
    m_lbAno = Popisek("lbAno", QStringLiteral("Správná odpověď"), {60, 8});
    m_lbNe = Popisek("lbNe", QStringLiteral("Špatná odpověď"), {60, 28});
    m_lbNic = Popisek("lbNic", QStringLiteral("Ignorovaná správná odpověď"), {60, 48});
    m_cara1 = Vzhled::Cara(this, "Cara1", {Cara1, QSize(2, 60)}, QFrame::VLine);
    m_cara2 = Vzhled::Cara(this, "Cara2", {Cara2, QSize(2, 60)}, QFrame::VLine);
    m_lbJakNaTo = Popisek("lbJakNaTo", QStringLiteral("Levým tlačítkem vyberte správné odpovědi a pravým potvrďte"),
                          Navrh.jakNaTo);
    m_lbKonecRezimu = Popisek("lbKonecRezimu", QString(), Navrh.konecRezimu);
    m_lbNapoveda = Popisek("lbNapoveda", QStringLiteral("Pro pomoc stiskněte \"Označ správnou odpověď\""), Navrh.mistoNapovedy);
    m_lbDuvod = Popisek("lbDuvod", QString(), Navrh.mistoNapovedy);
    Vzhled::BarvaTextu(m_lbDuvod, Qt::blue); // what the learner's memory says, apart from the instructions
    m_lbDuvod->hide();
    m_lbUzivatel = Popisek("lbUzivatel", TextUzivatele, Navrh.uzivatel);
    m_lbSkupina = Popisek("lbSkupina", QStringLiteral("Skupina:"), Navrh.skupina);
    m_lbCelkemOtazek = Popisek("lbCelkemOtazek", QStringLiteral("Celkem otázek:"), Celkem);
    m_lbZbyvaOtazek = Popisek("lbZbyvaOtazek", QStringLiteral("Zbývá:"), Zbyva);
    m_lbUspesnost = Popisek("lbUspesnost", QStringLiteral("Úspěšnost: 0%"), Uspesnost);
}

void TPanelPomoc::Rozvrhnout(Rezim rezim, const QString &profil, const QString &skupina)
{
    m_rezim = rezim;
    m_profil = profil;
    m_skupina = skupina;
    for (QLabel *l : findChildren<QLabel *>())
        if (l->pixmap().isNull())
            l->adjustSize();
    const bool duvod = !m_lbDuvod->text().isEmpty() && (rezim == Rezim::Procvicovani || rezim == Rezim::Zkouseni);
    const RozvrzeniPomoci &r = Rozvrzeni(rezim, duvod);
    m_lbDuvod->setVisible(duvod);
    Text(m_lbKonecRezimu, TextKonce(rezim));
    Text(m_lbSkupina, QStringLiteral("Skupina: ") + skupina);
    m_lbJakNaTo->setVisible(r.pokyny);
    m_lbSkupina->setVisible(r.pokyny);
    m_lbNapoveda->setVisible(r.napoveda);
    for (QWidget *w : {static_cast<QWidget *>(m_cara1), static_cast<QWidget *>(m_cara2),
                       static_cast<QWidget *>(m_lbCelkemOtazek), static_cast<QWidget *>(m_lbZbyvaOtazek),
                       static_cast<QWidget *>(m_lbUspesnost)})
        w->setVisible(r.pocitadla);
    m_lbNe->setEnabled(r.celaLegenda);
    m_lbNic->setEnabled(r.celaLegenda);
    RozvrhnoutSloupce(r);
    RozvrhnoutProfil(r, profil);
}

// The legend pushes the first line and the middle column to the right where its texts need it, the
// middle column the second line; the counters move with that line, but never past the panel's edge.
void TPanelPomoc::RozvrhnoutSloupce(const RozvrzeniPomoci &r)
{
    const int legenda = std::max({m_lbAno->geometry().right(), m_lbNe->geometry().right(), m_lbNic->geometry().right()}) + 1;
    const QPoint posun(std::max(0, legenda + Mezera - Cara1.x()), 0);
    m_cara1->move(Cara1 + posun);
    m_lbJakNaTo->move(r.jakNaTo + posun);
    m_lbKonecRezimu->move(r.konecRezimu + posun);
    m_lbNapoveda->move(r.mistoNapovedy + posun);
    m_lbDuvod->move(r.mistoDuvodu + posun);

    int stred = 0;
    for (QLabel *l : {m_lbJakNaTo, m_lbKonecRezimu, m_lbNapoveda, m_lbDuvod})
        if (l->isVisibleTo(this))
            stred = std::max(stred, l->geometry().right() + 1);
    const QPoint posun2(std::max(posun.x(), stred + Mezera - Cara2.x()), 0);
    m_cara2->move(Cara2 + posun2);

    // Placed for their widest texts: the counters change while the run goes on.
    const int pravo = contentsRect().right() + 1 - Mezera;
    const std::tuple<QLabel *, QString, QPoint> pocitadla[] = {
        {m_lbCelkemOtazek, QStringLiteral("Celkem otázek: 757"), Celkem},
        {m_lbZbyvaOtazek, QStringLiteral("Zbývá: 757"), Zbyva},
        {m_lbUspesnost, QStringLiteral("Úspěšnost: 100%"), Uspesnost}};
    for (const auto &[l, nejdelsi, navrh] : pocitadla) {
        const QString text = l->text();
        Text(l, nejdelsi);
        const int x = std::min(navrh.x() + posun2.x(), pravo - l->width());
        Text(l, text);
        l->move(x, navrh.y());
    }
}

// The profile line: beside the group, which it pushes to the right as far as the second line lets
// it, and cut where that is not enough; while browsing, centred under the end-of-mode line.
void TPanelPomoc::RozvrhnoutProfil(const RozvrzeniPomoci &r, const QString &profil)
{
    const int posun = m_lbKonecRezimu->x() - r.konecRezimu.x();
    if (r.uzivatelPodKoncem) {
        const int leva = contentsRect().left() + Mezera, pravo = contentsRect().right() + 1 - Mezera;
        Vzhled::TextSeJmenem(m_lbUzivatel, TextUzivatele, profil, pravo - leva);
        m_lbUzivatel->adjustSize();
        const int x = m_lbKonecRezimu->x() + (m_lbKonecRezimu->width() - m_lbUzivatel->width()) / 2;
        m_lbUzivatel->move(std::clamp(x, leva, pravo - m_lbUzivatel->width()), r.uzivatel.y());
        return;
    }
    const int x = r.uzivatel.x() + posun;
    const int konec = (r.pocitadla ? m_cara2->x() : contentsRect().right() + 1) - Mezera;
    Vzhled::TextSeJmenem(m_lbUzivatel, TextUzivatele, profil, konec - m_lbSkupina->width() - MezeraSkupiny - x);
    m_lbUzivatel->adjustSize();
    m_lbUzivatel->move(x, r.uzivatel.y());
    m_lbSkupina->move(std::max(r.skupina.x() + posun, m_lbUzivatel->geometry().right() + 1 + MezeraSkupiny), r.skupina.y());
}

// The line comes with the first reason and goes with the last: the others make room for it.
void TPanelPomoc::NastavitDuvod(const QString &duvod)
{
    const bool predtim = !m_lbDuvod->text().isEmpty();
    Text(m_lbDuvod, duvod);
    if (predtim != !duvod.isEmpty())
        Rozvrhnout(m_rezim, m_profil, m_skupina);
}

void TPanelPomoc::NastavitCelkem(int celkem) { Text(m_lbCelkemOtazek, QStringLiteral("Celkem otázek: %1").arg(celkem)); }

void TPanelPomoc::NastavitZbyva(int zbyva) { Text(m_lbZbyvaOtazek, QStringLiteral("Zbývá: %1").arg(zbyva)); }

void TPanelPomoc::NastavitUspesnost(int procent)
{
    Text(m_lbUspesnost, QStringLiteral("Úspěšnost: %1%").arg(procent));
}
