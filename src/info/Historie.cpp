#include "info/Historie.h"

#include "info/historietext.h"
#include "okna/vzhled.h"

#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QVBoxLayout>

TOpravyAktualizace::TOpravyAktualizace(QWidget *vlastnik) : QDialog(vlastnik)
{
    setObjectName(QStringLiteral("OpravyAktualizace"));
    setAttribute(Qt::WA_WindowPropagation);
    setWindowTitle(QStringLiteral("Historie oprav a aktualizací"));
    setWindowFlags(Vzhled::OknoDialogu);

    auto *mHistorie = new QPlainTextEdit(this);
    mHistorie->setObjectName(QStringLiteral("mHistorie"));
    QFont pismo = Vzhled::PismoProtokolu();
    pismo.setPointSize(9);
    mHistorie->setFont(pismo);
    mHistorie->setReadOnly(true);
    mHistorie->setLineWrapMode(QPlainTextEdit::NoWrap);
    mHistorie->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    mHistorie->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    mHistorie->setPlainText(HistorieOprav::Text());

    auto *rozvrzeni = new QVBoxLayout(this);
    rozvrzeni->setContentsMargins(0, 0, 0, 0);
    rozvrzeni->addWidget(mHistorie);

    // Wide enough for the longest line beside the scroll bar.
    const QFontMetrics metrika(pismo);
    const int sirka = metrika.horizontalAdvance(QString(HistorieOprav::SirkaRadku + 2, u'M'))
                      + mHistorie->verticalScrollBar()->sizeHint().width()
                      + 2 * mHistorie->frameWidth() + 2 * static_cast<int>(mHistorie->document()->documentMargin());
    setFixedSize(sirka, 26 * metrika.lineSpacing());
}
