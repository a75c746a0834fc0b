#include "data/konfigurace.h"

#include "data/duvodsystemu.h"
#include "data/ini.h"
#include "data/profily.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <optional>

namespace {

const QString SekceKategorie = QStringLiteral("Kategorie otazek");
const QString SekceSkupina = QStringLiteral("Skupina");
const QString SekceProtokoly = QStringLiteral("Protokoly");
const QString SekceKonfigurace = QStringLiteral("Konfigurace");
const QString SekceProfily = QStringLiteral("Profily");

const QString KlicSkupina = QStringLiteral("Skupina");
const QString KlicStavovyRadek = QStringLiteral("Stavovy radek");
const QString KlicPostupnyVyber = QStringLiteral("Postupny vyber otazek");
const QString KlicVyberPodlePameti = QStringLiteral("Vyber podle pameti");
const QString KlicPocet = QStringLiteral("Pocet");
const QString KlicAktivni = QStringLiteral("Aktivni");

// In the order of Konfigurace::VytvaretProtokol.
const std::array<QString, 3> KliceProtokolu{QStringLiteral("Procvicovani"), QStringLiteral("Zkouseni"),
                                            QStringLiteral("Test")};

// A flag whose key is missing or holds no integer is on.
bool ctiPriznak(const IniDokument &ini, const QString &sekce, const QString &klic)
{
    // Any value other than 0 is on, so a stand-in for "missing" must itself be non-zero.
    return ini.ReadInteger(sekce, klic, 1) != 0;
}

void zapisPriznak(IniDokument &ini, const QString &sekce, const QString &klic, bool zapnuto)
{
    ini.WriteString(sekce, klic, zapnuto ? QStringLiteral("1") : QStringLiteral("0"));
}

QString zobrazenaCesta(const QString &cesta)
{
    return QDir::toNativeSeparators(cesta);
}

QString prilisVelky(const QString &cesta)
{
    return QStringLiteral("Soubor s nastavením „%1“ je větší než 1 MB, takže nepochází z tohoto programu nebo je "
                          "poškozený. Program ho nenačte ani nepřepíše a použije výchozí nastavení. "
                          "Soubor odstraňte nebo přejmenujte.")
        .arg(zobrazenaCesta(cesta));
}

// The whole file, an empty one when it does not exist, or nothing when it exists but cannot be read
// or is too large.
std::optional<QByteArray> nactiSoubor(const QString &cesta, QString *chyba)
{
    QFile soubor(cesta);
    if (!soubor.exists())
        return QByteArray();
    if (soubor.open(QIODevice::ReadOnly)) {
        // One byte past the limit tells a file that grew since it was measured.
        QByteArray obsah = soubor.read(MaxVelikostKonfigurace + 1);
        if (obsah.size() > MaxVelikostKonfigurace) {
            if (chyba)
                *chyba = prilisVelky(cesta);
            return std::nullopt;
        }
        if (soubor.error() == QFileDevice::NoError)
            return obsah;
    }
    if (chyba)
        *chyba = QStringLiteral("Soubor s nastavením „%1“ nelze přečíst: %2")
                     .arg(zobrazenaCesta(cesta), DuvodSystemu::Text(soubor.errorString()));
    return std::nullopt;
}

// A long text is shown by its start: the message must stay readable.
QString zkraceny(const QString &text)
{
    constexpr int Nejvyse = 60;
    return text.size() <= Nejvyse ? text : text.left(Nejvyse) + u'…';
}

std::optional<QString> nelzeUlozit(const QString &co, const QString &text)
{
    QString duvod;
    switch (IniDokument::ProcNelzeZapsat(text)) {
    case IniDokument::Prekazka::Zadna:
        return std::nullopt;
    case IniDokument::Prekazka::Zalomeni:
        duvod = QStringLiteral("obsahuje zalomení řádku");
        break;
    case IniDokument::Prekazka::Kodovani:
        duvod = QStringLiteral("obsahuje znaky, které kódování Windows-1250 neumí zapsat");
        break;
    case IniDokument::Prekazka::Mezery:
        duvod = QStringLiteral("začíná nebo končí mezerou či tabulátorem, které by se při čtení ztratily");
        break;
    case IniDokument::Prekazka::Delka:
        duvod = QStringLiteral("má více než %1 znaků, které se při čtení načtou").arg(IniDokument::MaxDelkaTextu);
        break;
    case IniDokument::Prekazka::Jina:
        duvod = QStringLiteral("by se při čtení načetl jinak, než byl zapsán");
        break;
    }
    return QStringLiteral("%1 „%2“ nelze uložit do souboru s nastavením: %3.").arg(co, zkraceny(text), duvod);
}

// Names the first text that would not read back the same, so that the user learns which one to change.
std::optional<QString> nezapsatelnyText(const Konfigurace &k)
{
    if (auto zprava = nelzeUlozit(QStringLiteral("Skupinu"), k.ZvolenaSkupina))
        return zprava;
    for (const QString &jmeno : k.Profily)
        if (auto zprava = ProfilNelzeUlozit(jmeno))
            return zprava;
    return nelzeUlozit(QStringLiteral("Aktivní profil"), k.AktivniProfil);
}

} // namespace

bool KonfiguraceJePrilisVelka(const QString &cesta)
{
    const QFileInfo soubor(cesta);
    return soubor.isFile() && soubor.size() > MaxVelikostKonfigurace;
}

std::optional<QString> ProfilNelzeUlozit(const QString &jmeno)
{
    return nelzeUlozit(QStringLiteral("Profil"), jmeno);
}

