#include "app/nabidky.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace {

void Popsat(QAction *a, const char *jmeno, const QString &titulek, const QString &napoveda)
{
    a->setObjectName(QString::fromLatin1(jmeno));
    a->setText(titulek);
    a->setStatusTip(napoveda);
    a->setToolTip(napoveda);
}

} // namespace

Nabidky::Nabidky(QMenuBar *lista) : m_lista(lista)
{
    lista->setObjectName(QStringLiteral("Menu1"));
    auto podmenu = [&](QWidget *rodic, const char *jmeno, const QString &titulek, const QString &napoveda) {
        auto *m = new QMenu(titulek, rodic);
        m->setObjectName(QString::fromLatin1(jmeno));
        m->menuAction()->setObjectName(QString::fromLatin1(jmeno));
        m->menuAction()->setStatusTip(napoveda);
        return m;
    };
    auto hlavni = [&](const char *jmeno, const QString &titulek, const QString &napoveda) {
        QMenu *m = podmenu(lista, jmeno, titulek, napoveda);
        lista->addMenu(m);
        Menu1.append(m->menuAction());
        return m;
    };
    auto polozka = [](QMenu *menu, const char *jmeno, const QString &titulek, const QString &napoveda) {
        QAction *a = menu->addAction(QString());
        Popsat(a, jmeno, titulek, napoveda);
        return a;
    };
    auto oddelovac = [](QMenu *menu, const char *jmeno) { menu->addSeparator()->setObjectName(QString::fromLatin1(jmeno)); };

    Program1 = hlavni("Program1", QStringLiteral("&Program"), QStringLiteral("Program..."));
    M1Ukoncit = polozka(Program1, "M1Ukoncit", QStringLiteral("&Ukončit"), QStringLiteral("Ukončí program Semaforix"));

    Konfigurace1 = hlavni("Konfigurace1", QStringLiteral("&Konfigurace"), QStringLiteral("Konfigurace..."));
    M1Skupina = polozka(Konfigurace1, "M1Skupina", QStringLiteral("Zvolená skupina: B"),
                        QStringLiteral("Zobrazuje zvolenou skupinu řidičského oprávnění"));
    oddelovac(Konfigurace1, "N3");
    M1Nastaveni = polozka(Konfigurace1, "M1Nastaveni", QStringLiteral("&Nastavení..."),
                          QStringLiteral("Spustí okno nastavení programu"));
    M1StavovyRadek = polozka(Konfigurace1, "M1StavovyRadek", QStringLiteral("&Zobrazit stavový řádek"),
                             QStringLiteral("Zobrazí/skryje stavový řádek"));
    M1StavovyRadek->setCheckable(true);
    M1StavovyRadek->setChecked(true);
    oddelovac(Konfigurace1, "N2");
    M1PostupnyVyber = polozka(Konfigurace1, "M1PostupnyVyber", QStringLiteral("Pos&tupný výběr otázek"),
                              QStringLiteral("Nastaví postupný výběr otázek podle čísla otázky"));
    M1NahodnyVyber = polozka(Konfigurace1, "M1NahodnyVyber", QStringLiteral("Ná&hodný výběr otázek"),
                             QStringLiteral("Nastaví náhodný výběr otázek"));
    M1VyberPodlePameti = polozka(Konfigurace1, "M1VyberPodlePameti", QStringLiteral("Výběr podle &paměti (opakování)"),
                                 QStringLiteral("Nejdříve otázky, které zapomínáte nebo jste ještě neviděli"));
    Zaskrtnout(M1PostupnyVyber, true);
    oddelovac(Konfigurace1, "N4");
    M1UlozitNastaveni = polozka(Konfigurace1, "M1UlozitNastaveni", QStringLiteral("&Uložit nastavení"),
                                QStringLiteral("Uloží nastavení programu"));

    Start1 = hlavni("Start1", QStringLiteral("&Start"), QStringLiteral("Start..."));
    M1Prohlizet = polozka(Start1, "M1Prohlizet", QStringLiteral("&Prohlížet otázky"),
                          QStringLiteral("Spustí režim prohlížení všech 757 otázek (mimo vyřazených)"));
    oddelovac(Start1, "N5");
    M1Procvicovat = polozka(Start1, "M1Procvicovat", QStringLiteral("Pro&cvičovat otázky"),
                            QStringLiteral("Spustí režim procvičování otázek"));
    M1Zkouset = polozka(Start1, "M1Zkouset", QStringLiteral("&Zkoušet otázky"), QStringLiteral("Spustí režim zkoušení otázek"));
    oddelovac(Start1, "N6");
    M1Test = polozka(Start1, "M1Test", QStringLiteral("&Test na body"),
                     QStringLiteral("Vytvoří test z předpisů o provozu na pozemních komunikacích"));

    Vysledky1 = hlavni("Vysledky1", QStringLiteral("&Výsledky"), QStringLiteral("Výsledky..."));
    M1Protokol = podmenu(Vysledky1, "M1Protokol", QStringLiteral("Výsledk&y z"), QStringLiteral("Zobrazí výsledky z..."));
    Vysledky1->addMenu(M1Protokol);
    smProc = polozka(M1Protokol, "smProc", QStringLiteral("P&rocvičování"), QStringLiteral("Zobrazí výsledky z procvičování otázek"));
    smZkou = polozka(M1Protokol, "smZkou", QStringLiteral("&Zkoušení"), QStringLiteral("Zobrazí výsledky ze zkoušení otázek"));
    oddelovac(Vysledky1, "N1");
    M1VysledekTestu = polozka(Vysledky1, "M1VysledekTestu", QStringLiteral("Výsledky &testu na body"),
                              QStringLiteral("Zobrazí výsledky testů z pravidel silničního provozu"));
    oddelovac(Vysledky1, "N8");
    M1PrehledZnalosti = polozka(Vysledky1, "M1PrehledZnalosti", QStringLiteral("&Přehled znalostí"),
                                QStringLiteral("Zobrazí, co už umíte, váš pokrok a odhad úspěchu v testu na body"));

    Informace1 = hlavni("Informace1", QStringLiteral("&Informace"), QStringLiteral("Informace..."));
    M1OProgramu = polozka(Informace1, "M1OProgramu", QStringLiteral("Informace o p&rogramu"),
                          QStringLiteral("Zobrazí základní informace o programu"));
    M1Seznam = polozka(Informace1, "M1Seznam", QStringLiteral("&Historie oprav a aktualizací"),
                       QStringLiteral("Zobrazí historii oprav a aktualizací"));
    oddelovac(Informace1, "N7");
    M1Napoveda = polozka(Informace1, "M1Napoveda", QStringLiteral("&Nápověda"),
                         QStringLiteral("Spustí nápovědu programu Semaforix"));

    // Menu2 stands in the same bar and replaces Menu1 while a mode runs.
    auto polozkaListy = [&](const char *jmeno, const QString &titulek) {
        auto *a = new QAction(titulek, lista);
        a->setObjectName(QString::fromLatin1(jmeno));
        a->setVisible(false);
        Menu2.append(a);
        return a;
    };
    M2KonecRezimu = polozkaListy("M2KonecRezimu", QStringLiteral("  &Konec režimu  "));
    M2OznacSpravne = polozkaListy("M2OznacSpravne", QStringLiteral("  Označ správnou odpověď  "));
    // Its caption has no accelerator of its own; the hint is reached from the keyboard all the same.
    M2OznacSpravne->setShortcut(QKeySequence(Qt::ALT | Qt::Key_S));
    M2oProgramu = polozkaListy("M2oProgramu", QStringLiteral("  &O programu  "));
}

// Only the menu shown stands in the bar: the bar answers the accelerators of every item it holds,
// hidden ones too, so that Alt+K would reach the hidden "Konfigurace" instead of "Konec režimu".
void Nabidky::ZobrazitMenu2(bool zapnout, bool napoveda)
{
    for (QAction *a : std::as_const(Menu1)) {
        a->setVisible(!zapnout);
        m_lista->removeAction(a);
    }
    for (QAction *a : std::as_const(Menu2)) {
        a->setVisible(zapnout && (a != M2OznacSpravne || napoveda));
        m_lista->removeAction(a);
    }
    m_lista->addActions(zapnout ? Menu2 : Menu1);
}

void Nabidky::Zaskrtnout(QAction *polozka, bool zaskrtnuto)
{
    polozka->setCheckable(zaskrtnuto);
    polozka->setChecked(zaskrtnuto);
}
