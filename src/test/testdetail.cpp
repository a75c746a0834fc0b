#include "test/testdetail.h"

#include "data/duvodsystemu.h"
#include "okna/dialogy.h"
#include "okna/vzhled.h"

#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QSaveFile>
#include <QTextDocument>

TTestDetailForm::TTestDetailForm(const ZaznamProtokolu &protokol, QWidget *rodic) : QDialog(rodic)
{
    setObjectName(QStringLiteral("TestDetailForm"));
    setWindowFlags(Vzhled::OknoDialogu);
    setFont(Vzhled::PismoOkna());
    setFixedSize(392, 512);

    auto *btnOK = Vzhled::Tlacitko(this, "btnOK", QStringLiteral("&OK"), {8, 479, 75, 25});
    auto *btnTisk = Vzhled::Tlacitko(this, "btnTisk", QStringLiteral("&Vytisknout"), {150, 479, 90, 25});
    auto *btnUloz = Vzhled::Tlacitko(this, "btnUloz", QStringLiteral("&Uložit do souboru"), {266, 479, 118, 25});
    btnOK->setDefault(true);
    m_mProtokol = new QPlainTextEdit(this);
    m_mProtokol->setObjectName(QStringLiteral("mProtokol"));
    m_mProtokol->setGeometry(8, 8, 376, 463);
    m_mProtokol->setReadOnly(true);
    // Read-only, yet the caret moves with the keys so that a screen reader can go through the lines.
    m_mProtokol->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_mProtokol->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_mProtokol->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_mProtokol->setFont(Vzhled::PismoProtokolu());
    m_mProtokol->setAccessibleName(QStringLiteral("Protokol testu"));
    Vzhled::PoradiKlavesnice({m_mProtokol, btnOK, btnTisk, btnUloz});
    m_mProtokol->setFocus(); // to be read line by line; Enter and Escape still close

    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnTisk, &QPushButton::clicked, this, &TTestDetailForm::btnTiskClick);
    connect(btnUloz, &QPushButton::clicked, this, &TTestDetailForm::btnUlozClick);

    FormCreate(protokol);
}

void TTestDetailForm::FormCreate(const ZaznamProtokolu &protokol)
{
    setWindowTitle(ProtokolText::Titulek(protokol));
    m_mProtokol->setPlainText(ProtokolText::Radky(protokol).join(u'\n'));
    m_mProtokol->moveCursor(QTextCursor::Start);
}

void TTestDetailForm::btnTiskClick()
{
    QPrinter tiskarna(QPrinter::HighResolution);
    tiskarna.setDocName(windowTitle());
    if (!Dialogy::Tisk(this, tiskarna, ProtokolText::JmenoTisku(windowTitle())))
        return;
    QTextDocument dokument;
    dokument.setDefaultFont(Vzhled::PismoProtokolu());
    dokument.setPlainText(m_mProtokol->toPlainText());
    dokument.setMetaInformation(QTextDocument::DocumentTitle, windowTitle());
    dokument.print(&tiskarna);
    if (tiskarna.printerState() == QPrinter::Error)
        Dialogy::Chyba(this, QStringLiteral("Protokol se nepodařilo vytisknout."));
}

void TTestDetailForm::btnUlozClick()
{
    const QString zvolene = Dialogy::UlozitSoubor(this, QStringLiteral("Uložit protokol do souboru"), QString(),
                                                  QStringLiteral("Textové soubory (*.txt)"));
    if (zvolene.isEmpty())
        return;
    const QString jmeno = ProtokolText::JmenoSouboru(zvolene);
    // Written whole or not at all: a failure leaves any earlier file of that name as it was.
    QSaveFile soubor(jmeno);
    const QByteArray obsah = ProtokolText::ObsahSouboru(m_mProtokol->toPlainText().split(u'\n'));
    if (!soubor.open(QIODevice::WriteOnly) || soubor.write(obsah) != obsah.size() || !soubor.commit())
        Dialogy::Chyba(this, QStringLiteral("Protokol nelze uložit do souboru „%1“: %2")
                                 .arg(jmeno, DuvodSystemu::Text(soubor.errorString())));
}
