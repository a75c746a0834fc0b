#pragma once

#include "data/okruhy.h"

#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>

// Builds the question bank from its sources in data/otazky: checks every rule of the source
// contract, then writes otazky.DB/.MB, the question pictures and the answer marks.
//
// Sources: one UTF-8 JSON file per category, "<k>-<name>.json" (k = 1..7, and 8 for safe driving),
// an array of
//   {"cislo": 17, "otazka": "...", "a": "...", "b": "...", "c": "...", "d": "",
//    "spravne": "B", "skupina": "ABCD", "okruh": "PP", "poznamka": "..."}
// in ascending numbers. Answers a) to c) are required, d) may be empty; "spravne" and "skupina"
// are upper-case letters A to D in ascending order; "okruh" is required: the code of the topic of
// today's exam the question belongs to (PP, DZ, ZBJ, DS, PPV, SP, ZP; data/okruhy.h), decided by
// its content, so one category may hold several topics. Questions 621-720 carry "znacka" (a road
// sign code of the catalogue in kresby/znacky.h), 721-757 carry "krizovatka" (a scene, see
// logika/krizovatky_scena.h); no other question has a picture. Retired numbers have no record.
// Category 8, safe driving (8-bezpecna-jizda.json, numbers 801-999), has exactly three answers,
// exactly one right, no picture and the topic ZBJ; it is counted apart from the 729 records of
// categories 1-7, and the points test never draws from it.
namespace Banka {

struct OtazkaZdroje {
    QString soubor; // source file name, for messages
    int cislo = 0;
    QString otazka, a, b, c, d, spravne, skupina, poznamka;
    QString okruh;          // the topic's code as written, "PP"
    QString znacka;         // road sign code of a category 6 picture
    QJsonObject krizovatka; // scene of a category 7 picture
    bool maZnacku = false, maKrizovatku = false;
};

struct Kontrola {
    QStringList chyby;      // "file: otázka N: rule broken"
    QList<int> chybejici;   // numbers not yet written (not an error while the bank is incomplete)
    bool Uspech() const { return chyby.isEmpty(); }
};

// Records of categories 1-7; category 8 is counted apart.
inline constexpr int PocetZaznamu = 729;
bool Vyrazena(int cislo);

// A crossroad question against the order of passing its scene gives: empty when the rules (or the
// order the scene gives where they cannot decide) agree with its marked answers, else why not.
QString OveritKrizovatku(const OtazkaZdroje &q);

// Reads every <k>-<name>.json of the directory; form errors go to kontrola.chyby.
QList<OtazkaZdroje> NacistZdroje(const QString &adresar, Kontrola &kontrola);

// The contract over all questions read. The count and the points-test coverage are checked
// only once no number of categories 1-7 is missing.
void Zkontrolovat(const QList<OtazkaZdroje> &otazky, Kontrola &kontrola);

// How many questions of each topic a learner of each group meets: rows A, B, C, D and T (the
// questions common to all four), columns the topics in the order of Okruhy::Vsechny.
struct OkruhySkupin {
    static constexpr int PocetRadku = 5;
    std::array<std::array<int, Okruhy::Pocet>, PocetRadku> pocty{};
    int bezpecneJizdy = 0; // questions of category 8
    QString Tabulka() const;
};
OkruhySkupin SecistOkruhy(const QList<OtazkaZdroje> &otazky);

// Cues by which a test-wise learner could pick the right answer without knowing the rule.
// Counted over single-answer questions only (a question with more right answers has no one
// right answer to set against the wrong ones); lengths are characters of the trimmed texts.
// An answer's first word is the first whitespace-separated token of its trimmed text, without
// trailing , . ; : ! ? and in lower case.
struct Napovedy {
    int trojic = 0;    // single-answer questions with three answers
    int obeDelsi = 0;  // of them: both wrong answers more than 30 % longer than the right one
    int nejkratsi = 0; // of them: the right answer strictly the shortest
    int nejdelsi = 0;  // of them: the right answer strictly the longest
    int ctveric = 0;   // single-answer questions with four answers
    std::array<int, 4> pismena{}; // of them: how often a) to d) is the right one
    QList<int> cislaObeDelsi;

    // Of the three-answer questions: exactly two answers begin with the same word, and how often
    // the third, the odd one out, is the right one.
    int lichych = 0, lichaSpravna = 0;
    // Of the three-answer questions: at least two answers begin with "ano" or "ne" and exactly
    // one of those words occurs once among them, and how often that lone one is the right one.
    int anoNe = 0, anoNeSpravna = 0;
    // Phrases that tend to mark a wrong answer, matched as whole words in any case: in how many
    // right and wrong answers of the three-answer questions each occurs.
    struct Fraze {
        QString text;
        int spravnych = 0, spatnych = 0;
    };
    QList<Fraze> fraze;

    // The limits a bank keeps: both wrong answers much longer in under 4 % of the three-answer
    // questions, the right answer strictly shortest or strictly longest in at most 30 % each, no
    // letter right in more than 40 % of the four-answer questions; the odd one out right in at
    // most 45 % of its questions, the lone "ano"/"ne" in at most 50 %; each phrase's share among
    // the wrong answers at most twice its share among the right ones (none at all in a wrong
    // answer when no right one has it). Empty when all hold.
    QStringList Prekroceni() const;
    QString Souhrn() const;
};
Napovedy ZmeritNapovedy(const QList<OtazkaZdroje> &otazky);

// Writes the bank into the program directory; throws ChybaTabulky or returns a message on failure.
QString Zapsat(const QList<OtazkaZdroje> &otazky, const QString &cil);

// "1-420, 621-757"
QString Rozsahy(const QList<int> &cisla);

} // namespace Banka
