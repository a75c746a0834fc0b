#pragma once

#include <QList>

class QAction;
class QMenu;
class QMenuBar;

// The two menus of the main window in one menu bar: Menu1 while idle, Menu2 (items in the bar
// itself) while a mode runs. Every item carries its name, caption with accelerator and hint.
struct Nabidky {
    explicit Nabidky(QMenuBar *lista);

    // Shows Menu2 instead of Menu1 (the hint item only when wanted), or Menu1 again.
    void ZobrazitMenu2(bool zapnout, bool napoveda);
    // An item is checkable only while it carries its mark: a click never toggles the mark behind
    // the command's back, and an item without its mark shows no empty box.
    static void Zaskrtnout(QAction *polozka, bool zaskrtnuto);

    QList<QAction *> Menu1, Menu2;
    QMenu *Program1, *Konfigurace1, *Start1, *Vysledky1, *M1Protokol, *Informace1;
    QAction *M1Ukoncit, *M1Skupina, *M1Nastaveni, *M1StavovyRadek, *M1PostupnyVyber, *M1NahodnyVyber,
        *M1UlozitNastaveni, *M1Prohlizet, *M1Procvicovat, *M1Zkouset, *M1Test, *smProc, *smZkou,
        *M1VysledekTestu, *M1OProgramu, *M1Seznam, *M1Napoveda;
    // The learning order beside the two orders, and the knowledge overview.
    QAction *M1VyberPodlePameti, *M1PrehledZnalosti;
    QAction *M2KonecRezimu, *M2OznacSpravne, *M2oProgramu;

private:
    QMenuBar *m_lista;
};
