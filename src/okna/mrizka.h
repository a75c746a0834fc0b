#pragma once

#include "data/tabulka.h"
#include "data/tabulkamodel.h"
#include "okna/dialogy.h"

#include <QDialog>
#include <QList>
#include <QTableView>

#include <array>
#include <optional>

class QPushButton;

// The grid of the list windows over a table view: read-only, whole rows selected and the selection
// shown even without focus, every cell and title centred, fixed column widths. It offers no
// keyboard deletion of its own: records are deleted only through the window's buttons.
class MrizkaTabulky : public QTableView {
    Q_OBJECT
public:
    explicit MrizkaTabulky(QWidget *rodic = nullptr);

    // Widths of the model's columns in order; a width of 0 hides the column (a field loaded but
    // not shown).
    void NastavitSirky(const QList<int> &sirky);
    // The row of the current record, or -1 when the grid is empty.
    int AktualniRadek() const;
    // Makes the row current and selected, the last one when the grid has fewer rows.
    void VybratRadek(int radek);
};

// What the list windows of stored records share: a window of fixed size over the table, filtered to
// the records it lists, the grid over it ("DBGrid1"), OK (the default button) and three buttons
// acting on the records: the chosen one's detail, deleting it at once, and deleting every listed one
// after a question, all or none in one transaction. They are enabled only while the list shows a
// record. A list window gives the places and texts, its columns and filter, the Tab order, and opens
// the detail.
class TSeznamZaznamu : public QDialog {
    Q_OBJECT
public:
    ~TSeznamZaznamu() override;

    // The table store's message when the records could not be opened; the window then stays empty.
    QString Chyba() const { return m_chyba; }

protected:
    enum Tlacitko { OK, Detail, Vymazat, VymazatVse };
    // A button's control name, caption and place.
    struct PopisTlacitka {
        const char *jmeno;
        QString text;
        QRect kde;
    };

    // The buttons described in the order of Tlacitko.
    TSeznamZaznamu(const QString &tabulka, const char *jmeno, QSize velikost, const QRect &mrizka,
                   const std::array<PopisTlacitka, 4> &tlacitka, QWidget *rodic);

    // Shows the columns at their widths (0: loaded, not shown) and the records that the expression
    // filter selects, the filter running inside the store.
    void Naplnit(const QList<TabulkaModel::Sloupec> &sloupce, const QList<int> &sirky, const QString &filtr);
    // The chosen record as precist reads it; nothing when the list is empty or the record cannot be
    // read (the store's error is then shown).
    template <typename Z>
    std::optional<Z> Vybrany(Z (*precist)(const Tabulka &))
    {
        const int radek = m_grid->AktualniRadek();
        if (radek < 0)
            return std::nullopt;
        try {
            m_tabulka.PrejitNa(radek);
            return precist(m_tabulka);
        } catch (const ChybaTabulky &e) {
            Dialogy::Chyba(this, e.Text());
            return std::nullopt;
        }
    }
    // The detail button: the chosen record's detail.
    virtual void OtevritDetail() = 0;

    MrizkaTabulky *m_grid;
    std::array<QPushButton *, 4> m_tlacitka{};

private:
    // After the view changed: the grid re-read, the table's current record selected, the buttons
    // enabled while a record is shown.
    void Obnovit();
    void btnVymazatClick();
    void btnVymazatVseClick();

    Tabulka m_tabulka;
    TabulkaModel *m_model = nullptr;
    QString m_chyba;
};
