#include "data/duvodsystemu.h"

#include <QList>

#include <cerrno>
#include <cstring>
#include <utility>

namespace DuvodSystemu {

namespace {

const QList<std::pair<int, QString>> &Ceske()
{
    static const QList<std::pair<int, QString>> ceske{
        {EACCES, QStringLiteral("nemáte oprávnění")},
        {EPERM, QStringLiteral("nemáte oprávnění")},
        {ENOSPC, QStringLiteral("na disku není dost místa")},
        {EDQUOT, QStringLiteral("na disku není dost místa")},
        {EROFS, QStringLiteral("médium je jen pro čtení")},
        {ENOENT, QStringLiteral("složka nebo soubor neexistuje")},
        {ENOTDIR, QStringLiteral("složka neexistuje, v cestě stojí soubor")},
    };
    return ceske;
}

} // namespace

QString Text(int cislo)
{
    for (const auto &[kod, text] : Ceske())
        if (kod == cislo)
            return text;
    return qt_error_string(cislo);
}

QString Text(const QString &textSystemu)
{
    QString text = textSystemu;
    for (const auto &[kod, cesky] : Ceske()) {
        // Qt words some reasons itself; the rest, and std::error_code and the loader, use the C library's.
        for (const QString &anglicky : {qt_error_string(kod), QString::fromLocal8Bit(std::strerror(kod))})
            if (!anglicky.isEmpty())
                text.replace(anglicky, cesky, Qt::CaseInsensitive);
    }
    return text;
}

} // namespace DuvodSystemu
