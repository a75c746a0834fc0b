// The mode switch and browse mode of the main window.
#include "app/hlavniformular.h"

#include "app/dialogy.h"
#include "app/spintlacitko.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>

namespace {

QString T(const char *utf8) { return QString::fromUtf8(utf8); }

const QString Prohlizeni = QStringLiteral("Prohlizeni");
const QString Procvicovani = QStringLiteral("Procvicovani");
const QString Zkouseni = QStringLiteral("Zkouseni");

void Umistit(QLabel *l, int x, int y) { l->move(x, y); }

} // namespace

void THlavniFormular::VytvoritProhlizeni()
{
    pProhlizeni = new QFrame(pOtazky);
    pProhlizeni->setObjectName(QStringLiteral("pProhlizeni"));
    pProhlizeni->setFrameStyle(QFrame::Panel | QFrame::Raised);
    pProhlizeni->setGeometry(489, 263, 137, 49);
    QPalette zluta = pProhlizeni->palette();
    zluta.setColor(QPalette::Window, QColor(255, 255, 0));
    pProhlizeni->setPalette(zluta);
    pProhlizeni->setAutoFillBackground(true);
    QFont mala(QStringLiteral("MS Sans Serif"));
    mala.setPointSize(8);
    pProhlizeni->setFont(mala);

    lbProhlizeni = new QLabel(T("Prohlížení na přání"), pProhlizeni);
    lbProhlizeni->setObjectName(QStringLiteral("lbProhlizeni"));
    QFont tucne = mala;
    tucne.setBold(true);
    lbProhlizeni->setFont(tucne);
    lbProhlizeni->move(14, 7);

    eCisloO = new QLineEdit(QStringLiteral("1"), pProhlizeni);
    eCisloO->setObjectName(QStringLiteral("eCisloO"));
    eCisloO->setAccessibleName(T("Číslo otázky"));
    eCisloO->setGeometry(40, 24, 33, 21);
    eCisloO->installEventFilter(this);

    sb1 = new TSpinTlacitko(pProhlizeni);
    sb1->setObjectName(QStringLiteral("sb1"));
    sb1->setAccessibleName(T("Další a předchozí otázka"));
    sb1->setGeometry(72, 25, 20, 19);
    setTabOrder(eCisloO, sb1);
    connect(sb1, &TSpinTlacitko::DoluClick, this, &THlavniFormular::sb1DownClick);
    connect(sb1, &TSpinTlacitko::NahoruClick, this, &THlavniFormular::sb1UpClick);
    pProhlizeni->hide();
}

void THlavniFormular::PrepnoutRezim(const QString &rezim, bool zapnout)
{
    // 1. Menus, status bar, panels, answer marks.
    for (QAction *a : std::as_const(Menu1))
        a->setVisible(!zapnout);
    for (QAction *a : std::as_const(Menu2))
        a->setVisible(zapnout && a != M2OznacSpravne);
    if (zapnout) {
        StavovyRadek1->hide();
        for (QLabel *img : imgOdpovedi)
            NacistObrazek(img, QStringLiteral("grafika\\yes.jpg"));
    } else {
        StavovyRadek1->setVisible(M1StavovyRadek->isChecked());
    }
    if (zapnout) {
        QList<QLabel *> popisky = pPomoc->findChildren<QLabel *>();
        popisky << lbProhlizeni;
        for (QLabel *l : std::as_const(popisky))
            if (l->pixmap().isNull())
                l->adjustSize();
    }
    // 2.
    pPomoc->setVisible(zapnout);
    pOtazky->setVisible(zapnout);
    if (zapnout)
        imgPozadi->hide();
    else
        imgPozadi->show();
    // 3.
    lbUzivatel->setText(T("Aktivní profil uživatele: ") + m_stav.AktivniProfil);
    lbUzivatel->adjustSize();
    lbSkupina->setText(T("Skupina: ") + m_stav.ZvolenaSkupina);
    lbSkupina->adjustSize();

    // 4. Browse mode.
    if (rezim == Prohlizeni) {
        Zaskrtnout(M1Prohlizet, zapnout);
        pProhlizeni->setVisible(zapnout);
        stPoznamka->setVisible(zapnout);
        lbKonecRezimu->setText(T("Pro ukončení režimu prohlížení stiskněte \"Konec režimu\""));
        lbKonecRezimu->adjustSize();
        lbNe->setEnabled(!zapnout);
        lbNic->setEnabled(!zapnout);
        for (QWidget *w : {static_cast<QWidget *>(Cara1), static_cast<QWidget *>(Cara2),
                           static_cast<QWidget *>(lbCelkemOtazek), static_cast<QWidget *>(lbZbyvaOtazek),
                           static_cast<QWidget *>(lbUspesnost), static_cast<QWidget *>(lbJakNaTo),
                           static_cast<QWidget *>(lbSkupina), static_cast<QWidget *>(lbNapoveda)})
            w->setVisible(!zapnout);
        Umistit(lbKonecRezimu, 284, 17);
        Umistit(lbUzivatel, lbKonecRezimu->x() + (lbKonecRezimu->width() - lbUzivatel->width()) / 2, 40);
        if (zapnout) {
            eCisloO->setText(QStringLiteral("1"));
            ZobrazitOtazku(1);
        }
    } else {
        Umistit(lbKonecRezimu, 212, 19);
        Umistit(lbUzivatel, 212, 52);
    }

    // 5. Practice and examination.
    if (rezim == Procvicovani || rezim == Zkouseni) {
        if (rezim == Procvicovani) {
            Zaskrtnout(M1Procvicovat, zapnout);
            lbKonecRezimu->setText(T("Pro ukončení režimu procvičování stiskněte \"Konec režimu\""));
            M2OznacSpravne->setVisible(zapnout);
        } else {
            lbKonecRezimu->setText(T("Pro ukončení režimu zkoušení stiskněte \"Konec režimu\""));
            Zaskrtnout(M1Zkouset, zapnout);
            lbNapoveda->setVisible(!zapnout);
            Umistit(lbKonecRezimu, lbKonecRezimu->x(), 28);
            Umistit(lbUzivatel, lbUzivatel->x(), 48);
            Umistit(lbSkupina, lbSkupina->x(), 48);
            Umistit(lbJakNaTo, lbJakNaTo->x(), 8);
        }
        lbKonecRezimu->adjustSize();
        m_stav.CekaNaOdpoved = zapnout;
        m_stav.OpakovatSeznam = m_stav.OpravaZVysledku;
        for (QLabel *img : imgOdpovedi)
            img->hide();
        if (zapnout) {
            m_stav.PocetSpatnych = m_stav.PocetNapoved = m_stav.UspesnostBehu = 0;
            lbUspesnost->setText(T("Úspěšnost: 0%"));
            lbUspesnost->adjustSize();
            m_stav.SpatneOtazky.clear();
            m_stav.OtazkySNapovedou.clear();
        } else {
            m_stav.SeznamOtazek.clear();
            m_stav.SpatneOtazky.clear();
            m_stav.OtazkySNapovedou.clear();
            Umistit(lbKonecRezimu, lbKonecRezimu->x(), 19);
            Umistit(lbUzivatel, lbUzivatel->x(), 52);
            Umistit(lbSkupina, lbSkupina->x(), 52);
            Umistit(lbJakNaTo, lbJakNaTo->x(), 4);
        }
    }
}

