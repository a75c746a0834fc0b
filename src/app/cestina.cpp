#include "app/cestina.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

#include <clocale>
#include <optional>

namespace {

constexpr char Promenna[] = "LC_ALL";

std::optional<QByteArray> &PuvodniHodnota()
{
    static std::optional<QByteArray> hodnota;
    return hodnota;
}

struct Preklad {
    const char *kontext;
    const char *zdroj;
    QString cesky;
};

// Texts of the save and print dialogs that came with Qt 6 under new names and are missing from its
// Czech translation; the words are those the translation uses elsewhere.
const auto &Preklady()
{
    static const Preklad preklady[] = {
        {"QAbstractFileIconProvider", "Folder", QStringLiteral("Složka")},
        {"QAbstractFileIconProvider", "File Folder", QStringLiteral("Souborová složka")},
        {"QAbstractFileIconProvider", "Drive", QStringLiteral("Disková jednotka")},
        {"QAbstractFileIconProvider", "File", QStringLiteral("Soubor")},
        {"QAbstractFileIconProvider", "Shortcut", QStringLiteral("Zkratka")},
        {"QAbstractFileIconProvider", "Unknown", QStringLiteral("Neznámý")},
        {"QPrintSettingsOutput", "Pages", QStringLiteral("Strany")},
        {"QPrintSettingsOutput",
         "Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a hyphen. "
         "E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.",
         QStringLiteral("Zadejte strany nebo rozsahy oddělené čárkami. Rozsah tvoří dvě čísla spojená spojovníkem. "
                        "Například 3,5-7,9 vytiskne strany 3, 5, 6, 7 a 9.")},
        {"QPrintSettingsOutput", "Double Sided Printing", QStringLiteral("Oboustranný tisk")},
        {"QPrintSettingsOutput", "Off", QStringLiteral("Vypnuto")},
        {"QPrintSettingsOutput", "Long side binding", QStringLiteral("Vazba na dlouhé straně")},
        {"QPrintSettingsOutput", "Short side binding", QStringLiteral("Vazba na krátké straně")},
        {"QPrintPropertiesWidget", "Advanced", QStringLiteral("Pokročilé")},
        {"QPrintPropertiesWidget", "There are conflicts in some options. Please fix them.",
         QStringLiteral("Některé volby si odporují. Opravte je, prosím.")},
        {"QPrintPropertiesDialog", "Advanced Option Conflicts", QStringLiteral("Rozpor v pokročilých volbách")},
        {"QPrintPropertiesDialog", "There are conflicts in some advanced options. Do you want to fix them?",
         QStringLiteral("Některé pokročilé volby si odporují. Chcete je opravit?")},
        {"QPrintPropertiesDialog", "Page Setup Conflicts", QStringLiteral("Rozpor v nastavení strany")},
        {"QPrintPropertiesDialog", "There are conflicts in page setup options. Do you want to fix them?",
         QStringLiteral("Některé volby nastavení strany si odporují. Chcete je opravit?")},
        {"QPrintDialog", "Invalid Pages Definition", QStringLiteral("Neplatné zadání stran")},
        {"QPrintDialog",
         "%1 does not follow the correct syntax. Please use ',' to separate ranges and pages, '-' to define "
         "ranges and make sure ranges do not intersect with each other.",
         QStringLiteral("„%1“ nemá správný tvar. Strany a rozsahy oddělte čárkou, rozsah zadejte spojovníkem "
                        "a dbejte, aby se rozsahy nepřekrývaly.")},
        {"QPrintDialog", "Duplex Settings Conflicts", QStringLiteral("Rozpor v nastavení oboustranného tisku")},
        {"QPrintDialog", "There are conflicts in duplex settings. Do you want to fix them?",
         QStringLiteral("Nastavení oboustranného tisku si odporuje. Chcete ho opravit?")},
    };
    return preklady;
}

class TDoplnekPrekladu : public QTranslator {
public:
    using QTranslator::QTranslator;

    bool isEmpty() const override { return false; }

    QString translate(const char *kontext, const char *zdroj, const char *, int) const override
    {
        for (const Preklad &p : Preklady())
            if (qstrcmp(kontext, p.kontext) == 0 && qstrcmp(zdroj, p.zdroj) == 0)
                return p.cesky;
        return {};
    }
};

} // namespace

namespace Cestina {

void PredSpustenim()
{
    // The C library takes the user's own locale now; Qt sets it again from the environment, which
    // changes nothing when the Czech locale is not installed.
    std::setlocale(LC_ALL, "");
    if (qEnvironmentVariableIsSet(Promenna))
        PuvodniHodnota() = qgetenv(Promenna);
    qputenv(Promenna, "cs_CZ.UTF-8");
}

void PoSpusteni()
{
    QLocale::system(); // read by now: the environment can go back
    if (PuvodniHodnota())
        qputenv(Promenna, *PuvodniHodnota());
    else
        qunsetenv(Promenna);
    QCoreApplication::installTranslator(new TDoplnekPrekladu(QCoreApplication::instance()));
}

} // namespace Cestina
