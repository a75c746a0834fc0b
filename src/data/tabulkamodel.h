#pragma once

#include "data/tabulka.h"

#include <QAbstractTableModel>

// A grid's view of a table: chosen fields, and calculated text columns filled per record.
class TabulkaModel : public QAbstractTableModel {
    Q_OBJECT
public:
    struct Sloupec {
        QString nadpis;
        QString pole;                                  // a field of the table, or
        std::function<QString(const Zaznam &)> vypocet; // a calculated field
    };

    TabulkaModel(Tabulka &tabulka, QList<Sloupec> sloupce, QObject *rodic = nullptr);

    // Re-reads the view after the table was filtered, reopened or a record deleted.
    void Obnovit();

    int rowCount(const QModelIndex &rodic = {}) const override;
    int columnCount(const QModelIndex &rodic = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int sekce, Qt::Orientation orientace, int role) const override;

private:
    Tabulka &m_tabulka;
    QList<Sloupec> m_sloupce;
};
