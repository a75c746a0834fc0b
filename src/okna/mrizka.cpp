#include "okna/mrizka.h"

#include "data/tabulka.h"
#include "data/tabulkamodel.h"
#include "okna/dialogy.h"

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

namespace SeznamZaznamu {

QString Otevrit(Tabulka &tabulka, const QString &filtr)
{
    try {
        tabulka.Otevrit();
        tabulka.NastavitFiltrovani(false);
        tabulka.NastavitFiltr(filtr);
        tabulka.NastavitFiltrovani(true);
        tabulka.Prvni();
    } catch (const ChybaTabulky &e) {
        tabulka.Zavrit();
        return e.Text();
    }
    return {};
}

void Obnovit(Tabulka &tabulka, TabulkaModel &model, MrizkaTabulky &mrizka, std::initializer_list<QPushButton *> tlacitka)
{
    model.Obnovit();
    const bool zaznamy = tabulka.Otevreno() && tabulka.PocetZaznamu() > 0;
    if (zaznamy)
        mrizka.VybratRadek(tabulka.Pozice());
    for (QPushButton *b : tlacitka)
        b->setEnabled(zaznamy);
}

void SmazatVybrany(QWidget *okno, Tabulka &tabulka, MrizkaTabulky &mrizka)
{
    const int radek = mrizka.AktualniRadek();
    if (radek < 0)
        return;
    try {
        tabulka.PrejitNa(radek);
        tabulka.SmazatAktualni();
    } catch (const ChybaTabulky &e) {
        Dialogy::Chyba(okno, e.Text());
    }
}

void SmazatVse(QWidget *okno, Tabulka &tabulka)
{
    if (!Dialogy::Otazka(okno, QStringLiteral("Opravdu chcete smazat všechny záznamy?")))
        return;
    try {
        tabulka.SmazatPohled();
    } catch (const ChybaTabulky &e) {
        Dialogy::Chyba(okno, e.Text());
    }
}

} // namespace SeznamZaznamu
