#pragma once

// Shared by the window and tool tests: a small question bank built by the bank builder, the main
// window over it in a directory of its own, controls found by their names and modal dialogs met.
#include "adresar.h"
#include "app/hlavniformular.h"
#include "banka/stavitel.h"
#include "data/kategorie.h"
#include "kresby/znacky.h"
#include "okna/dialogy.h"
#include "okna/zvetseni.h"
#include "tabulky.h"
#include "zdroje.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLabel>
#include <QObject>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

namespace Pomocnik {

inline Banka::OtazkaZdroje Otazka(int cislo)
{
    Banka::OtazkaZdroje q;
    q.soubor = QStringLiteral("test.json");
    q.cislo = cislo;
    q.otazka = QStringLiteral("Otázka %1?").arg(cislo);
    q.a = QStringLiteral("Odpověď a");
    q.b = QStringLiteral("Odpověď b");
    q.c = QStringLiteral("Odpověď c");
    q.d = QStringLiteral("Odpověď d");
    q.spravne = QStringLiteral("A");
    q.skupina = QStringLiteral("ABCD");
    q.poznamka = QStringLiteral("Poznámka %1.").arg(cislo);
    return q;
}

inline QJsonObject PrvniScena()
{
    return ZdrojBanky("7-krizovatky.json").at(0).toObject().value(QStringLiteral("krizovatka")).toObject();
}

// Writes the bank of the given questions, with their pictures and the answer marks, into dir.
inline QString ZapsatBanku(QList<Banka::OtazkaZdroje> otazky, const QString &dir)
{
    for (Banka::OtazkaZdroje &q : otazky) {
        if (Kategorie::KategorieOtazky(q.cislo) == 6 && !q.maZnacku) {
            q.maZnacku = true;
            q.znacka = Znacky::Kody().value(0);
        } else if (Kategorie::KategorieOtazky(q.cislo) == 7 && !q.maKrizovatku) {
            q.maKrizovatku = true;
            q.krizovatka = PrvniScena();
        }
    }
    return Banka::Zapsat(otazky, dir);
}

// Questions 1, 2, ... as Otazka makes them.
inline QList<Banka::OtazkaZdroje> Otazky(std::initializer_list<int> cisla)
{
    QList<Banka::OtazkaZdroje> otazky;
    for (int n : cisla)
        otazky << Otazka(n);
    return otazky;
}

// Just enough questions for a whole points test: every number of the bank is drawn, so only the
// order of positions 11 to 25 depends on the seed. Question 3 has two right answers, the first
// question a text of several lines, the second three answers only.
inline QList<Banka::OtazkaZdroje> OtazkyTestu()
{
    QList<Banka::OtazkaZdroje> otazky =
        Otazky({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 421, 422, 423, 424, 476, 581, 621, 622, 623, 624, 625, 501, 721, 722, 723});
    otazky[2].spravne = QStringLiteral("AC");
    otazky[0].otazka = QStringLiteral("Dlouhá otázka, která se do jednoho řádku nevejde, protože opakuje stále totéž: ")
                           .repeated(5);
    otazky[1].d.clear();
    return otazky;
}

// A window test's program: a directory of its own as the working directory, the dialog seam
// answering from its queue, the bank of the given questions with their pictures and marks, and
// the main window over it (not shown; none with bezOkna, for a test that makes its own).
struct Program {
    Adresar adresar;
    std::unique_ptr<THlavniFormular> okno;

