#pragma once

#include <QList>
#include <QTableView>

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
