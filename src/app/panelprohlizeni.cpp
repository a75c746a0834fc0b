#include "app/panelprohlizeni.h"

#include "app/spintlacitko.h"
#include "data/kategorie.h"
#include "okna/dialogy.h"
#include "okna/vzhled.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

TPanelProhlizeni::TPanelProhlizeni(QWidget *rodic) : QFrame(rodic)
{
    setObjectName(QStringLiteral("pProhlizeni"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setGeometry(489, 263, 137, 49);
    Vzhled::BarvaPozadi(this, Qt::yellow);
    const QFont mala = Vzhled::PismoOkna();
    setFont(mala);

    auto *lbProhlizeni = new QLabel(QStringLiteral("Prohlížení na přání"), this);
    lbProhlizeni->setObjectName(QStringLiteral("lbProhlizeni"));
    QFont tucne = mala;
    tucne.setBold(true);
    lbProhlizeni->setFont(tucne);
    lbProhlizeni->move(14, 7);

    // Made once the panel has its own font, so that the edit does not measure the question
    // panel's larger one, which start-up can spare.
    m_eCisloO = new QLineEdit(QStringLiteral("1"), this);
    m_sb1 = new TSpinTlacitko(this);
    m_eCisloO->setObjectName(QStringLiteral("eCisloO"));
    m_eCisloO->setAccessibleName(QStringLiteral("Číslo otázky"));
    m_eCisloO->setGeometry(40, 24, 33, 21);
    m_eCisloO->installEventFilter(this);

    m_sb1->setObjectName(QStringLiteral("sb1"));
    m_sb1->setAccessibleName(QStringLiteral("Další a předchozí otázka"));
    m_sb1->setGeometry(72, 25, 20, 19);
    setTabOrder(m_eCisloO, m_sb1);
    connect(m_sb1, &TSpinTlacitko::DoluClick, this, &TPanelProhlizeni::sb1DownClick);
    connect(m_sb1, &TSpinTlacitko::NahoruClick, this, &TPanelProhlizeni::sb1UpClick);
}

void TPanelProhlizeni::Zacit()
{
    findChild<QLabel *>(QStringLiteral("lbProhlizeni"))->adjustSize();
    m_eCisloO->setText(QStringLiteral("1"));
    emit ZobrazitOtazku(1);
    // A number typed at once replaces the 1.
    m_eCisloO->setFocus();
    m_eCisloO->selectAll();
}

bool TPanelProhlizeni::JenCislice() const
{
    const QString text = m_eCisloO->text();
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// The edit's number; a text that is not one is reported and leaves everything as it was.
bool TPanelProhlizeni::CisloZEditu(int &cislo)
{
    bool ok = false;
    if (JenCislice())
        cislo = m_eCisloO->text().toInt(&ok);
    if (!ok) {
        Dialogy::Chyba(this, QStringLiteral("\"%1\" není platná integer hodnota!").arg(m_eCisloO->text()));
        m_eCisloO->setFocus();
    }
    return ok;
}

void TPanelProhlizeni::sb1DownClick()
{
    int n = 0;
    if (!CisloZEditu(n) || n <= 1)
        return;
    m_eCisloO->setText(QString::number(n - 1));
    emit ZobrazitOtazku(n - 1);
}

void TPanelProhlizeni::sb1UpClick()
{
    int n = 0;
    if (!CisloZEditu(n) || n >= Kategorie::NejvyssiCislo)
        return;
    m_eCisloO->setText(QString::number(n + 1));
    emit ZobrazitOtazku(n + 1);
}

void TPanelProhlizeni::eCisloOKeyDown(int klavesa)
{
    if (klavesa != Qt::Key_Return && klavesa != Qt::Key_Enter)
        return;
    int n = 0;
    if (!CisloZEditu(n))
        return;
    if (n < 1) {
        m_eCisloO->setText(QStringLiteral("1"));
        n = 1;
    }
    if (n > Kategorie::NejvyssiCislo) {
        m_eCisloO->setText(QString::number(Kategorie::NejvyssiCislo));
        n = Kategorie::NejvyssiCislo;
    }
    emit ZobrazitOtazku(n);
}

bool TPanelProhlizeni::eventFilter(QObject *objekt, QEvent *udalost)
{
    if (objekt == m_eCisloO && udalost->type() == QEvent::KeyPress) {
        const auto *klavesa = static_cast<QKeyEvent *>(udalost);
        if (klavesa->key() == Qt::Key_Return || klavesa->key() == Qt::Key_Enter) {
            eCisloOKeyDown(klavesa->key());
            return true;
        }
        // Z is no digit: here too it enlarges the picture, as everywhere on the question.
        if (klavesa->key() == Qt::Key_Z && !(klavesa->modifiers() & ~Qt::KeypadModifier)) {
            emit ZvetsitObrazek();
            return true;
        }
    }
    return QFrame::eventFilter(objekt, udalost);
}
