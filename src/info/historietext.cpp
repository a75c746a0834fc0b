#include "info/historietext.h"

namespace HistorieOprav {

QList<Zaznam> Zaznamy()
{
    return {
        {QStringLiteral("7.12.2026"), QStringLiteral("Upgrade"),
         {QStringLiteral("Upgradován program Semaforix - nové možnosti:")},
         {QStringLiteral("zkouška nanečisto jako dnešní zkouška: 25 otázek podle okruhů, 50 bodů, k úspěchu "
                         "43 bodů, 30 minut, s odhadem, jak byste u zkoušky obstáli"),
          QStringLiteral("u každé otázky okruh dnešní zkoušky; 126 nových otázek bezpečné jízdy a ovládání "
                         "vozidla (kategorie 8, čísla od 801)"),
          QStringLiteral("řešení křižovatek lze přehrát tlačítkem „Přehrát řešení“"),
          QStringLiteral("výběr podle paměti u každé otázky uvádí, proč přišla na řadu, a nastavení řady říká, "
                         "kolik otázek je k opakování a kolik nových"),
          QStringLiteral("po špatné odpovědi nebo odpovědi s nápovědou ukáže procvičování vysvětlení otázky"),
          QStringLiteral("přehled znalostí s plánem učení do dne zkoušky"),
          QStringLiteral("při ukončení s neuloženým nastavením se program zeptá, zda je uložit; odpovědi, "
                         "výsledky a protokoly nového profilu se tak neztratí"),
          QStringLiteral("chyby systému program hlásí česky, s důvodem"),
          QStringLiteral("uložení přerušené pádem programu nebo počítače už nezamkne tabulku"),
          QStringLiteral("program je svobodný software pod licencí GNU GPL verze 3 nebo pozdější "
                         "(GPL-3.0-or-later)")}},
        {QStringLiteral("19.8.2003"), QStringLiteral("Upgrade"),
         {QStringLiteral("Upgradován program Semaforix - číslo verze je 1.18.")},
         {QStringLiteral("nově je v nabídce Informace tento seznam historie oprav a aktualizací"),
          QStringLiteral("program pracuje s opravenou databází otázek z 29.7.2003"),
          QStringLiteral("aktualizace je nově možná stažením pouze aktuální databáze otázek, "
                         "celý program už není třeba instalovat znovu")}},
        {QStringLiteral("31.7.2003"), QStringLiteral("Upgrade"),
         {QStringLiteral("Vydána zkušební verze programu s opravenou databází otázek.")},
         {QStringLiteral("verze sloužila k ověření opravené databáze před vydáním verze 1.18")}},
        {QStringLiteral("29.7.2003"), QStringLiteral("Oprava"),
         {QStringLiteral("Opravy databáze otázek:")},
         {QStringLiteral("nové znění odpovědí či otázek č. 75, 88, 114, 137, 145, 146, 262, 266, "
                         "392, 446 a 477"),
          QStringLiteral("natrvalo vyřazeny otázky části První pomoc - Zdravověda č. 502, 523, 544, "
                         "545, 547, 550, 552, 553, 554, 555, 558, 559, 560, 561, 563, 565, 566, 568, "
                         "569, 570, 573, 575, 577 a 579"),
          QStringLiteral("vyřazeny chybně zařazené otázky č. 181, 274, 355 a 388"),
          QStringLiteral("vráceny chybně vyřazené otázky č. 148, 448 a 449")}},
        {QStringLiteral("2.4.2003"), QStringLiteral("Oprava"),
         {QStringLiteral("Opraveny pravopisné chyby v textech programu - číslo verze je 1.02.")},
         {}},
        {QStringLiteral("31.3.2003"), QString(),
         {QStringLiteral("První verze programu Semaforix - číslo verze je 1.01.")},
         {}},
    };
}

QString Nadpis(const Zaznam &z)
{
    return z.druh.isEmpty() ? z.datum : z.datum + QStringLiteral(" - ") + z.druh;
}

QStringList Zalomit(const QString &text, int sirka)
{
    QStringList radky;
    QString radek;
    for (const QString &slovo : text.split(u' ', Qt::SkipEmptyParts)) {
        if (!radek.isEmpty() && radek.size() + 1 + slovo.size() > sirka) {
            radky.append(radek);
            radek.clear();
        }
        radek += (radek.isEmpty() ? QString() : QStringLiteral(" ")) + slovo;
    }
    if (!radek.isEmpty())
        radky.append(radek);
    return radky;
}

QString Sestavit(const QList<Zaznam> &zaznamy, int sirka)
{
    const QString odrazka = QStringLiteral(" - ");
    const QString odsazeni(odrazka.size(), u' ');
    QStringList radky;
    for (const Zaznam &z : zaznamy) {
        if (!radky.isEmpty())
            radky << QString() << QString();
        const QString nadpis = Nadpis(z);
        radky << nadpis << QString(nadpis.size(), u'-');
        for (const QString &veta : z.uvod)
            radky << Zalomit(veta, sirka);
        for (const QString &polozka : z.polozky) {
            const QStringList casti = Zalomit(polozka, sirka - odrazka.size());
            for (qsizetype i = 0; i < casti.size(); ++i)
                radky << (i == 0 ? odrazka : odsazeni) + casti[i];
        }
    }
    return radky.join(u'\n');
}

QString Text() { return Sestavit(Zaznamy()); }

} // namespace HistorieOprav