void THlavniFormular::M2KonecRezimuClick()
{
    if (M1Prohlizet->isChecked()) {
        PrepnoutRezim(Prohlizeni, false);
        return;
    }
    if (!Dialogy::Otazka(this, T("Opravdu chcete skončit, i když úlohy nejsou dokončeny?")))
        return;
    if (m_stav.OpravaZVysledku)
        m_stav.ZvolenaSkupina = m_stav.PuvodniSkupina;
    m_stav.OpravaZVysledku = false;
    if (M1Procvicovat->isChecked())
        PrepnoutRezim(Procvicovani, false);
    if (M1Zkouset->isChecked())
        PrepnoutRezim(Zkouseni, false);
}

bool THlavniFormular::JenCislice() const
{
    const QString text = eCisloO->text();
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// The edit's number; a text that is not one is reported and leaves everything as it was.
bool THlavniFormular::CisloZEditu(int &cislo)
{
    bool ok = false;
    if (JenCislice())
        cislo = eCisloO->text().toInt(&ok);
    if (!ok) {
        Dialogy::Chyba(this, T("\"%1\" není platná integer hodnota!").arg(eCisloO->text()));
        eCisloO->setFocus();
    }
    return ok;
}

void THlavniFormular::sb1DownClick()
{
    int n = 0;
    if (!CisloZEditu(n))
        return;
    if (n > 1) {
        eCisloO->setText(QString::number(n - 1));
        ZobrazitOtazku(n - 1);
    }
}

void THlavniFormular::sb1UpClick()
{
    int n = 0;
    if (!CisloZEditu(n))
        return;
    if (n < 757) {
        eCisloO->setText(QString::number(n + 1));
        ZobrazitOtazku(n + 1);
    }
}

void THlavniFormular::eCisloOKeyDown(int klavesa)
{
    if (klavesa != Qt::Key_Return && klavesa != Qt::Key_Enter)
        return;
    int n = 0;
    if (!CisloZEditu(n))
        return;
    if (n < 1) {
        eCisloO->setText(QStringLiteral("1"));
        n = 1;
    }
    if (n > 757) {
        eCisloO->setText(QStringLiteral("757"));
        n = 757;
    }
    ZobrazitOtazku(n);
}

bool THlavniFormular::eventFilter(QObject *objekt, QEvent *udalost)
{
    if (objekt == eCisloO && udalost->type() == QEvent::KeyPress) {
        const int klavesa = static_cast<QKeyEvent *>(udalost)->key();
        if (klavesa == Qt::Key_Return || klavesa == Qt::Key_Enter) {
            eCisloOKeyDown(klavesa);
            return true;
        }
    }
    return QMainWindow::eventFilter(objekt, udalost);
}
