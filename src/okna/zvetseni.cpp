#include "okna/zvetseni.h"

#include "data/banka.h"
#include "okna/dialogy.h"
#include "okna/vzhled.h"

#include <QLabel>
#include <QMouseEvent>
#include <QShortcut>

TZvetseni::TZvetseni(const QString &obrazek, QWidget *vlastnik) : QDialog(vlastnik), m_obrazek(obrazek)
{
    setObjectName(QStringLiteral("Zvetseni"));
    setWindowTitle(QStringLiteral("Zvětšený obrázek"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    auto *imgObrazek = new QLabel(this);
    imgObrazek->setObjectName(QStringLiteral("imgObrazek"));
    imgObrazek->setAccessibleName(QStringLiteral("Zvětšený obrázek k otázce"));
    imgObrazek->setToolTip(QStringLiteral("Zavřete klepnutím nebo klávesou Esc"));
    m_pripraven = Vzhled::NacistObrazek(imgObrazek, ObrazkyOtazek::VelkaVerze(obrazek), vlastnik);
    imgObrazek->adjustSize();
    setFixedSize(imgObrazek->size());
}

void TZvetseni::Ukazat(const QString &obrazek, QWidget *vlastnik)
{
    TZvetseni okno(obrazek, vlastnik);
    if (!okno.Pripraven())
        return;
    if (vlastnik)
        Dialogy::Vycentrovat(&okno, vlastnik->window());
    okno.exec();
}

// A click anywhere on the picture closes it.
void TZvetseni::mousePressEvent(QMouseEvent *udalost)
{
    udalost->accept();
    accept();
}

TObrazekOtazky::TObrazekOtazky(QWidget *rodic) : QLabel(rodic)
{
    setCursor(Qt::PointingHandCursor);
    setToolTip(QStringLiteral("Klepnutím nebo klávesou Z obrázek zvětšíte"));
}

bool TObrazekOtazky::Nacist(const QString &obrazek)
{
    const bool nacten = Vzhled::NacistObrazek(this, obrazek, window());
    m_obrazek = nacten ? obrazek : QString();
    return nacten;
}

void TObrazekOtazky::Zvetsit()
{
    if (!m_obrazek.isEmpty() && isVisible())
        TZvetseni::Ukazat(m_obrazek, this);
}

void TObrazekOtazky::KlavesaZ(QWidget *rodic, std::function<TObrazekOtazky *()> najit)
{
    auto *klavesa = new QShortcut(QKeySequence(Qt::Key_Z), rodic);
    klavesa->setObjectName(QStringLiteral("klavesaZ"));
    QObject::connect(klavesa, &QShortcut::activated, rodic, [najit = std::move(najit)] {
        if (TObrazekOtazky *obrazek = najit())
            obrazek->Zvetsit();
    });
}

void TObrazekOtazky::mousePressEvent(QMouseEvent *udalost)
{
    if (udalost->button() != Qt::LeftButton) {
        QLabel::mousePressEvent(udalost);
        return;
    }
    udalost->accept();
    Zvetsit();
}
