#include "uceni/grafyprehledu.h"

#include <QAreaSeries>
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QDateEdit>
#include <QDateTimeAxis>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHorizontalBarSeries>
#include <QHorizontalStackedBarSeries>
#include <QLabel>
#include <QLegend>
#include <QLineSeries>
#include <QLocale>
#include <QTableWidget>
#include <QValueAxis>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

using namespace PrehledZnalosti;

namespace {

const std::array<QString, 7> Dny{QStringLiteral("po"), QStringLiteral("út"), QStringLiteral("st"), QStringLiteral("čt"),
                                 QStringLiteral("pá"), QStringLiteral("so"), QStringLiteral("ne")};
const QColor Seda(176, 176, 176), Oranzova(232, 163, 61), Zelena(76, 175, 80), Modra(43, 87, 133), Cervena(200, 60, 50);

QString Datum(const QDate &d) { return d.toString(QStringLiteral("d. M. yyyy")); }
QString Desetinne(double x) { return QLocale(QLocale::Czech).toString(x, 'f', 1); }

// A chart without animation, titled by its section; its description sums it up for a screen reader.
QChartView *Graf(QWidget *rodic, const char *jmeno, QChart *graf)
{
    graf->setAnimationOptions(QChart::NoAnimation);
    graf->setBackgroundRoundness(0);
    graf->setMargins(QMargins(2, 2, 2, 2));
    graf->legend()->setAlignment(Qt::AlignBottom);
    auto *pohled = new QChartView(graf, rodic);
    pohled->setObjectName(QString::fromLatin1(jmeno));
    pohled->setRenderHint(QPainter::Antialiasing);
    pohled->setMinimumHeight(190);
    return pohled;
}

// A read-only table of texts, numbers aligned right, tall enough for viditelnych rows.
QTableWidget *TabulkaTextu(QWidget *rodic, const char *jmeno, const QStringList &hlavicka, const QList<QStringList> &radky,
                      int viditelnych)
{
    auto *t = new QTableWidget(static_cast<int>(radky.size()), static_cast<int>(hlavicka.size()), rodic);
    t->setObjectName(QString::fromLatin1(jmeno));
    t->setHorizontalHeaderLabels(hlavicka);
    t->verticalHeader()->hide();
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setAlternatingRowColors(true);
    for (int r = 0; r < radky.size(); ++r) {
        for (int s = 0; s < radky[r].size(); ++s) {
            auto *polozka = new QTableWidgetItem(radky[r][s]);
            if (s > 0 && hlavicka[s] != QStringLiteral("Po dnech"))
                polozka->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            t->setItem(r, s, polozka);
        }
    }
    const int radek = t->fontMetrics().height() + 6;
    t->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    t->verticalHeader()->setDefaultSectionSize(radek);
    t->resizeColumnsToContents();
    t->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    t->setFixedHeight(t->horizontalHeader()->sizeHint().height() + radek * std::min<int>(viditelnych, std::max<int>(1, radky.size()))
                      + 2 * t->frameWidth());
    return t;
}

QBarSet *Sada(const QString &nazev, const QColor &barva)
{
    auto *s = new QBarSet(nazev);
    s->setColor(barva);
    s->setBorderColor(barva);
    return s;
}

// The categories' short names, the first at the top of a horizontal chart (whose first is at the bottom).
QBarCategoryAxis *OsaKategorii(const QList<QString> &kratkeNazvy)
{
    auto *osa = new QBarCategoryAxis;
    for (qsizetype k = kratkeNazvy.size(); k-- > 0;)
        osa->append(kratkeNazvy[k]);
    osa->setTruncateLabels(false);
    return osa;
}

QValueAxis *OsaHodnot(double nejvice, const QString &format)
{
    auto *osa = new QValueAxis;
    osa->setRange(0, std::max(1.0, nejvice));
    osa->applyNiceNumbers();
    osa->setLabelFormat(format);
    osa->setTruncateLabels(false);
    return osa;
}

void PripojitOsy(QChart *graf, QAbstractSeries *serie, QAbstractAxis *svisla, QAbstractAxis *vodorovna)
{
    graf->addAxis(svisla, Qt::AlignLeft);
    graf->addAxis(vodorovna, Qt::AlignBottom);
    serie->attachAxis(svisla);
    serie->attachAxis(vodorovna);
}

} // namespace

QString PocetSlovy(int pocet, const QString &jeden, const QString &dva, const QString &pet)
{
    return QStringLiteral("%1 %2").arg(pocet).arg(pocet == 1 ? jeden : pocet >= 2 && pocet <= 4 ? dva : pet);
}

QLabel *PopisekPrehledu(QWidget *rodic, const char *jmeno, const QString &text)
{
    auto *l = new QLabel(text, rodic);
    l->setObjectName(QString::fromLatin1(jmeno));
    l->setWordWrap(true);
    return l;
}

