#include "data/adresare.h"

#include "data/banka.h"
#include "data/duvodsystemu.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <filesystem>
#include <system_error>

namespace Adresare {

const QString InstalovaneModuly = QStringLiteral("../" SEMAFORIX_MODULY);

namespace {

Rozmisteni &Stav()
{
    static Rozmisteni rozmisteni;
    return rozmisteni;
}

bool MaBanku(const QDir &adresar)
{
    return QFileInfo::exists(adresar.filePath(BankaOtazek::JmenoTabulky + QStringLiteral(".DB")));
}

QString Cesta(const QString &adresar, const QString &nazev)
{
    QString n = nazev;
    n.replace(u'\\', u'/');
    return adresar.isEmpty() ? n : QDir(adresar).filePath(n);
}

} // namespace

Rozmisteni Rozhodnout(const QString &adresarProgramu, bool programLzeZapisovat, const QString &adresarUzivatele)
{
    const QDir program(adresarProgramu);
    const QDir instalovana(QDir::cleanPath(program.absoluteFilePath(InstalovanaData)));
    // A program directory without a bank and without installed data stays the data directory, so
    // that the start reports the missing bank where it was looked for.
    const bool instalovano = !MaBanku(program) && MaBanku(instalovana);
    Rozmisteni r;
    r.data = instalovano ? instalovana.absolutePath() : program.absolutePath();
    r.prenosne = !instalovano && programLzeZapisovat;
    r.uzivatel = r.prenosne ? program.absolutePath() : QDir::cleanPath(adresarUzivatele);
    r.moduly = instalovano ? QDir::cleanPath(program.absoluteFilePath(InstalovaneModuly)) : program.absolutePath();
    return r;
}

bool LzeVytvoritSoubor(const QString &adresar)
{
    if (!QFileInfo(adresar).isDir())
        return false;
    QTemporaryFile zkouska(QDir(adresar).filePath(QStringLiteral(".semaforix-XXXXXX")));
    return zkouska.open();
}

const Rozmisteni &NastavitPriStartu()
{
    const QString program = QCoreApplication::applicationDirPath();
    Nastavit(Rozhodnout(program, LzeVytvoritSoubor(program),
                        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)));
    return Aktualni();
}

void Nastavit(const Rozmisteni &rozmisteni) { Stav() = rozmisteni; }

const Rozmisteni &Aktualni() { return Stav(); }

QString Zdroj(const QString &nazev) { return Cesta(Stav().data, nazev); }

QString Uzivatele(const QString &nazev) { return Cesta(Stav().uzivatel, nazev); }

QString Modul(const QString &nazev) { return QFileInfo(Cesta(Stav().moduly, nazev)).absoluteFilePath(); }

bool PripravitAdresarUzivatele(QString *chyba)
{
    const QString adresar = Stav().uzivatel;
    if (adresar.isEmpty() || QFileInfo(adresar).isDir())
        return true;
    std::error_code e;
    std::filesystem::create_directories(std::filesystem::path(QFile::encodeName(adresar).toStdString()), e);
    if (!e && QFileInfo(adresar).isDir())
        return true;
    if (chyba)
        *chyba = QStringLiteral("Složku „%1“ pro vaše nastavení a výsledky nelze vytvořit (%2). Program můžete dál "
                                "používat, ale nastavení ani výsledky se neuloží.")
                     .arg(QDir::toNativeSeparators(adresar),
                          e ? DuvodSystemu::Text(e.value()) : QStringLiteral("v cestě stojí soubor"));
    return false;
}

} // namespace Adresare
