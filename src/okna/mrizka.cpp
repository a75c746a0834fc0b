#include "okna/mrizka.h"

#include "data/tabulka.h"
#include "data/tabulkamodel.h"
#include "okna/dialogy.h"
#include "okna/vzhled.h"

#include <QHeaderView>
#include <QPushButton>
#include <QStyledItemDelegate>

namespace {

class StredovaBunka : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *volba, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(volba, index);
        volba->displayAlignment = Qt::AlignCenter;
    }
};

} // namespace

MrizkaTabulky::MrizkaTabulky(QWidget *rodic) : QTableView(rodic)
{
    setItemDelegate(new StredovaBunka(this));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setWordWrap(false);
    // Rows are chosen with the arrows; Tab goes on to the window's buttons.
    setTabKeyNavigation(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    // The chosen row stays marked while a button has the focus.
    QPalette paleta = palette();
    for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        paleta.setColor(QPalette::Inactive, role, paleta.color(QPalette::Active, role));
    setPalette(paleta);
}

void MrizkaTabulky::NastavitSirky(const QList<int> &sirky)
{
    for (int i = 0; i < sirky.size(); ++i) {
        setColumnHidden(i, sirky[i] == 0);
        if (sirky[i] > 0)
            setColumnWidth(i, sirky[i]);
    }
}

int MrizkaTabulky::AktualniRadek() const
{
    if (!model() || model()->rowCount() == 0)
        return -1;
    return std::max(0, currentIndex().row());
}

void MrizkaTabulky::VybratRadek(int radek)
{
    if (!model() || model()->rowCount() == 0)
        return;
    radek = std::clamp(radek, 0, model()->rowCount() - 1);
    int sloupec = 0;
    while (sloupec < model()->columnCount() && isColumnHidden(sloupec))
        ++sloupec;
    setCurrentIndex(model()->index(radek, sloupec));
    selectRow(radek);
}

TSeznamZaznamu::TSeznamZaznamu(const QString &tabulka, const char *jmeno, QSize velikost, const QRect &mrizka,
                               const std::array<PopisTlacitka, 4> &tlacitka, QWidget *rodic)
    : QDialog(rodic, Vzhled::OknoDialogu), m_tabulka(tabulka)
{
    setObjectName(QString::fromLatin1(jmeno));
    setFont(Vzhled::PismoOkna());
    setFixedSize(velikost);

    m_grid = new MrizkaTabulky(this);
    m_grid->setObjectName(QStringLiteral("DBGrid1"));
    m_grid->setGeometry(mrizka);
    for (size_t i = 0; i < tlacitka.size(); ++i)
        m_tlacitka[i] = Vzhled::Tlacitko(this, tlacitka[i].jmeno, tlacitka[i].text, tlacitka[i].kde);
    m_tlacitka[OK]->setDefault(true);
    m_grid->setFocus();

    connect(m_tlacitka[OK], &QPushButton::clicked, this, &QDialog::accept);
    connect(m_tlacitka[Detail], &QPushButton::clicked, this, [this] { OtevritDetail(); });
    connect(m_tlacitka[Vymazat], &QPushButton::clicked, this, &TSeznamZaznamu::btnVymazatClick);
    connect(m_tlacitka[VymazatVse], &QPushButton::clicked, this, &TSeznamZaznamu::btnVymazatVseClick);
}

TSeznamZaznamu::~TSeznamZaznamu() = default;

void TSeznamZaznamu::Naplnit(const QList<TabulkaModel::Sloupec> &sloupce, const QList<int> &sirky, const QString &filtr)
{
    m_model = new TabulkaModel(m_tabulka, sloupce, this);
    m_grid->setModel(m_model);
    m_grid->NastavitSirky(sirky);
    try {
        m_tabulka.Otevrit();
        m_tabulka.NastavitFiltrovani(false);
        m_tabulka.NastavitFiltr(filtr);
        m_tabulka.NastavitFiltrovani(true);
        m_tabulka.Prvni();
    } catch (const ChybaTabulky &e) {
        m_tabulka.Zavrit();
        m_chyba = e.Text();
    }
    Obnovit();
}

void TSeznamZaznamu::Obnovit()
{
    m_model->Obnovit();
    const bool zaznamy = m_tabulka.Otevreno() && m_tabulka.PocetZaznamu() > 0;
    if (zaznamy)
        m_grid->VybratRadek(m_tabulka.Pozice());
    for (QPushButton *b : {m_tlacitka[Detail], m_tlacitka[Vymazat], m_tlacitka[VymazatVse]})
        b->setEnabled(zaznamy);
}

// The record of the current row goes at once, without asking.
void TSeznamZaznamu::btnVymazatClick()
{
    const int radek = m_grid->AktualniRadek();
    if (radek >= 0) {
        try {
            m_tabulka.PrejitNa(radek);
            m_tabulka.SmazatAktualni();
        } catch (const ChybaTabulky &e) {
            Dialogy::Chyba(this, e.Text());
        }
    }
    Obnovit();
}

// Only the listed records, none the list does not show.
void TSeznamZaznamu::btnVymazatVseClick()
{
    if (Dialogy::Otazka(this, QStringLiteral("Opravdu chcete smazat všechny záznamy?"))) {
        try {
            m_tabulka.SmazatPohled();
        } catch (const ChybaTabulky &e) {
            Dialogy::Chyba(this, e.Text());
        }
    }
    Obnovit();
}
