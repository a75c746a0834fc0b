// semaforix-banka SOURCE_DIR PROGRAM_DIR: builds the question bank and its pictures.
#include "banka/stavitel.h"
#include "data/tabulka.h"

#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    // Pictures are drawn off screen; the builder needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList argumenty = app.arguments();
    if (argumenty.size() != 3) {
        err << "usage: semaforix-banka SOURCE_DIR PROGRAM_DIR\n";
        return 2;
    }
    Banka::Kontrola kontrola;
    const auto otazky = Banka::NacistZdroje(argumenty[1], kontrola);
    Banka::Zkontrolovat(otazky, kontrola);
    for (const QString &chyba : std::as_const(kontrola.chyby))
        err << chyba << '\n';
    if (!kontrola.Uspech()) {
        err << QStringLiteral("Banka otázek nebyla sestavena: %1 chyb.\n").arg(kontrola.chyby.size());
        return 1;
    }
    if (!kontrola.chybejici.isEmpty())
        err << QStringLiteral("Upozornění: banka zatím není úplná, chybí %1 otázek: %2\n")
                   .arg(kontrola.chybejici.size()).arg(Banka::Rozsahy(kontrola.chybejici));
    try {
        const QString vada = Banka::Zapsat(otazky, argumenty[2]);
        if (!vada.isEmpty()) {
            err << vada << '\n';
            return 1;
        }
    } catch (const ChybaTabulky &e) {
        err << e.Text() << '\n';
        return 1;
    }
    const Banka::OkruhySkupin okruhy = Banka::SecistOkruhy(otazky);
    const Banka::Napovedy napovedy = Banka::ZmeritNapovedy(otazky);
    QTextStream out(stdout);
    out << QStringLiteral("Banka otázek: %1 otázek (z nich %2 bezpečné jízdy) zapsáno do %3\n")
               .arg(otazky.size()).arg(okruhy.bezpecneJizdy).arg(argumenty[2])
        << okruhy.Tabulka() << napovedy.Souhrn() << '\n';
    // The limits fail the bank's test, not the build: a source being rewritten still builds.
    for (const QString &vada : napovedy.Prekroceni())
        out << QStringLiteral("Upozornění: odpovědi napovídají tvarem: %1\n").arg(vada);
    return 0;
}
