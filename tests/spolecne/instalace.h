#pragma once

// The program laid out as a Debian package installs it, in a temporary root: the executable's
// directory without a bank, the data under share/semaforix, a home whose data directory does not
// exist yet, and a working directory that belongs to neither. Destroyed, it leaves the program's
// directories undecided again.
#include "data/adresare.h"

#include <QDir>
#include <QDirIterator>
#include <QStringList>
#include <QTemporaryDir>

namespace Pomocnik {

class Instalace {
public:
    Instalace()
    {
        for (const QString &d : {Program(), Data(), Jinde()})
            QDir().mkpath(d);
        QDir::setCurrent(Jinde());
    }
    ~Instalace() { Adresare::Nastavit({}); }
    Instalace(const Instalace &) = delete;
    Instalace &operator=(const Instalace &) = delete;

    QString Cesta(const QString &relativni) const { return m_koren.filePath(relativni); }
    QString Program() const { return Cesta(QStringLiteral("usr/bin")); }
    QString Data() const { return Cesta(QStringLiteral("usr/share/semaforix")); }
    QString Uzivatel() const { return Cesta(QStringLiteral("domov/.local/share/semaforix")); }
    QString Jinde() const { return Cesta(QStringLiteral("jinde")); }

    // Decides as the program would at start, or with a learner's directory of the test's choice.
    void Pouzit() { Adresare::Nastavit(Adresare::Rozhodnout(Program(), true, Uzivatel())); }
    void Pouzit(const QString &uzivatel) { Adresare::Nastavit({Data(), uzivatel, false}); }

    // Every file under the root, relative to it: what a step wrote shows as a difference.
    QStringList Soubory() const
    {
        QStringList soubory;
        QDirIterator i(m_koren.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (i.hasNext())
            soubory << QDir(m_koren.path()).relativeFilePath(i.next());
        soubory.sort();
        return soubory;
    }
    // The files added since pred was taken.
    QStringList Pribylo(const QStringList &pred) const
    {
        QStringList nove = Soubory();
        for (const QString &s : pred)
            nove.removeOne(s);
        return nove;
    }

private:
    QTemporaryDir m_koren;
};

} // namespace Pomocnik
