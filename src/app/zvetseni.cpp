#include "app/zvetseni.h"

#include "app/dialogy.h"
#include "data/banka.h"
#include "test/pozicetestu.h"

#include <QLabel>
#include <QMouseEvent>

TZvetseni::TZvetseni(const QString &obrazek, QWidget *vlastnik) : QDialog(vlastnik), m_imgObrazek(new QLabel(this))
{
    setObjectName(QStringLiteral("Zvetseni"));
    setWindowTitle(QStringLiteral("Zvětšený obrázek"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    m_imgObrazek->setObjectName(QStringLiteral("imgObrazek"));
    m_imgObrazek->setAccessibleName(QStringLiteral("Zvětšený obrázek k otázce"));
    m_imgObrazek->setToolTip(QStringLiteral("Zavřete klepnutím nebo klávesou Esc"));
    m_pripraven = ListTestu::NacistObrazek(m_imgObrazek, ObrazkyOtazek::VelkaVerze(obrazek), vlastnik);
    m_imgObrazek->adjustSize();
    setFixedSize(m_imgObrazek->size());
}

void TZvetseni::Ukazat(const QString &obrazek, QWidget *vlastnik)
{
    TZvetseni okno(obrazek, vlastnik);
    if (!okno.Pripraven())
        return;
    Dialogy::Vycentrovat(&okno, vlastnik->window());
    okno.exec();
}

// A click anywhere on the picture closes it.
void TZvetseni::mousePressEvent(QMouseEvent *udalost)
{
    udalost->accept();
    accept();
}
