#pragma once

#include "app/rezim.h"

#include <QFrame>
#include <QPoint>

class QLabel;

// Where the labels of the information panel stand as designed and what it shows in each mode.
struct RozvrzeniPomoci {
    QPoint konecRezimu, uzivatel, skupina, jakNaTo;
    bool uzivatelPodKoncem; // the profile line centred under the end-of-mode line, at uzivatel's top
    bool pokyny;            // lbJakNaTo and lbSkupina
    bool napoveda;          // lbNapoveda
    bool pocitadla;         // the counters and the two lines between the columns
    bool celaLegenda;       // lbNe and lbNic enabled
    QPoint mistoNapovedy{212, 35};
    QPoint mistoDuvodu{};   // lbDuvod, in a layout that shows it
};

// The information panel below the question panel: the legend of the answer marks, how to answer,
// how to end the mode, the active profile and group, and the run's counters. Labels stand where
// designed unless the window's font needs more room; nothing overlaps, and a long profile name is
// cut with "…" (the whole name in its tooltip).
class TPanelPomoc : public QFrame {
    Q_OBJECT
public:
    explicit TPanelPomoc(QWidget *rodic = nullptr);

    // The layout of the mode; with duvod, of a run that names why each question comes, in a line
    // of its own among the others.
    static const RozvrzeniPomoci &Rozvrzeni(Rezim rezim, bool duvod = false);

    // Lays the panel out for the mode (Rezim::Zadny: as designed).
    void Rozvrhnout(Rezim rezim, const QString &profil, const QString &skupina);
    // Why the question on screen comes, as the learning order says it; empty: no line for it.
    void NastavitDuvod(const QString &duvod);
    void NastavitCelkem(int celkem);
    void NastavitZbyva(int zbyva);
    void NastavitUspesnost(int procent);

private:
    QLabel *Popisek(const char *jmeno, const QString &text, QPoint kde);
    static void Text(QLabel *l, const QString &text);

    void RozvrhnoutSloupce(const RozvrzeniPomoci &r);
    void RozvrhnoutProfil(const RozvrzeniPomoci &r, const QString &profil);

    QLabel *m_lbAno, *m_lbNe, *m_lbNic;
    QFrame *m_cara1, *m_cara2;
    QLabel *m_lbJakNaTo, *m_lbKonecRezimu, *m_lbNapoveda, *m_lbDuvod, *m_lbUzivatel, *m_lbSkupina;
    QLabel *m_lbCelkemOtazek, *m_lbZbyvaOtazek, *m_lbUspesnost;
    // What the panel was last laid out for, to lay it out again when the reason's line comes or goes.
    Rezim m_rezim = Rezim::Zadny;
    QString m_profil, m_skupina;
};
