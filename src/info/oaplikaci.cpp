#include "info/oaplikaci.h"

#include "data/adresare.h"
#include "data/banka.h"
#include "kresby/kresby.h"
#include "okna/dialogy.h"
#include "okna/vzhled.h"

#include <QEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUrl>

namespace {

constexpr int Sirka = 440;
constexpr int Vyska = 400;

const QString TextOProgramu = QStringLiteral(
    "Semaforix je trenažér písemné části zkoušky z odborné způsobilosti k řízení motorových "
    "vozidel. Jeho otázky v osmi kategoriích sahají od pravidel provozu přes dopravní značky "
    "a řešení situací na křižovatkách po bezpečnou jízdu; ke každé uvádí vysvětlení, zpravidla s odkazem "
    "na předpis, z něhož správná odpověď plyne, a okruh dnešní zkoušky, do něhož patří.\n"
    "\n"
    "Hlavní výhody tohoto programu:\n"
    "- prohlížení všech otázek se správnými odpověďmi a vysvětlením\n"
    "- procvičování a zkoušení otázek zvolených kategorií a skupiny řidičského oprávnění, "
    "postupně podle čísel nebo v náhodném pořadí\n"
    "- test na body sestavený stejně jako zkušební arch: 25 otázek, 65 bodů, 30 minut\n"
    "- výsledky a protokoly testů pro každý uživatelský profil zvlášť, protokol lze vytisknout "
    "nebo uložit do souboru\n"
    "- opakování špatně zodpovězených otázek\n"
    "- zkouška nanečisto jako dnešní zkouška: 25 otázek podle okruhů, 50 bodů, k úspěchu 43 bodů, "
    "30 minut, s odhadem, jak byste u zkoušky obstáli\n"
    "- 126 otázek bezpečné jízdy a ovládání vozidla (kategorie 8) a u každé otázky její okruh zkoušky\n"
    "- řešení křižovatek, které si můžete přehrát tlačítkem „Přehrát řešení“\n"
    "- výběr otázek podle paměti, který u každé otázky řekne, proč přišla na řadu, a po chybě "
    "v procvičování ukáže vysvětlení\n"
    "- přehled znalostí s plánem učení do dne zkoušky\n"
    "- dotaz na neuložené nastavení při ukončení, takže odpovědi nového profilu nepřijdou nazmar\n"
    "- chyby systému hlášené česky, s důvodem\n"
    "- uložení, které přeruší pád programu nebo počítače, už tabulku s výsledky nezamkne\n"
    "- program pracuje bez připojení k internetu\n"
    "\n"
    "Semaforix je svobodný software: můžete jej šířit a upravovat podle podmínek licence GNU General "
    "Public License, verze 3 nebo (podle své volby) kterékoli pozdější verze, jak ji vydala Free Software "
    "Foundation. Program je šířen v naději, že bude užitečný, avšak BEZ JAKÉKOLI ZÁRUKY. Otázky jsou "
    "vlastní otázky programu, sestavené podle vzoru úředního testu.");

void Tucne(QWidget *w)
{
    QFont f = w->font();
    f.setBold(true);
    w->setFont(f);
}

} // namespace

