#pragma once

#include <QDir>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>

namespace Pomocnik {

// The bytes of a file; empty when it cannot be read.
inline QByteArray Obsah(const QString &soubor)
{
    QFile f(soubor);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Writes the file whole, its directory made when missing; false when it cannot.
inline bool Zapsat(const QString &soubor, const QByteArray &obsah)
{
    QDir().mkpath(QFileInfo(soubor).path());
    QFile f(soubor);
    return f.open(QIODevice::WriteOnly) && f.write(obsah) == obsah.size();
}

// The files of a directory, the working one when none is named.
inline QStringList Soubory(const QString &adresar = QStringLiteral("."))
{
    return QDir(adresar).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

// Every file of a directory, the working one when none is named, with its bytes.
inline QMap<QString, QByteArray> Snimek(const QString &adresar = QStringLiteral("."))
{
    QMap<QString, QByteArray> soubory;
    for (const QString &jmeno : Soubory(adresar))
        soubory.insert(jmeno, Obsah(QDir(adresar).filePath(jmeno)));
    return soubory;
}

// Copies the directory z with everything under it into kam.
inline void Kopirovat(const QString &z, const QString &kam)
{
    QDir().mkpath(kam);
    for (const QFileInfo &f : QDir(z).entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (f.isDir())
            Kopirovat(f.filePath(), QDir(kam).filePath(f.fileName()));
        else
            QFile::copy(f.filePath(), QDir(kam).filePath(f.fileName()));
    }
}

// A program directory of its own for one test: a fresh temporary directory (a copy of vzor when
// given), the working directory while the object lives, removed with it.
class Adresar {
public:
    explicit Adresar(const QString &vzor = {})
    {
        if (!vzor.isEmpty())
            Kopirovat(vzor, m_dir.path());
        QDir::setCurrent(m_dir.path());
    }
    QString Cesta() const { return m_dir.path(); }
    QString Soubor(const QString &jmeno) const { return m_dir.filePath(jmeno); }

private:
    QTemporaryDir m_dir;
};

} // namespace Pomocnik
