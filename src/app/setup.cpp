#include "app/setup.h"

#include "data/banka.h"
#include "data/kategorie.h"
#include "data/konfigurace.h"
#include "okna/dialogy.h"
#include "okna/vzhled.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

constexpr int SirkaKlienta = 560;
constexpr int VyskaKlienta = 364;

template <typename T>
T *Prvek(QWidget *rodic, const char *jmeno, const QString &text, QRect kde)
{
    auto *p = new T(text, rodic);
    p->setObjectName(QString::fromLatin1(jmeno));
    p->setGeometry(kde);
    return p;
}

// Captions and places of the group buttons in the order of Skupiny::Vsechny, laid out in rows
// "A A1 AM", "B B1 T", "C", "D".
struct TlacitkoSkupiny {
    const char *jmeno;
    QString text;
    QRect kde;
};

const std::array<TlacitkoSkupiny, 8> &TlacitkaSkupin()
{
    static const std::array<TlacitkoSkupiny, 8> tlacitka{{
        {"rbAM", QStringLiteral("AM"), {128, 20, 50, 18}},
        {"rbA1", QStringLiteral("A1"), {68, 20, 50, 18}},
        {"rbA", QStringLiteral("A"), {10, 20, 50, 18}},
        {"rbB1", QStringLiteral("B1"), {96, 42, 44, 18}},
        {"rbB", QStringLiteral("B (B+E) *"), {10, 42, 84, 18}},
        {"rbC", QStringLiteral("C (C1, C+E, C1+E) *"), {10, 64, 176, 18}},
        {"rbD", QStringLiteral("D (D1, D+E, D1+E) *"), {10, 86, 176, 18}},
        {"rbT", QStringLiteral("T"), {148, 42, 40, 18}},
    }};
    return tlacitka;
}

} // namespace