TZnalostKategorii::TZnalostKategorii(const QList<ZnalostKategorie> &znalost, QWidget *rodic)
    : QGroupBox(QStringLiteral("Znalost otázek podle kategorií"), rodic)
{
    setObjectName(QStringLiteral("gbKategorie"));
    auto *nikdy = Sada(QStringLiteral("Neodpovězeno"), Seda);
    auto *uciSe = Sada(QStringLiteral("Učím se"), Oranzova);
    auto *umi = Sada(QStringLiteral("Umím"), Zelena);
    QList<QStringList> radky;
    QList<QString> kratkeNazvy;
    ZnalostKategorie celkem;
    int nejvice = 0;
    for (qsizetype k = znalost.size(); k-- > 0;) {
        const ZnalostKategorie &z = znalost[k];
        *nikdy << z.nikdy;
        *uciSe << z.uciSe;
        *umi << z.umi;
        nejvice = std::max(nejvice, z.Celkem());
    }
    for (const ZnalostKategorie &z : znalost) {
        kratkeNazvy << z.kratkyNazev;
        radky.append({z.nazev, QString::number(z.nikdy), QString::number(z.uciSe), QString::number(z.umi),
                      QString::number(z.Celkem())});
        celkem.nikdy += z.nikdy;
        celkem.uciSe += z.uciSe;
        celkem.umi += z.umi;
    }
    radky.append({QStringLiteral("Celkem"), QString::number(celkem.nikdy), QString::number(celkem.uciSe),
                  QString::number(celkem.umi), QString::number(celkem.Celkem())});

    auto *serie = new QHorizontalStackedBarSeries;
    serie->append({nikdy, uciSe, umi});
    auto *graf = new QChart;
    graf->addSeries(serie);
    PripojitOsy(graf, serie, OsaKategorii(kratkeNazvy), OsaHodnot(nejvice, QStringLiteral("%d")));
    QChartView *pohled = Graf(this, "grfKategorie", graf);
    pohled->setMinimumHeight(250); // room for all seven names
    pohled->setAccessibleName(title());
    pohled->setAccessibleDescription(QStringLiteral("Otázek neodpovězených %1, učím se %2, umím %3; po kategoriích v tabulce.")
                                         .arg(celkem.nikdy)
                                         .arg(celkem.uciSe)
                                         .arg(celkem.umi));

    auto *rozlozeni = new QVBoxLayout(this);
    rozlozeni->addWidget(pohled, 1);
    rozlozeni->addWidget(TabulkaTextu(this, "tblKategorie",
                                 {QStringLiteral("Kategorie"), QStringLiteral("Neodpovězeno"), QStringLiteral("Učím se"),
                                  QStringLiteral("Umím"), QStringLiteral("Celkem")},
                                 radky, static_cast<int>(radky.size())));
    rozlozeni->addWidget(PopisekPrehledu(this, "lbKategorieVysvetleni",
                                         QStringLiteral("Umíte otázku, na kterou jste naposledy odpověděli správně a kterou si podle "
                                                        "vašich odpovědí vybavíte alespoň s 90% jistotou.")));
}

