#pragma once

#include <QString>

// The directories of the program, decided once at start and asked by everything else:
//   data      the question bank, the question pictures, the answer marks and the help; only read
//   uzivatel  the learner's files: config.ini and every record table; created on first need
//   moduly    the parts of the program loaded when first needed (the knowledge overview); only read
//
// Run from a directory that holds the bank and takes new files (the build's program directory, a
// copied folder, a USB stick), all are that directory, as the program has always worked. Installed,
// the executable lies in <prefix>/bin without a bank beside it: the data come from
// <prefix>/share/semaforix, the modules from the package's own <prefix>/lib/<multiarch>/semaforix,
// and the learner's files go to the user's data directory (~/.local/share/semaforix). A program
// directory that holds the bank but takes no new file (a read-only medium) keeps the data and the
// modules there and the learner's files in the user's data directory.
//
// Until the program decides, all are the working directory and names stay relative to it.
namespace Adresare {

struct Rozmisteni {
    QString data;
    QString uzivatel;
    bool prenosne = false; // the learner's files lie in the program's own directory
    QString moduly = {};   // a list of the first three leaves it to the working directory
};

// Where the installed data and modules lie, relative to the directory of the installed executable.
inline const QString InstalovanaData = QStringLiteral("../share/semaforix");
extern const QString InstalovaneModuly; // as the build installs them: "../lib/x86_64-linux-gnu/semaforix"

// The decision for a program in adresarProgramu, which may take new files or not, and the
// user's data directory.
Rozmisteni Rozhodnout(const QString &adresarProgramu, bool programLzeZapisovat, const QString &adresarUzivatele);
// Whether a new file can be created in the directory: tried for real, since permission bits do not
// tell a read-only medium, a mount without write access or access control lists. The trial file is
// removed at once.
bool LzeVytvoritSoubor(const QString &adresar);
// Decides for the running executable (its directory and QStandardPaths::AppDataLocation) and uses
// the result.
const Rozmisteni &NastavitPriStartu();

void Nastavit(const Rozmisteni &rozmisteni);
const Rozmisteni &Aktualni();

// The full path of a read-only resource given relative to the data: "otazky", "obrazky/621.jpg",
// "grafika\yes.jpg" (either separator), "Help/index.htm". An absolute path is kept.
QString Zdroj(const QString &nazev);
// The full path of a learner's file: "config.ini", "Vysledky.DB". An absolute path is kept.
QString Uzivatele(const QString &nazev);
// The absolute path of a module: "prehled.so". Absolute even before the program decides, so that
// the loader never searches the system's library path for it.
QString Modul(const QString &nazev);
// Creates the learner's directory when it is missing. False with a Czech message in *chyba (when
// given) when it cannot be created; nothing is then written anywhere else.
bool PripravitAdresarUzivatele(QString *chyba);

} // namespace Adresare
