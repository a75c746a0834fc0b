#pragma once

#include <QList>
#include <QString>
#include <QVariant>

#include <optional>

class QPrinter;
class QUrl;
class QWidget;

// Every message box and platform dialog of the program goes through here. In tests the
// dialogs are not shown: each call is recorded and answered from a queue filled in advance.
namespace Dialogy {

inline const QString TitulekInformace = QStringLiteral("Informace programu Semaforix");
inline const QString TitulekOtazky = QStringLiteral("Otázka programu Semaforix");
inline const QString TitulekChyby = QStringLiteral("Chybové hlášení programu Semaforix");

void Informace(QWidget *rodic, const QString &text);
bool Otazka(QWidget *rodic, const QString &text); // true only for Yes
// The question box with a third button, Storno, that neither answers yes nor no: the user goes back
// to what they were doing.
enum class Volba { Ano, Ne, Storno };
Volba OtazkaSeStornem(QWidget *rodic, const QString &text);
void Chyba(QWidget *rodic, const QString &text);
// The input box: the text entered, or nothing when cancelled. With nejviceZnaku > 0 the box takes
// no more characters than that.
std::optional<QString> Vstup(QWidget *rodic, const QString &titulek, const QString &vyzva,
                             const QString &vychozi = {}, int nejviceZnaku = 0);
// The save dialog: the chosen path, or empty when cancelled.
QString UlozitSoubor(QWidget *rodic, const QString &titulek, const QString &vychozi, const QString &filtr);
// The print dialog: true when the user chose to print with the printer set up. soubor is the
// name it proposes for printing into a file (without ".pdf"); empty: the document's name.
bool Tisk(QWidget *rodic, QPrinter &tiskarna, const QString &soubor = {});

// Hands a web address to the desktop's browser; false when none could be started.
bool OtevritAdresu(const QUrl &adresa);

// Places a window over its owner, centred: left = owner's left + (owner's width - own width) / 2
// rounded toward zero, top likewise; a larger window overhangs equally on both sides.
void Vycentrovat(QWidget *okno, const QWidget *vlastnik);

enum class Druh { Informace, Otazka, Chyba, Vstup, UlozitSoubor, Tisk, Adresa };

struct Zobrazeni {
    Druh druh;
    QString text;
};

namespace Test {
// Switches the seam into test mode: nothing is shown, answers come from the queue.
void Zapnout();
// Answers in order: bool for questions (for a question with Storno a null QVariant is Storno), print and web addresses (a browser started), QString for
// input and save (a null QVariant cancels them); for print a QString is the path of a PDF file
// printed into, as the dialog's print-to-file does. An unanswered call counts as No / Cancel (no
// browser, Storno) and is recorded.
void Odpovedet(const QVariant &odpoved);
QList<Zobrazeni> Zobrazene();   // what was shown since the last call, oldest first
int Nezodpovezene();            // calls that found the queue empty
} // namespace Test

} // namespace Dialogy