bool NacistKonfiguraci(const QString &cesta, Konfigurace &k, QString *chyba, QStringList *vyhrady)
{
    if (!QFile::exists(cesta)) {
        k = Konfigurace{};
        return true;
    }
    const std::optional<QByteArray> obsah = nactiSoubor(cesta, chyba);
    if (!obsah)
        return false;
    const IniDokument ini = IniDokument::Nacist(*obsah);

    Konfigurace nova;
    for (int i = 1; i <= Kategorie::Pocet; ++i)
        nova.PovoleneKategorie[i - 1] = ctiPriznak(ini, SekceKategorie, Kategorie::Klic(i));
    nova.ZvolenaSkupina = ini.ReadString(SekceSkupina, KlicSkupina, QString());
    for (std::size_t i = 0; i < KliceProtokolu.size(); ++i)
        nova.VytvaretProtokol[i] = ctiPriznak(ini, SekceProtokoly, KliceProtokolu[i]);
    nova.StavovyRadek = ctiPriznak(ini, SekceKonfigurace, KlicStavovyRadek);
    nova.PostupnyVyber = ctiPriznak(ini, SekceKonfigurace, KlicPostupnyVyber);
    // Off when missing: a file of an older program keeps its order.
    nova.VyberPodlePameti = !nova.PostupnyVyber && ini.ReadInteger(SekceKonfigurace, KlicVyberPodlePameti, 0) != 0;

    // A hand-edited count outside 1..MaxProfilu is pulled into that range: the list never holds
    // more than MaxProfilu names, and the settings dialog relies on at least one (the base profile
    // cannot be removed), so a count of 0 or less reads the single name under key 1.
    const int pocet = std::clamp(ini.ReadInteger(SekceProfily, KlicPocet, 1), 1, MaxProfilu);
    QStringList jmena, vyhradyProfilu;
    for (int i = 1; i <= pocet; ++i)
        jmena.append(ini.ReadString(SekceProfily, QString::number(i), QString()));
    const Konfigurace vychozi;
    nova.Profily = PouzitelnaJmena(jmena, vychozi.AktivniProfil, &vyhradyProfilu);
    nova.AktivniProfil = PouzitelnyAktivni(ini.ReadString(SekceProfily, KlicAktivni, QString()), vychozi.AktivniProfil,
                                           &vyhradyProfilu);

    k = nova;
    if (vyhrady)
        *vyhrady += vyhradyProfilu;
    return true;
}

bool UlozitKonfiguraci(const QString &cesta, const Konfigurace &k, QString *chyba)
{
    const auto selhani = [chyba](const QString &zprava) {
        if (chyba)
            *chyba = zprava;
        return false;
    };

    if (k.Profily.size() > MaxProfilu)
        return selhani(QStringLiteral("Profilů je %1, uložit lze nejvýše %2.").arg(k.Profily.size()).arg(MaxProfilu));
    if (const std::optional<QString> zprava = nezapsatelnyText(k))
        return selhani(*zprava);
    if (KonfiguraceJePrilisVelka(cesta))
        return selhani(QStringLiteral("Soubor s nastavením „%1“ je větší než 1 MB a program ho nepřepíše, protože "
                                      "nepochází z tohoto programu nebo je poškozený. Soubor odstraňte nebo "
                                      "přejmenujte a nastavení uložte znovu.")
                           .arg(zobrazenaCesta(cesta)));

    const std::optional<QByteArray> puvodni = nactiSoubor(cesta, chyba);
    if (!puvodni)
        return false;
    IniDokument ini = IniDokument::Nacist(*puvodni);

    for (int i = 1; i <= Kategorie::Pocet; ++i)
        zapisPriznak(ini, SekceKategorie, Kategorie::Klic(i), k.PovoleneKategorie[i - 1]);
    ini.WriteString(SekceSkupina, KlicSkupina, k.ZvolenaSkupina);
    for (std::size_t i = 0; i < KliceProtokolu.size(); ++i)
        zapisPriznak(ini, SekceProtokoly, KliceProtokolu[i], k.VytvaretProtokol[i]);
    zapisPriznak(ini, SekceKonfigurace, KlicStavovyRadek, k.StavovyRadek);
    zapisPriznak(ini, SekceKonfigurace, KlicPostupnyVyber, k.PostupnyVyber);
    zapisPriznak(ini, SekceKonfigurace, KlicVyberPodlePameti, k.VyberPodlePameti);

    // Rewriting the section drops stale names beyond the new count and puts Profily last.
    ini.EraseSection(SekceProfily);
    ini.WriteInteger(SekceProfily, KlicPocet, int(k.Profily.size()));
    for (int i = 0; i < k.Profily.size(); ++i)
        ini.WriteString(SekceProfily, QString::number(i + 1), k.Profily[i]);
    ini.WriteString(SekceProfily, KlicAktivni, k.AktivniProfil);

    // Our own texts were checked above and the old file's come from decoding Windows-1250, so
    // this fails only if that decoding ever stopped mapping back byte for byte.
    const std::optional<QByteArray> bajty = ini.Zapsat();
    if (!bajty)
        return selhani(QStringLiteral("Soubor s nastavením „%1“ nelze sestavit.").arg(zobrazenaCesta(cesta)));

    // flush() is checked on its own: commit() of Qt 6.4 misses a write the system cut short (a full
    // disk, a size limit) and would put the truncated file in place of the old one.
    QSaveFile soubor(cesta);
    if (!soubor.open(QIODevice::WriteOnly) || soubor.write(*bajty) != bajty->size() || !soubor.flush()
        || !soubor.commit())
        return selhani(QStringLiteral("Soubor s nastavením „%1“ nelze uložit: %2")
                           .arg(zobrazenaCesta(cesta), DuvodSystemu::Text(soubor.errorString())));
    return true;
}
