#include "uceni/modulprehledu.h"

#include "data/adresare.h"
#include "data/duvodsystemu.h"

#include <QDir>
#include <QFileInfo>
#include <QLibrary>

namespace ModulPrehledu {

std::unique_ptr<TOknoPrehledu> Vytvorit(const StavProgramu &stav, const BankaOtazek &banka, const PametProfilu &pamet,
                                        QWidget *rodic, QString *chyba)
{
    // Loaded once and never unloaded: Qt Charts keeps state of its own for the program's run.
    static Tovarna tovarna = nullptr;
    if (!tovarna) {
        const QString cesta = Adresare::Modul(Soubor);
        QString duvod;
        // A missing file said plainly: the loader would try other names and tell of the last one.
        if (!QFileInfo::exists(cesta)) {
            duvod = QStringLiteral("Soubor neexistuje.");
        } else {
            QLibrary knihovna(cesta);
            // Every symbol bound now, so that a module that does not fit the program fails here,
            // told, and not later in the middle of the window.
            knihovna.setLoadHints(QLibrary::ResolveAllSymbolsHint);
            tovarna = knihovna.load() ? reinterpret_cast<Tovarna>(knihovna.resolve(JmenoTovarny)) : nullptr;
            duvod = DuvodSystemu::Text(knihovna.errorString());
        }
        if (!tovarna) {
            if (chyba)
                *chyba = QStringLiteral("Přehled znalostí nelze otevřít: jeho modul „%1“ se nepodařilo načíst.\n%2")
                             .arg(QDir::toNativeSeparators(cesta), duvod);
            return nullptr;
        }
    }
    return std::unique_ptr<TOknoPrehledu>(tovarna(stav, banka, pamet, rodic));
}

} // namespace ModulPrehledu
