#pragma once

#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

// Builds the question bank from its sources in data/otazky: checks every rule of the source
// contract, then writes otazky.DB/.MB, the question pictures and the answer marks.
namespace Banka {

struct OtazkaZdroje {
    QString soubor; // source file name, for messages
    int cislo = 0;
    QString otazka, a, b, c, d, spravne, skupina, poznamka;
    QString znacka;         // road sign code of a category 6 picture
    QJsonObject krizovatka; // scene of a category 7 picture
    bool maZnacku = false, maKrizovatku = false;
};

struct Kontrola {
    QStringList chyby;      // "file: otázka N: rule broken"
    QList<int> chybejici;   // numbers not yet written (not an error while the bank is incomplete)
    bool Uspech() const { return chyby.isEmpty(); }
};

inline constexpr int PocetZaznamu = 729;
bool Vyrazena(int cislo);

// Reads every <k>-<name>.json of the directory; form errors go to kontrola.chyby.
QList<OtazkaZdroje> NacistZdroje(const QString &adresar, Kontrola &kontrola);

// The contract over all questions read. The count and the points-test coverage are checked
// only once no number is missing.
void Zkontrolovat(const QList<OtazkaZdroje> &otazky, Kontrola &kontrola);

// Writes the bank into the program directory; throws ChybaTabulky or returns a message on failure.
QString Zapsat(const QList<OtazkaZdroje> &otazky, const QString &cil);

// "1-420, 621-757"
QString Rozsahy(const QList<int> &cisla);

} // namespace Banka
