#include "app/zvetseni.h"

#include "app/dialogy.h"
#include "app/vzhled.h"
#include "data/banka.h"

#include <QLabel>
#include <QMouseEvent>

TZvetseni::TZvetseni(const QString &obrazek, QWidget *vlastnik) : QDialog(vlastnik)
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