TPrubehUceni::TPrubehUceni(const Prubeh &prubeh, QWidget *rodic)
    : QGroupBox(QStringLiteral("Pokrok v čase"), rodic)
{
    setObjectName(QStringLiteral("gbPrubeh"));
    auto *rozlozeni = new QVBoxLayout(this);
    auto *lbPrubeh = PopisekPrehledu(this, "lbPrubeh");
    if (prubeh.dny.isEmpty()) {
        lbPrubeh->setText(QStringLiteral("Pokrok se ukáže po vašich prvních odpovědích."));
        rozlozeni->addWidget(lbPrubeh);
        rozlozeni->addStretch();
        return;
    }
    const QDate od = prubeh.dny.first().datum, dnes = prubeh.dny.last().datum;
    lbPrubeh->setText(QStringLiteral("Od %1 do %2: %3, z toho správných %4 %.")
                          .arg(Datum(od), Datum(dnes),
                               PocetSlovy(prubeh.odpovedi, QStringLiteral("odpověď"), QStringLiteral("odpovědi"),
                                          QStringLiteral("odpovědí")))
                          .arg(prubeh.procent));

    auto *denniCara = new QLineSeries;
    int nejvice = 0;
    for (const Den &d : prubeh.dny) {
        denniCara->append(static_cast<qreal>(QDateTime(d.datum, QTime(12, 0)).toMSecsSinceEpoch()), d.odpovedi);
        nejvice = std::max(nejvice, d.odpovedi);
    }
    auto *tydenni = new QLineSeries;
    tydenni->setName(QStringLiteral("Správně za týden (%)"));
    tydenni->setColor(Zelena);
    tydenni->setPointsVisible(true);
    tydenni->setMarkerSize(7);
    QPen cara = tydenni->pen();
    cara.setWidth(2);
    tydenni->setPen(cara);
    QList<QStringList> radky;
    for (const Tyden &t : prubeh.tydny) {
        QStringList poDnech;
        for (const Den &d : prubeh.dny)
            if (d.datum >= t.od && d.datum <= t.doDne)
                poDnech << Dny[static_cast<size_t>(d.datum.dayOfWeek() - 1)] + u' ' + QString::number(d.odpovedi);
        const bool odpovidal = t.odpovedi > 0;
        if (odpovidal)
            tydenni->append(static_cast<qreal>(QDateTime(t.od.addDays(t.od.daysTo(t.doDne) / 2), QTime(12, 0)).toMSecsSinceEpoch()),
                            100.0 * t.spravne / t.odpovedi);
        // The latest week first: what a learner looks for.
        radky.prepend({Datum(t.od) + QStringLiteral(" – ") + Datum(t.doDne), QString::number(t.odpovedi),
                       odpovidal ? QStringLiteral("%1 %").arg(t.procent) : QStringLiteral("–"),
                       poDnech.join(QStringLiteral(", "))});
    }

    // The answers of each day as a filled area under their line.
    auto *denni = new QAreaSeries(denniCara);
    denni->setName(QStringLiteral("Odpovědi za den"));
    denni->setColor(QColor(Modra.red(), Modra.green(), Modra.blue(), 110));
    denni->setBorderColor(Modra);
    auto *graf = new QChart;
    graf->addSeries(denni);
    graf->addSeries(tydenni);
    auto *osaDnu = new QDateTimeAxis;
    osaDnu->setFormat(QStringLiteral("d. M."));
    // Each day's point stands at its noon; the axis runs from the first day's to today's.
    osaDnu->setRange(QDateTime(std::min(od, dnes.addDays(-1)), QTime(12, 0)), QDateTime(dnes, QTime(12, 0)));
    osaDnu->setTickCount(static_cast<int>(std::min<qsizetype>(7, prubeh.dny.size() + 1)));
    PripojitOsy(graf, denni, OsaHodnot(nejvice * 1.1, QStringLiteral("%d")), osaDnu);
    QValueAxis *osaPodilu = OsaHodnot(100, QStringLiteral("%d %"));
    graf->addAxis(osaPodilu, Qt::AlignRight);
    tydenni->attachAxis(osaDnu);
    tydenni->attachAxis(osaPodilu);
    QChartView *pohled = Graf(this, "grfPrubeh", graf);
    pohled->setAccessibleName(title());
    pohled->setAccessibleDescription(lbPrubeh->text());

    rozlozeni->addWidget(pohled, 1);
    rozlozeni->addWidget(lbPrubeh);
    rozlozeni->addWidget(TabulkaTextu(this, "tblPrubeh",
                                 {QStringLiteral("Týden"), QStringLiteral("Odpovědí"), QStringLiteral("Správně"),
                                  QStringLiteral("Po dnech")},
                                 radky, 5));
}

