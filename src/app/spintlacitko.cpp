#include "app/spintlacitko.h"

#include <QKeyEvent>
#include <QToolButton>

TSpinTlacitko::TSpinTlacitko(QWidget *rodic)
    : QWidget(rodic), m_nahoru(new QToolButton(this)), m_dolu(new QToolButton(this))
{
    setFocusPolicy(Qt::StrongFocus);
    for (QToolButton *b : {m_nahoru, m_dolu}) {
        b->setAutoRepeat(true);
        b->setAutoRepeatDelay(400);
        b->setAutoRepeatInterval(100);
        b->setFocusPolicy(Qt::NoFocus);
    }
    m_nahoru->setArrowType(Qt::UpArrow);
    m_dolu->setArrowType(Qt::DownArrow);
    m_nahoru->setAccessibleName(QStringLiteral("Nahoru"));
    m_dolu->setAccessibleName(QStringLiteral("Dolů"));
    connect(m_nahoru, &QToolButton::clicked, this, [this] {
        m_posledniNahoru = true;
        emit NahoruClick();
    });
    connect(m_dolu, &QToolButton::clicked, this, [this] {
        m_posledniNahoru = false;
        emit DoluClick();
    });
}

void TSpinTlacitko::keyPressEvent(QKeyEvent *udalost)
{
    switch (udalost->key()) {
    case Qt::Key_Up:
        m_posledniNahoru = true;
        emit NahoruClick();
        break;
    case Qt::Key_Down:
        m_posledniNahoru = false;
        emit DoluClick();
        break;
    case Qt::Key_Space:
        if (m_posledniNahoru)
            emit NahoruClick();
        else
            emit DoluClick();
        break;
    default:
        QWidget::keyPressEvent(udalost);
    }
}

void TSpinTlacitko::resizeEvent(QResizeEvent *)
{
    const int horni = height() / 2;
    m_nahoru->setGeometry(0, 0, width(), horni);
    m_dolu->setGeometry(0, horni, width(), height() - horni);
}
