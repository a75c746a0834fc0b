#pragma once

// Result tables as the runs and the points test create them, filled with chosen records.
#include "data/tabulka.h"
#include "practice/vysledky.h"
#include "test/protokoltestu.h"

#include <QDateTime>
#include <QStringList>

namespace Pomocnik {

struct Vysledek {
    QString typ = QStringLiteral("Procvičování");
    QString profil = QStringLiteral("Default");
    QString skupina = QStringLiteral("B");
    QString kategorie = QStringLiteral("1234567");
    int pocet = 20, spatne = 0;
    QString spatneCisla;
    int sNapovedou = 0;
    QString sNapovedouCisla;
    int uspesnost = 100;
    QDateTime kdy{QDate(2026, 3, 14), QTime(9, 26, 53)};
};

inline void ZapsatVysledky(const QList<Vysledek> &vysledky)
{
    if (!Tabulka::Existuje(QStringLiteral("Vysledky")))
        Tabulka::Vytvorit(Vysledky::JmenoTabulky, Vysledky::PoleTabulky());
    Tabulka t(QStringLiteral("Vysledky"));
    t.Otevrit();
    for (const Vysledek &v : vysledky) {
        t.Vlozit();
        t.Nastavit(QStringLiteral("TypTestu"), v.typ);
        t.Nastavit(QStringLiteral("Profil"), v.profil);
        t.Nastavit(QStringLiteral("Datum"), v.kdy.date());
        t.Nastavit(QStringLiteral("Cas"), v.kdy.time());
        t.Nastavit(QStringLiteral("Skupina"), v.skupina);
        t.Nastavit(QStringLiteral("Kategorie"), v.kategorie);
        t.Nastavit(QStringLiteral("PocetOtazek"), v.pocet);
        t.Nastavit(QStringLiteral("Spatne"), v.spatne);
        t.Nastavit(QStringLiteral("SpatneCisla"), v.spatneCisla);
        t.Nastavit(QStringLiteral("SNapovedou"), v.sNapovedou);
        t.Nastavit(QStringLiteral("SNapovedouCisla"), v.sNapovedouCisla);
        t.Nastavit(QStringLiteral("Uspesnost"), v.uspesnost);
        t.Ulozit();
    }
}

struct UlozenyTest {
    QString profil = QStringLiteral("Default");
    QDateTime kdy{QDate(2026, 3, 14), QTime(10, 5, 7)};
    QString skupina = QStringLiteral("B");
    QString delka = QStringLiteral("12:05");
    int spravne = 25, body = 65, minimum = 43;
    QString verdikt = QStringLiteral("Prošel");
    QString bodyMemo = QStringLiteral("3 3 3 3 3 3 3 3 3 3 2 2 2 2 1 1 2 2 2 2 2 3 4 4 4");
    QString odpoved, spravnaOdpoved, skutCis;
};

inline void ZapsatProtokoly(const QList<UlozenyTest> &protokoly)
{
    if (!Tabulka::Existuje(::ProtokolTestu::JmenoTabulky))
        Tabulka::Vytvorit(::ProtokolTestu::JmenoTabulky, ::ProtokolTestu::PoleTabulky());
    Tabulka t(QStringLiteral("Protokoly"));
    t.Otevrit();
    for (const UlozenyTest &p : protokoly) {
        t.Vlozit();
        t.Nastavit(QStringLiteral("Profil"), p.profil);
        t.Nastavit(QStringLiteral("DatumACas"), p.kdy);
        t.Nastavit(QStringLiteral("Skupina"), p.skupina);
        t.Nastavit(QStringLiteral("DelkaTestu"), p.delka);
        t.Nastavit(QStringLiteral("Spravne"), p.spravne);
        t.Nastavit(QStringLiteral("PocetBodu"), p.body);
        t.Nastavit(QStringLiteral("MinPocetBodu"), p.minimum);
        t.Nastavit(QStringLiteral("Verdikt"), p.verdikt);
        t.Nastavit(QStringLiteral("Body"), p.bodyMemo);
        t.Nastavit(QStringLiteral("Odpoved"), p.odpoved);
        t.Nastavit(QStringLiteral("SpravnaOdpoved"), p.spravnaOdpoved);
        t.Nastavit(QStringLiteral("SkutCis"), p.skutCis);
        t.Ulozit();
    }
}

} // namespace Pomocnik