    // konfigurace: the config.ini the program starts with, none when empty.
    explicit Program(const QList<Banka::OtazkaZdroje> &otazky, const QByteArray &konfigurace = {}, bool bezOkna = false)
    {
        Dialogy::Test::Zapnout();
        const QString chyba = ZapsatBanku(otazky, adresar.Cesta());
        if (!chyba.isEmpty())
            qFatal("bank not written: %s", qPrintable(chyba));
        if (!konfigurace.isEmpty() && !Zapsat(adresar.Soubor(QStringLiteral("config.ini")), konfigurace))
            qFatal("config.ini not written");
        if (!bezOkna)
            okno = std::make_unique<THlavniFormular>();
    }
};

// The control of that name inside the window; a missing one ends the test program at once with
// its name, so that a renamed control is reported, not dereferenced.
template <typename T = QWidget>
T *Prvek(const QObject *okno, const char *jmeno)
{
    T *p = okno->findChild<T *>(QString::fromLatin1(jmeno));
    if (!p)
        qFatal("no control named %s", jmeno);
    return p;
}

inline QString Text(const QObject *okno, const char *jmeno) { return Prvek<QLabel>(okno, jmeno)->text(); }
inline QAction *Akce(const QObject *okno, const char *jmeno) { return Prvek<QAction>(okno, jmeno); }
inline void Kliknout(const QObject *okno, const char *jmeno, Qt::MouseButton tlacitko = Qt::LeftButton)
{
    QTest::mouseClick(Prvek<QWidget>(okno, jmeno), tlacitko);
}

// A message or dialog shown through the seam as "kind: text".
inline QString Popis(const Dialogy::Zobrazeni &z)
{
    static const char *const druhy[] = {"Informace", "Otázka", "Chyba", "Vstup", "Uložit", "Tisk", "Adresa"};
    return QString::fromUtf8(druhy[static_cast<int>(z.druh)]) + QStringLiteral(": ") + z.text;
}

// The messages and dialogs shown through the seam since the last look, as "kind: text".
inline QStringList Zpravy()
{
    QStringList zpravy;
    for (const Dialogy::Zobrazeni &z : Dialogy::Test::Zobrazene())
        zpravy << Popis(z);
    return zpravy;
}

// The messages shown since the last look, one a line, unless they are exactly one of that kind
// containing cast: nothing then, for the test to compare with an empty text.
inline QString KromeJedneZpravy(Dialogy::Druh druh, const QString &cast)
{
    const QList<Dialogy::Zobrazeni> z = Dialogy::Test::Zobrazene();
    if (z.size() == 1 && z[0].druh == druh && z[0].text.contains(cast))
        return {};
    QStringList vse{QStringLiteral("not one message of that kind with \"%1\":").arg(cast)};
    for (const Dialogy::Zobrazeni &x : z)
        vse << Popis(x);
    return vse.join(u'\n');
}

// Runs the modal window of type T that spustit opens through kontrola, then closes it if the check
// left it open (a failed check must not leave the test blocked); whether such a window was shown.
template <typename T>
bool Otevrit(const std::function<void()> &spustit, const std::function<void(T *)> &kontrola = {})
{
    bool otevreno = false;
    QTimer hlidka; // gone with this call when spustit opened nothing
    hlidka.setSingleShot(true);
    QObject::connect(&hlidka, &QTimer::timeout, [&] {
        if (auto *okno = qobject_cast<T *>(QApplication::activeModalWidget())) {
            otevreno = true;
            if (kontrola)
                kontrola(okno);
            if (okno->isVisible())
                okno->done(QDialog::Rejected); // past any question the window's own closing asks
        }
    });
    hlidka.start(0);
    spustit();
    return otevreno;
}

// The visible labels and buttons of the window that overlap another one, as "name / name": what
// the user sees of texts drawn over each other.
inline QStringList Prekryvy(const QWidget *okno)
{
    QList<QPair<QString, QRect>> videt;
    for (QWidget *w : okno->findChildren<QWidget *>())
        if ((qobject_cast<QLabel *>(w) || qobject_cast<QAbstractButton *>(w)) && w->isVisibleTo(okno) && !w->size().isEmpty())
            videt.append({w->objectName(), QRect(w->mapTo(okno, QPoint(0, 0)), w->size())});
    QStringList prekryvy;
    for (qsizetype i = 0; i < videt.size(); ++i)
        for (qsizetype j = i + 1; j < videt.size(); ++j)
            if (videt[i].second.intersects(videt[j].second))
                prekryvy << videt[i].first + QStringLiteral(" / ") + videt[j].first;
    return prekryvy;
}

// A window centred over its owner, up to the width of a window frame.
inline bool Vycentrovano(const QWidget *okno, const QWidget *vlastnik)
{
    const QPoint rozdil = okno->frameGeometry().center() - vlastnik->frameGeometry().center();
    return qAbs(rozdil.x()) <= 3 && qAbs(rozdil.y()) <= 3;
}

// Runs f on the modal dialog as soon as one is shown (a dialog that never shows ends the check
// unrun, which the caller sees in what f left undone).
template <typename F>
void PriDialogu(F f)
{
    QTimer::singleShot(0, qApp, [f] {
        if (QWidget *d = QApplication::activeModalWidget())
            f(d);
    });
}

// The picture that opens enlarged while akce runs, as the bank names it; empty when none opens.
template <typename F>
QString Zvetseny(F akce)
{
    QString obrazek;
    QTimer hlidka; // looks for the window whenever events are processed while akce runs
    QObject::connect(&hlidka, &QTimer::timeout, [&obrazek] {
        if (auto *okno = qobject_cast<TZvetseni *>(QApplication::activeModalWidget())) {
            obrazek = okno->Obrazek();
            okno->reject();
        }
    });
    hlidka.start(0);
    akce();
    return obrazek;
}

// The items of the idle menu bar and of the menu bar of a running mode.
inline const char *const Menu1[] = {"Program1", "Konfigurace1", "Start1", "Vysledky1", "Informace1"};
inline const char *const Menu2[] = {"M2KonecRezimu", "M2OznacSpravne", "M2oProgramu"};

} // namespace Pomocnik