TPripravenost::TPripravenost(const UdajePrehledu &udaje, ObsluhaPrehledu &obsluha, QWidget *rodic)
    : QGroupBox(QStringLiteral("Připravenost na test na body"), rodic), m_obsluha(obsluha)
{
    for (const ZnalostKategorie &z : udaje.kategorie) {
        m_nazvy << z.nazev;
        m_kratkeNazvy << z.kratkyNazev;
    }
    setObjectName(QStringLiteral("gbPripravenost"));
    auto *lbDenZkousky = PopisekPrehledu(this, "lbDenZkousky", QStringLiteral("Den zkoušky:"));
    lbDenZkousky->setWordWrap(false);
    m_eDenZkousky = new QDateEdit(this);
    m_eDenZkousky->setObjectName(QStringLiteral("eDenZkousky"));
    m_eDenZkousky->setAccessibleName(QStringLiteral("Den zkoušky:"));
    m_eDenZkousky->setDisplayFormat(QStringLiteral("d. M. yyyy"));
    m_eDenZkousky->setCalendarPopup(true);
    // The estimate looks forward: recall decays towards the exam, never back to a past day.
    m_eDenZkousky->setDateRange(udaje.dnes, udaje.nejpozdejsiDen);
    m_eDenZkousky->setDate(std::max(udaje.denZkousky, udaje.dnes));
    lbDenZkousky->setBuddy(m_eDenZkousky);

    m_lbOdhad = PopisekPrehledu(this, "lbOdhad");
    QFont tucne = m_lbOdhad->font();
    tucne.setBold(true);
    tucne.setPointSize(tucne.pointSize() + 2);
    m_lbOdhad->setFont(tucne);
    m_lbBody = PopisekPrehledu(this, "lbBody");
    m_lbNejviceZtracite = PopisekPrehledu(this, "lbNejviceZtracite");
    m_lbZtraty = PopisekPrehledu(this, "lbZtraty");

    auto *ztraty = Sada(QStringLiteral("Průměrně ztracené body z testu"), Cervena);
    for (qsizetype k = 0; k < m_kratkeNazvy.size(); ++k)
        *ztraty << 0;
    auto *serie = new QHorizontalBarSeries;
    serie->append(ztraty);
    auto *graf = new QChart;
    graf->addSeries(serie);
    PripojitOsy(graf, serie, OsaKategorii(m_kratkeNazvy), OsaHodnot(1, QStringLiteral("%.1f")));
    graf->legend()->hide(); // one set, named by the section and the label below
    m_grfZtraty = Graf(this, "grfZtraty", graf);
    m_grfZtraty->setMinimumHeight(220);
    m_grfZtraty->setAccessibleName(QStringLiteral("Průměrně ztracené body z testu podle kategorií"));

    auto *radekDne = new QHBoxLayout;
    radekDne->addWidget(lbDenZkousky);
    radekDne->addWidget(m_eDenZkousky);
    radekDne->addStretch();
    auto *rozlozeni = new QVBoxLayout(this);
    rozlozeni->addLayout(radekDne);
    rozlozeni->addWidget(m_lbOdhad);
    rozlozeni->addWidget(m_lbBody);
    rozlozeni->addWidget(m_lbNejviceZtracite);
    rozlozeni->addWidget(m_grfZtraty, 1);
    rozlozeni->addWidget(m_lbZtraty);
    rozlozeni->addWidget(PopisekPrehledu(this, "lbOdhadVysvetleni",
                                         QStringLiteral("Odhad počítá %1 testů sestavených jako u zkoušky z vašich dosavadních "
                                                        "odpovědí. Je to odhad, ne slib: zkouška vybere jiné otázky a den zkoušky "
                                                        "může dopadnout jinak.")
                                             .arg(QLocale(QLocale::Czech).toString(udaje.testuOdhadu))));

    connect(m_eDenZkousky, &QDateEdit::dateChanged, this, &TPripravenost::Odhadnout);
    Odhadnout();
}

QDate TPripravenost::DenZkousky() const { return m_eDenZkousky->date(); }

void TPripravenost::Odhadnout()
{
    const Pripravenost odhad = m_obsluha.Odhadnout(DenZkousky());
    const bool je = odhad.proc.isEmpty();
    for (QWidget *w : {static_cast<QWidget *>(m_lbBody), static_cast<QWidget *>(m_lbNejviceZtracite),
                       static_cast<QWidget *>(m_lbZtraty), static_cast<QWidget *>(m_grfZtraty)})
        w->setVisible(je);
    if (!je) {
        m_lbOdhad->setText(odhad.proc);
        return;
    }
    m_lbOdhad->setText(QStringLiteral("Odhad pravděpodobnosti, že byste složil(a) test na body: ") + odhad.pravdepodobnost);
    m_lbBody->setText(QStringLiteral("Očekávaný počet bodů: %1 z %2 (k úspěchu je třeba alespoň %3).")
                          .arg(Desetinne(odhad.ocekavaneBody))
                          .arg(odhad.maxBodu)
                          .arg(odhad.minimum));
    const int k = odhad.nejviceZtraci;
    m_lbNejviceZtracite->setText(
        k ? QStringLiteral("Nejvíce bodů ztrácíte v kategorii „%1“: průměrně %2 bodu z testu.")
                .arg(m_nazvy.value(k - 1), Desetinne(odhad.ztraceneBody.value(k - 1)))
          : QStringLiteral("V žádné kategorii body neztrácíte."));

    QStringList ztraty;
    auto *serie = static_cast<QHorizontalBarSeries *>(m_grfZtraty->chart()->series().constFirst());
    QBarSet *sada = serie->barSets().constFirst();
    double nejvice = 0;
    const qsizetype pocet = std::min(odhad.ztraceneBody.size(), m_kratkeNazvy.size());
    for (qsizetype i = 0; i < pocet; ++i) {
        const double z = odhad.ztraceneBody[i];
        sada->replace(static_cast<int>(m_kratkeNazvy.size() - 1 - i), z);
        nejvice = std::max(nejvice, z);
        ztraty << m_kratkeNazvy[i] + u' ' + Desetinne(z);
    }
    static_cast<QValueAxis *>(m_grfZtraty->chart()->axes(Qt::Horizontal).constFirst())->setRange(0, std::max(1.0, std::ceil(nejvice)));
    m_lbZtraty->setText(QStringLiteral("Průměrně ztracené body z testu podle kategorií: ") + ztraty.join(QStringLiteral("; "))
                        + u'.');
    m_grfZtraty->setAccessibleDescription(m_lbZtraty->text());
}
