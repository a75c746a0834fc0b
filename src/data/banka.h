#pragma once

#include "data/kategorie.h"
#include "data/okruhy.h"
#include "data/tabulka.h"

#include <QList>
#include <QString>

#include <array>

// Licence groups. A question suits the chosen group when the group's letters occur together in
// its Skupina field: "A" for AM, A1 and A, "B" for B1 and B, "C", "D", and "ABCD" for T.
namespace Skupiny {

inline const std::array<QString, 8> Vsechny{QStringLiteral("AM"), QStringLiteral("A1"), QStringLiteral("A"),
                                            QStringLiteral("B1"), QStringLiteral("B"),  QStringLiteral("C"),
                                            QStringLiteral("D"),  QStringLiteral("T")};

// "ABCD" for group T, otherwise the group's first character.
QString PismenaSkupiny(const QString &skupina);
// The rule of counting and of the points test: the letters stand together in skupinaOtazky.
bool OtazkaProSkupinu(const QString &skupinaOtazky, const QString &skupina);
// The rule of choosing a run's questions: one letter occurs, or for T the field is exactly "ABCD".
// With fields of ascending letters both rules accept the same questions.
bool OtazkaProSkupinuPriVyberu(const QString &skupinaOtazky, const QString &skupina);

} // namespace Skupiny

// One question of the bank with all its fields.
struct OtazkaBanky {
    int cislo = 0;
    QString otazka;
    std::array<QString, 4> odpovedi; // a) to d)
    QString spravne;                 // letters of the right answers, "AC"
    QString skupina;                 // group letters, "ABCD"
    QString obrazek;                 // picture path relative to the data directory, or empty
    QString poznamka;
    std::optional<Okruhy::Okruh> okruh; // nothing in a bank built before questions had topics
    // The description of a crossroad question's scene (the source's "krizovatka" object as JSON
    // text), from which its picture was drawn; empty for other questions and in a bank built
    // before scenes were stored.
    QString krizovatka;
};

// Every question picture has a large version for looking at it closely, drawn at build time from
// the same description three times larger, under the same name in the folder "velke" beside it.
namespace ObrazkyOtazek {

inline constexpr int Zvetseni = 3;
// "obrazky\621.jpg" or "obrazky/621.jpg" -> "obrazky/velke/621.jpg"
QString VelkaVerze(const QString &obrazek);

} // namespace ObrazkyOtazek

// The question bank "otazky", read only. Opened once, it keeps an index of every question by its
// number with the short fields in memory; the texts are read from the table when a question is shown.
class BankaOtazek {
public:
    // Field names and positions of the bank's records.
    // Okruh (the topic's code) and Odpovedi (how many answers are not empty, 3 or 4) are short
    // fields after the note, so the index knows them without reading the answers' texts.
    // Krizovatka, a memo, holds a crossroad question's scene, read with the question's texts.
    enum Pole { Cislo, Otazka, A, B, C, D, Spravne, Skupina, Obrazek, Poznamka, Okruh, Odpovedi, Krizovatka, PocetPoli };
    static QList<DefinicePole> PoleTabulky();
    static QString JmenoPole(Pole pole);
    static inline const QString JmenoTabulky = QStringLiteral("otazky");

    BankaOtazek();

    // Opens the table and reads the index; throws ChybaTabulky when the bank cannot be read.
    void Otevrit();
    void Zavrit();
    bool Otevrena() const { return m_tabulka.Otevreno(); }

    bool OtazkaExistuje(int n) const;
    // The whole record of an existing question; throws ChybaTabulky for a number without one.
    OtazkaBanky Nacist(int n);
    // Short fields from the index, without reading the table; empty for a number without a record.
    QString SpravneOdpovedi(int n) const;
    QString SkupinaOtazky(int n) const;
    // The question's topic; nothing for a number without a record or a bank without topics.
    std::optional<Okruhy::Okruh> OkruhOtazky(int n) const;
    // How many of its answers a) to d) are not empty; 0 for a number without a record or a bank
    // built before the count was kept.
    int PocetOdpovedi(int n) const;

    // Numbers of category k's questions that suit the group by the counting rule, ascending.
    QList<int> CislaKategorie(int k, const QString &skupina) const;
    int PocetVKategorii(int k, const QString &skupina) const;

private:
    struct Polozka {
        int pozice = -1; // position in the table's view, -1: no record
        QString spravne, skupina;
        std::optional<Okruhy::Okruh> okruh;
        int odpovedi = 0;
    };

    const Polozka *Najit(int n) const;

    Tabulka m_tabulka;
    std::array<Polozka, Kategorie::NejvyssiCislo + 1> m_index;
    bool m_sceny = false; // the bank stores the scenes of crossroad questions
};
