#pragma once

#include "data/tabulka.h"
#include "okna/dialogy.h"

#include <QList>
#include <QTableView>

#include <initializer_list>
#include <optional>

class QPushButton;
class TabulkaModel;

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

// What the list windows of stored results share: the table filtered to what the window lists,
// the grid over it, and deleting the chosen record or every listed one.
namespace SeznamZaznamu {

// Opens the table and applies the expression filter inside the store; the store's error text,
// or empty when the list could be opened (the table is left closed after an error).
QString Otevrit(Tabulka &tabulka, const QString &filtr);
// Re-reads the grid and enables the buttons only while the list holds a record.
void Obnovit(Tabulka &tabulka, TabulkaModel &model, MrizkaTabulky &mrizka,
             std::initializer_list<QPushButton *> tlacitka);
// The record of the grid's current row as precist reads it; nothing when the grid is empty or the
// record cannot be read (the store's error is then shown).
template <typename Z>
std::optional<Z> Vybrany(QWidget *okno, Tabulka &tabulka, const MrizkaTabulky &mrizka, Z (*precist)(const Tabulka &))
{
    const int radek = mrizka.AktualniRadek();
    if (radek < 0)
        return std::nullopt;
    try {
        tabulka.PrejitNa(radek);
        return precist(tabulka);
    } catch (const ChybaTabulky &e) {
        Dialogy::Chyba(okno, e.Text());
        return std::nullopt;
    }
}
// Deletes the record of the grid's current row at once, without asking.
void SmazatVybrany(QWidget *okno, Tabulka &tabulka, MrizkaTabulky &mrizka);
// Asks, then deletes every listed record in one transaction: all or none of them go, and no
// record the list does not show is touched.
void SmazatVse(QWidget *okno, Tabulka &tabulka);

} // namespace SeznamZaznamu
