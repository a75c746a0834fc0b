#include "data/tabulkamodel.h"

TabulkaModel::TabulkaModel(Tabulka &tabulka, QList<Sloupec> sloupce, QObject *rodic)
    : QAbstractTableModel(rodic), m_tabulka(tabulka), m_sloupce(std::move(sloupce))
{
}

void TabulkaModel::Obnovit()
{
    beginResetModel();
    endResetModel();
}

int TabulkaModel::rowCount(const QModelIndex &rodic) const
{
    return rodic.isValid() || !m_tabulka.Otevreno() ? 0 : m_tabulka.PocetZaznamu();
}

int TabulkaModel::columnCount(const QModelIndex &rodic) const
{
    return rodic.isValid() ? 0 : static_cast<int>(m_sloupce.size());
}

QVariant TabulkaModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount())
        return {};
    const Sloupec &s = m_sloupce[index.column()];
    // Painting must not throw; a failing read shows an empty cell.
    try {
        if (s.vypocet)
            return s.vypocet(m_tabulka.ZaznamVPohledu(index.row()));
        return m_tabulka.ZobrazitelnyText(index.row(), s.pole);
    } catch (const ChybaTabulky &) {
        return {};
    }
}

QVariant TabulkaModel::headerData(int sekce, Qt::Orientation orientace, int role) const
{
    if (role != Qt::DisplayRole || orientace != Qt::Horizontal || sekce >= m_sloupce.size())
        return {};
    return m_sloupce[sekce].nadpis;
}