TNastaveni::TNastaveni(Konfigurace &nastaveni, QStringList &znameProfily, QWidget *rodic)
    : QDialog(rodic), m_nastaveni(nastaveni), m_znameProfily(znameProfily), m_profily(nastaveni.Profily)
{
    setObjectName(QStringLiteral("Nastaveni"));
    setWindowTitle(QStringLiteral("Nastavení programu Semaforix"));
    setWindowFlags(Qt::Dialog | Vzhled::Titulek);
    setFont(Vzhled::PismoOkna());
    setFixedSize(SirkaKlienta, VyskaKlienta);

    // Controls in the order they are made; the keyboard's order is set below.
    Prvek<QLabel>(this, "lbHvezda", QStringLiteral("*"), {354, 132, 8, 16});

    auto *gbSkupina = Prvek<QGroupBox>(this, "gbSkupina", QStringLiteral("Skupina řidičského oprávnění:"),
                                       {346, 8, 206, 116});
    auto *skupiny = new QButtonGroup(this);
    for (size_t i = 0; i < m_skupiny.size(); ++i) {
        const TlacitkoSkupiny &t = TlacitkaSkupin()[i];
        m_skupiny[i] = Prvek<QRadioButton>(gbSkupina, t.jmeno, t.text, t.kde);
        skupiny->addButton(m_skupiny[i]);
    }

    auto *gbZK = Prvek<QGroupBox>(this, "gbZK", QStringLiteral("Procvičovat/zkoušet otázky z kategorie:"),
                                  {8, 8, 330, 182});
    const std::array<const char *, 7> kategorie{"cbPravidla", "cbOpravneni", "cbZakonDoprava", "cbZdravoveda",
                                                "cbPodminky", "cbZnacky", "cbKrizovatky"};
    for (int k = 1; k <= Kategorie::Pocet; ++k) {
        m_kategorie[k - 1] = Prvek<QCheckBox>(gbZK, kategorie[k - 1], Kategorie::Nazev(k), {10, 22 + (k - 1) * 22, 314, 18});
    }

    auto *stPozn = Prvek<QLabel>(this, "stPozn",
                                 QStringLiteral("skupiny v závorce se od skupiny před závorkou liší pouze omezením "
                                                "v rámci skupiny (otázky pro ně i počet bodů je všude stejný)"),
                                 {364, 132, 188, 60});
    stPozn->setWordWrap(true);
    stPozn->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto *gbProtokol = Prvek<QGroupBox>(this, "gbProtokol", QStringLiteral("Vytvářet protokol u:"), {8, 216, 544, 86});
    const std::array<std::pair<const char *, QString>, 3> protokoly{{
        {"cbProcvicovani", QStringLiteral("Procvičování testových otázek (z určitých či všech kategorií)")},
        {"cbZkouseni", QStringLiteral("Zkoušení testových otázek (z určitých či všech kategorií)")},
        {"cbTest", QStringLiteral("Testu z pravidel silničního provozu")},
    }};
    for (size_t i = 0; i < m_protokoly.size(); ++i) {
        m_protokoly[i] = Prvek<QCheckBox>(gbProtokol, protokoly[i].first, protokoly[i].second,
                                          {10, 20 + static_cast<int>(i) * 21, 524, 18});
    }

    auto *btnOK = Prvek<QPushButton>(this, "btnOK", QStringLiteral("OK"), {394, 326, 75, 25});
    auto *btnStormo = Prvek<QPushButton>(this, "btnStormo", QStringLiteral("Storno"), {477, 326, 75, 25});
    btnOK->setDefault(true);

    auto *gbProfil = Prvek<QGroupBox>(this, "gbProfil", QStringLiteral("Profil uživatele:"), {8, 310, 336, 48});
    m_comboProfil = new QComboBox(gbProfil);
    m_comboProfil->setObjectName(QStringLiteral("comboProfil"));
    m_comboProfil->setEditable(true);
    // The list is kept sorted here; a name typed and confirmed never joins it on its own.
    m_comboProfil->setInsertPolicy(QComboBox::NoInsert);
    m_comboProfil->setMaxVisibleItems(MaxProfilu);
    m_comboProfil->setGeometry(10, 18, 168, 22);
    m_comboProfil->setAccessibleName(QStringLiteral("Profil uživatele"));
    m_comboProfil->installEventFilter(this);
    auto *btnVytvoritU = Prvek<QPushButton>(gbProfil, "btnVytvoritU", QStringLiteral("Vytvořit"), {184, 17, 70, 24});
    auto *btnVymazatU = Prvek<QPushButton>(gbProfil, "btnVymazatU", QStringLiteral("Vymazat"), {258, 17, 70, 24});
    for (QPushButton *b : {btnVytvoritU, btnVymazatU, btnStormo})
        b->setAutoDefault(false);

    connect(btnOK, &QPushButton::clicked, this, &TNastaveni::btnOKClick);
    connect(btnStormo, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnVytvoritU, &QPushButton::clicked, this, &TNastaveni::btnVytvoritUClick);
    connect(btnVymazatU, &QPushButton::clicked, this, &TNastaveni::btnVymazatUClick);
    connect(m_comboProfil, &QComboBox::activated, this, &TNastaveni::comboProfilClick);

    FormCreate();

    // The keyboard goes from the top left to the bottom right: categories, group, protocols, profile,
    // then OK and Storno. Tab enters the group at its first button, which is the chosen one (the
    // arrows choose another).
    QList<QWidget *> poradi(m_kategorie.begin(), m_kategorie.end());
    QList<QWidget *> tlacitkaSkupin;
    for (size_t i : {2, 1, 0, 4, 3, 7, 5, 6})
        tlacitkaSkupin.insert(m_skupiny[i]->isChecked() ? 0 : tlacitkaSkupin.size(), m_skupiny[i]);
    poradi << tlacitkaSkupin << QList<QWidget *>(m_protokoly.begin(), m_protokoly.end());
    poradi << m_comboProfil << btnVytvoritU << btnVymazatU << btnOK << btnStormo;
    Vzhled::PoradiKlavesnice(poradi);
}