TAbout::TAbout(QWidget *vlastnik) : QDialog(vlastnik)
{
    setObjectName(QStringLiteral("About"));
    setAttribute(Qt::WA_WindowPropagation);
    setWindowTitle(QStringLiteral("O programu"));
    setWindowFlags(Vzhled::OknoDialogu);
    setFixedSize(Sirka, Vyska);

    auto *gbOkraj = new QGroupBox(this);
    gbOkraj->setObjectName(QStringLiteral("gbOkraj"));
    gbOkraj->setGeometry(8, 4, Sirka - 16, Vyska - 48);

    auto *Image1 = new QLabel(gbOkraj);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAccessibleName(QStringLiteral("Semaforix"));
    Image1->setGeometry(14, 16, 32, 32);
    Image1->setPixmap(Kresby::IkonaOkna().pixmap(32, 32));

    QLabel *lbNazev = Vzhled::Popisek(gbOkraj, "lbNazev", QStringLiteral("Semaforix"), {60, 12});
    QFont nazev = lbNazev->font();
    nazev.setBold(true);
    nazev.setPointSize(nazev.pointSize() + 4);
    lbNazev->setFont(nazev);
    lbNazev->adjustSize();
    Vzhled::Popisek(gbOkraj, "lbVerze", QStringLiteral("verze produktu: 1.18"), {60, 38});
    Vzhled::Popisek(gbOkraj, "lbUprava", QStringLiteral("poslední úprava: 19.8.2003"), {60, 54});
    QLabel *lbDatab = Vzhled::Popisek(gbOkraj, "lbDatab", QStringLiteral("databáze otázek z:"), {60, 70});
    Vzhled::Popisek(gbOkraj, "lb", DatumBanky(), {lbDatab->geometry().right() + 6, 70});

    m_lbInet = Vzhled::Popisek(gbOkraj, "lbInet", Adresa, {14, 94});
    Tucne(m_lbInet);
    m_lbInet->adjustSize();
    m_lbInet->setCursor(Qt::PointingHandCursor);
    m_lbInet->setFocusPolicy(Qt::TabFocus); // reachable without a mouse, opened with Enter or Space
    m_lbInet->setToolTip(QStringLiteral("Otevře stránku v internetovém prohlížeči"));
    m_lbInet->installEventFilter(this);
    ObarvitOdkaz(Qt::blue);

    auto *mText = new QPlainTextEdit(TextOProgramu, gbOkraj);
    mText->setObjectName(QStringLiteral("mText"));
    mText->setReadOnly(true);
    mText->setGeometry(14, 116, gbOkraj->width() - 28, 176);
    QPalette paleta = mText->palette();
    paleta.setColor(QPalette::Base, Qt::yellow);
    paleta.setColor(QPalette::Text, Qt::black);
    mText->setPalette(paleta);

    // What this program can truthfully say of its questions.
    auto *stAtestace = new QLabel(
        QStringLiteral("Otázky i vysvětlení k nim byly ověřeny podle předpisů platných při vydání "
                       "databáze, zejména zákona č. 361/2000 Sb., vyhlášky č. 294/2015 Sb. "
                       "a zákona č. 56/2001 Sb."),
        gbOkraj);
    stAtestace->setObjectName(QStringLiteral("stAtestace"));
    stAtestace->setWordWrap(true);
    Tucne(stAtestace);
    stAtestace->setGeometry(14, 298, gbOkraj->width() - 28, 50);
    stAtestace->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto *btnOK = new QPushButton(QStringLiteral("&OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setGeometry((Sirka - 80) / 2, Vyska - 36, 80, 26);
    btnOK->setDefault(true);
    btnOK->setFocus();
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
}

QString TAbout::DatumBanky()
{
    // The memo file of the bank in use: the one the bank opens, from the data directory.
    const QFileInfo soubor(Adresare::Zdroj(BankaOtazek::JmenoTabulky + QStringLiteral(".MB")));
    return QLocale(QLocale::Czech, QLocale::Czechia).toString(soubor.lastModified().date(), QLocale::ShortFormat);
}

void TAbout::ObarvitOdkaz(const QColor &barva) { Vzhled::BarvaTextu(m_lbInet, barva); }

// Without a browser the learner gets the address on a line of its own, to copy it from the box.
void TAbout::lbInetClick()
{
    if (!Dialogy::OtevritAdresu(QUrl(m_lbInet->text())))
        Dialogy::Informace(this, QStringLiteral("Internetový prohlížeč se nepodařilo spustit. Adresu stránky si odtud "
                                                "můžete zkopírovat:\n\n%1").arg(m_lbInet->text()));
}

bool TAbout::eventFilter(QObject *objekt, QEvent *udalost)
{
    if (objekt == m_lbInet) {
        switch (udalost->type()) {
        case QEvent::Enter:
            ObarvitOdkaz(Qt::red);
            break;
        case QEvent::Leave:
            ObarvitOdkaz(Qt::blue);
            break;
        case QEvent::MouseButtonRelease:
            if (static_cast<QMouseEvent *>(udalost)->button() == Qt::LeftButton
                && m_lbInet->rect().contains(static_cast<QMouseEvent *>(udalost)->position().toPoint())) {
                lbInetClick();
                return true;
            }
            break;
        case QEvent::KeyPress: {
            const int klavesa = static_cast<QKeyEvent *>(udalost)->key();
            if (klavesa == Qt::Key_Return || klavesa == Qt::Key_Enter || klavesa == Qt::Key_Space) {
                lbInetClick();
                return true;
            }
            break;
        }
        default:
            break;
        }
    }
    return QDialog::eventFilter(objekt, udalost);
}
