#include "uceni/modulprehledu.h"

#include "data/adresare.h"
#include "data/banka.h"
#include "data/duvodsystemu.h"
#include "data/hodiny.h"
#include "data/konfigurace.h"
#include "okna/dialogy.h"
#include "uceni/prehledznalosti.h"
#include "uceni/terminzkousky.h"

#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QLibrary>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>
#include <memory>

using namespace PrehledZnalosti;

namespace ModulPrehledu {

namespace {

// Loaded once and never unloaded: Qt Charts keeps state of its own for the program's run.
Tovarna tovarna = nullptr;

Tovarna NacistModul(QString &chyba)
{
    if (tovarna)
        return tovarna;
    const QString cesta = Adresare::Modul(Soubor);
    QString duvod;
    // A missing file said plainly: the loader would try other names and tell of the last one.
    if (!QFileInfo::exists(cesta)) {
        duvod = QStringLiteral("Soubor neexistuje.");
    } else {
        QLibrary knihovna(cesta);
        // Every symbol bound now, so that a module that does not fit fails here, told, and not later
        // in the middle of the window.
        knihovna.setLoadHints(QLibrary::ResolveAllSymbolsHint);
        tovarna = knihovna.load() ? reinterpret_cast<Tovarna>(knihovna.resolve(JmenoTovarny)) : nullptr;
        duvod = DuvodSystemu::Text(knihovna.errorString());
    }
    if (!tovarna)
        chyba = QStringLiteral("Přehled znalostí nelze otevřít: jeho modul „%1“ se nepodařilo načíst.\n%2")
                    .arg(QDir::toNativeSeparators(cesta), duvod);
    return tovarna;
}

// What the window asks of the program: the estimate over the learner's memory, its picture saved
// among the user's pictures, and the exam day stored when the learner changed it.
class Obsluha : public ObsluhaPrehledu {
public:
    Obsluha(const BankaOtazek &banka, const QString &profil, const QString &skupina, const PametProfilu &pamet,
            const QDate &den)
        : m_banka(banka), m_profil(profil), m_skupina(skupina), m_pamet(pamet), m_den(den)
    {
    }

    Pripravenost Odhadnout(const QDate &denZkousky) override
    {
        return PripravenostNaDen(m_banka, m_skupina, m_pamet, denZkousky);
    }

    void UlozitObrazek(QWidget *okno, const QImage &obrazek) override
    {
        // Offered among the user's pictures, not in the program's directory, which may take no file.
        QString slozka = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
        if (slozka.isEmpty() || !QFileInfo(slozka).isDir())
            slozka = QDir::homePath();
        QString jmeno = Dialogy::UlozitSoubor(okno, QStringLiteral("Uložit obrázek přehledu"),
                                              QDir(slozka).filePath(QStringLiteral("prehled-znalosti.png")),
                                              QStringLiteral("Obrázky PNG (*.png)"));
        if (jmeno.isEmpty())
            return;
        if (!jmeno.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive))
            jmeno += QStringLiteral(".png");
        // Written whole or not at all: a failure leaves any earlier file of that name as it was.
        QSaveFile soubor(jmeno);
        if (!soubor.open(QIODevice::WriteOnly) || !obrazek.save(&soubor, "PNG") || !soubor.commit())
            Dialogy::Chyba(okno, QStringLiteral("Obrázek nelze uložit do souboru „%1“: %2")
                                     .arg(jmeno, DuvodSystemu::Text(soubor.errorString())));
    }

    // A day the learner chose is kept (a stored day that has passed and was shown as today is left
    // alone); a failure to store it is reported and costs nothing else.
    void Zavrit(QWidget *okno, const QDate &denZkousky) override
    {
        if (denZkousky == m_den)
            return;
        try {
            TerminZkousky::Zapsat(m_profil, denZkousky);
            m_den = denZkousky;
        } catch (const ChybaTabulky &e) {
            Dialogy::Chyba(okno, e.Text());
        }
    }

private:
    const BankaOtazek &m_banka;
    QString m_profil, m_skupina;
    const PametProfilu &m_pamet;
    QDate m_den; // the day the window showed when it opened, or the one stored since
};

} // namespace

void PouzitTovarnu(Tovarna t) { tovarna = t; }

QList<int> Otevrit(const BankaOtazek &banka, const Konfigurace &nastaveni, const PametProfilu &pamet, QWidget *rodic)
{
    QString chyba;
    const Tovarna vytvorit = NacistModul(chyba);
    if (!vytvorit) {
        Dialogy::Chyba(rodic, chyba);
        return {};
    }
    const QDate dnes = Hodiny::Ted().date();
    QDate ulozenyDen = dnes;
    try {
        QString vyhrada;
        ulozenyDen = TerminZkousky::Precist(nastaveni.AktivniProfil, dnes, &vyhrada).value_or(dnes);
        if (!vyhrada.isEmpty())
            Dialogy::Informace(rodic, vyhrada);
    } catch (const ChybaTabulky &e) {
        Dialogy::Chyba(rodic, e.Text());
    }
    const UdajePrehledu udaje = Udaje(banka, nastaveni, pamet, dnes, ulozenyDen);
    // The window shows today for a day that has passed.
    Obsluha obsluha(banka, nastaveni.AktivniProfil, nastaveni.ZvolenaSkupina, pamet, std::max(ulozenyDen, dnes));
    const std::unique_ptr<QDialog> okno(vytvorit(udaje, obsluha, rodic));
    if (rodic)
        Dialogy::Vycentrovat(okno.get(), rodic);
    if (okno->exec() != Procvicit)
        return {};
    return udaje.kOpakovani.otazky;
}

} // namespace ModulPrehledu