void TNastaveni::FormCreate()
{
    for (size_t k = 0; k < m_kategorie.size(); ++k)
        m_kategorie[k]->setChecked(m_nastaveni.PovoleneKategorie[k]);
    for (size_t i = 0; i < m_protokoly.size(); ++i)
        m_protokoly[i]->setChecked(m_nastaveni.VytvaretProtokol[i]);
    for (size_t i = 0; i < m_skupiny.size(); ++i)
        if (Skupiny::Vsechny[i] == m_nastaveni.ZvolenaSkupina)
            m_skupiny[i]->setChecked(true);
    NaplnitSeznam();
    m_comboProfil->setEditText(m_nastaveni.AktivniProfil);
    m_comboProfil->lineEdit()->home(false); // a long name shows its beginning
    m_vybranyProfil = m_comboProfil->currentText();
}

// Fills the drop-down list from the sorted names, keeping the edit text.
void TNastaveni::NaplnitSeznam()
{
    const QString text = m_comboProfil->currentText();
    m_comboProfil->clear();
    m_comboProfil->addItems(m_profily.Jmena());
    m_comboProfil->setCurrentIndex(-1);
    m_comboProfil->setEditText(text);
}

void TNastaveni::btnVytvoritUClick()
{
    const std::optional<QString> jmeno =
        Dialogy::Vstup(this, QStringLiteral("Vytvoření nového profilu"), QStringLiteral("Nový profil:"),
                       QStringLiteral("Profil"), SeznamProfilu::MaxDelkaJmena);
    if (!jmeno)
        return;
    if (const auto odmitnuti = m_profily.Vytvorit(*jmeno)) {
        if (odmitnuti->chyba)
            Dialogy::Chyba(this, odmitnuti->text);
        else
            Dialogy::Informace(this, odmitnuti->text);
        return;
    }
    NaplnitSeznam();
    m_comboProfil->setEditText(*jmeno);
    m_vybranyProfil = *jmeno;
}

void TNastaveni::btnVymazatUClick()
{
    if (const auto odmitnuti = m_profily.Vymazat(m_comboProfil->currentText())) {
        Dialogy::Chyba(this, odmitnuti->text);
        return;
    }
    m_comboProfil->setEditText(SeznamProfilu::ZakladniProfil);
    NaplnitSeznam();
    m_vybranyProfil = SeznamProfilu::ZakladniProfil;
}

bool TNastaveni::eventFilter(QObject *objekt, QEvent *udalost)
{
    if (objekt == m_comboProfil && udalost->type() == QEvent::KeyPress) {
        const int klavesa = static_cast<QKeyEvent *>(udalost)->key();
        if (klavesa == Qt::Key_Return || klavesa == Qt::Key_Enter || klavesa == Qt::Key_Escape) {
            comboProfilKeyPress();
            return true; // neither confirms nor closes the dialog
        }
    }
    return QDialog::eventFilter(objekt, udalost);
}

void TNastaveni::comboProfilKeyPress()
{
    m_comboProfil->setEditText(m_vybranyProfil);
    m_comboProfil->lineEdit()->selectAll();
}

void TNastaveni::comboProfilClick(int index)
{
    if (index >= 0)
        m_vybranyProfil = m_comboProfil->itemText(index);
}

void TNastaveni::btnOKClick()
{
    for (size_t k = 0; k < m_kategorie.size(); ++k)
        m_nastaveni.PovoleneKategorie[k] = m_kategorie[k]->isChecked();
    for (size_t i = 0; i < m_skupiny.size(); ++i)
        if (m_skupiny[i]->isChecked())
            m_nastaveni.ZvolenaSkupina = Skupiny::Vsechny[i];
    for (size_t i = 0; i < m_protokoly.size(); ++i)
        m_nastaveni.VytvaretProtokol[i] = m_protokoly[i]->isChecked();
    m_nastaveni.Profily = m_profily.Jmena();
    // A profile created here is one this run knows: unless it is saved, its results go at close.
    for (const QString &jmeno : std::as_const(m_nastaveni.Profily))
        if (!m_znameProfily.contains(jmeno))
            m_znameProfily.append(jmeno);
    m_nastaveni.AktivniProfil = m_profily.Najit(m_comboProfil->currentText()).value_or(m_vybranyProfil);
    accept();
}
