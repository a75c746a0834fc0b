#pragma once

// Answering practice and examination runs through the main window as the learner does: the menu
// command and its set-up dialog, clicks on the answers, the right button, the verdict's timer and
// the evaluation at the end.
#include "pomocnik.h"

#include "app/rizenibehu.h"

#include <QAction>
#include <QLabel>
#include <QScrollBar>
#include <QTest>

#include <functional>

namespace Pomocnik {

struct Odpovidani {
    THlavniFormular &okno;

    // The menu command's run with the count, and in number order the start, set in the set-up dialog;
    // kontrola, when given, sees the dialog first.
    void Spustit(const char *polozka, int pocet, int zacatek = 1,
                 const std::function<void(QWidget *)> &kontrola = {}) const
    {
        PriDialogu([pocet, zacatek, kontrola](QWidget *d) {
            if (kontrola)
                kontrola(d);
            Prvek<QScrollBar>(d, "sbOtazka")->setValue(zacatek);
            Prvek<QScrollBar>(d, "sbPocet")->setValue(pocet);
            QTest::mouseClick(Prvek<QWidget>(d, "btnPotvrdit"), Qt::LeftButton);
        });
        Prvek<QAction>(&okno, polozka)->trigger();
    }

    // The number of the question on screen.
    int Cislo() const { return Prvek<QLabel>(&okno, "lbCisloOtazky")->text().section(u' ', -1).toInt(); }

    void Pravym() const { QTest::mouseClick(Prvek<QWidget>(&okno, "pOtazky"), Qt::RightButton); }

    // Marks the letters ("A", "BC"), has them judged and lets the verdict's 1.5 s pass; the verdict.
    QString Odpovedet(const QString &pismena) const
    {
        for (QChar p : pismena)
            QTest::mouseClick(Prvek<QWidget>(&okno, qPrintable(QStringLiteral("lb") + p)), Qt::LeftButton);
        Pravym();
        const QString verdikt = Prvek<QLabel>(&okno, "lbSpravne")->text();
        Prvek<TRizeniBehu>(&okno, "RizeniBehu")->Timer1Timer();
        return verdikt;
    }

    void Napoveda() const { Prvek<QAction>(&okno, "M2OznacSpravne")->trigger(); }

    // The numbers of a run's next questions as it asks them, each answered with the letters odpoved
    // gives for its number, the hint when none.
    QList<int> Projit(int pocet, const std::function<QString(int)> &odpoved) const
    {
        QList<int> polozene;
        for (int i = 0; i < pocet; ++i) {
            if (i > 0)
                Pravym();
            polozene << Cislo();
            const QString pismena = odpoved(Cislo());
            if (pismena.isEmpty())
                Napoveda();
            else
                Odpovedet(pismena);
        }
        return polozene;
    }

    // Past the last question: the evaluation shows and closes with the button.
    void Vyhodnotit(const char *tlacitko = "btnOK") const
    {
        PriDialogu([tlacitko](QWidget *d) { QTest::mouseClick(Prvek<QWidget>(d, tlacitko), Qt::LeftButton); });
        Pravym();
    }
};

} // namespace Pomocnik
