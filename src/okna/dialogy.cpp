#include "okna/dialogy.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QWidget>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QPrintDialog>
#include <QPrinter>
#include <QUrl>

namespace {

struct TestovaciStav {
    bool zapnuto = false;
    QList<QVariant> odpovedi;
    QList<Dialogy::Zobrazeni> zobrazene;
    int nezodpovezene = 0;
};

TestovaciStav &Stav()
{
    static TestovaciStav stav;
    return stav;
}

QVariant Odpoved(Dialogy::Druh druh, const QString &text)
{
    TestovaciStav &s = Stav();
    s.zobrazene.append({druh, text});
    if (s.odpovedi.isEmpty()) {
        ++s.nezodpovezene;
        return {};
    }
    return s.odpovedi.takeFirst();
}

void Zprava(QWidget *rodic, QMessageBox::Icon ikona, const QString &titulek, const QString &text, Dialogy::Druh druh)
{
    if (Stav().zapnuto) {
        Stav().zobrazene.append({druh, text});
        return;
    }
    QMessageBox box(ikona, titulek, text, QMessageBox::Ok, rodic);
    // The user can copy what the box says: a web address, a file name, an error's text.
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    box.exec();
}

} // namespace

namespace Dialogy {

void Informace(QWidget *rodic, const QString &text)
{
    Zprava(rodic, QMessageBox::Information, TitulekInformace, text, Druh::Informace);
}

void Chyba(QWidget *rodic, const QString &text)
{
    Zprava(rodic, QMessageBox::Critical, TitulekChyby, text, Druh::Chyba);
}

bool Otazka(QWidget *rodic, const QString &text)
{
    if (Stav().zapnuto)
        return Odpoved(Druh::Otazka, text).toBool();
    QMessageBox box(QMessageBox::Question, TitulekOtazky, text,
                    QMessageBox::Yes | QMessageBox::No, rodic);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("&Ano"));
    box.button(QMessageBox::No)->setText(QStringLiteral("&Ne"));
    return box.exec() == QMessageBox::Yes;
}

Volba OtazkaSeStornem(QWidget *rodic, const QString &text)
{
    if (Stav().zapnuto) {
        const QVariant v = Odpoved(Druh::Otazka, text);
        return v.isNull() ? Volba::Storno : v.toBool() ? Volba::Ano : Volba::Ne;
    }
    QMessageBox box(QMessageBox::Question, TitulekOtazky, text,
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, rodic);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("&Ano"));
    box.button(QMessageBox::No)->setText(QStringLiteral("&Ne"));
    box.button(QMessageBox::Cancel)->setText(QStringLiteral("&Storno"));
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Yes: return Volba::Ano;
    case QMessageBox::No: return Volba::Ne;
    default: return Volba::Storno;
    }
}

std::optional<QString> Vstup(QWidget *rodic, const QString &titulek, const QString &vyzva, const QString &vychozi,
                             int nejviceZnaku)
{
    if (Stav().zapnuto) {
        const QVariant v = Odpoved(Druh::Vstup, vyzva);
        if (v.isNull())
            return std::nullopt;
        // What the box would have let the user type.
        return nejviceZnaku > 0 ? v.toString().left(nejviceZnaku) : v.toString();
    }
    QInputDialog dialog(rodic);
    dialog.setWindowTitle(titulek);
    dialog.setLabelText(vyzva);
    dialog.setTextValue(vychozi);
    if (nejviceZnaku > 0)
        if (auto *pole = dialog.findChild<QLineEdit *>())
            pole->setMaxLength(nejviceZnaku);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

QString UlozitSoubor(QWidget *rodic, const QString &titulek, const QString &vychozi, const QString &filtr)
{
    if (Stav().zapnuto)
        return Odpoved(Druh::UlozitSoubor, vychozi).toString();
    return QFileDialog::getSaveFileName(rodic, titulek, vychozi, filtr);
}

bool Tisk(QWidget *rodic, QPrinter &tiskarna, const QString &soubor)
{
    if (Stav().zapnuto) {
        const QVariant v = Odpoved(Druh::Tisk, soubor);
        if (v.typeId() == QMetaType::QString) {
            tiskarna.setOutputFormat(QPrinter::PdfFormat);
            tiskarna.setOutputFileName(v.toString());
            return true;
        }
        return v.toBool();
    }
    // Qt's dialog proposes the document's name as the file to print into, cut at the last dot that
    // a non-space follows ("Test z 7.12.2026 …" would give "Test z 7.12.pdf"): with ".pdf" after the
    // name it cuts just that. The document keeps its own name for the printer and the PDF's title.
    const QString nazev = tiskarna.docName();
    if (!soubor.isEmpty())
        tiskarna.setDocName(soubor + QStringLiteral(".pdf"));
    QPrintDialog dialog(&tiskarna, rodic);
    const bool tisknout = dialog.exec() == QDialog::Accepted;
    tiskarna.setDocName(nazev);
    return tisknout;
}

bool OtevritAdresu(const QUrl &adresa)
{
    if (Stav().zapnuto)
        return Odpoved(Druh::Adresa, adresa.toString()).toBool();
    return QDesktopServices::openUrl(adresa);
}

void Vycentrovat(QWidget *okno, const QWidget *vlastnik)
{
    const QRect v = vlastnik->frameGeometry();
    const QSize s = okno->frameGeometry().size();
    okno->move(v.left() + (v.width() - s.width()) / 2, v.top() + (v.height() - s.height()) / 2);
}

namespace Test {

void Zapnout()
{
    Stav() = TestovaciStav{};
    Stav().zapnuto = true;
}

void Odpovedet(const QVariant &odpoved) { Stav().odpovedi.append(odpoved); }

QList<Zobrazeni> Zobrazene() { return std::exchange(Stav().zobrazene, {}); }

int Nezodpovezene() { return Stav().nezodpovezene; }

} // namespace Test
} // namespace Dialogy
