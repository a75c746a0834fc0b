#include "info/napovedaHTML.h"

#include "data/adresare.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>
#include <QVBoxLayout>

QString TNapovedaProhlizec::ChybejiciStranka(const QString &cesta)
{
    return QStringLiteral(
               "<html><head><title>Nápověda chybí</title></head><body>"
               "<h2>Nápověda není k dispozici</h2>"
               "<p>Stránka nápovědy <b>%1</b> nebyla nalezena.</p>"
               "<p>Stránky nápovědy patří do složky <b>Help</b> mezi soubory programu Semaforix. "
               "Pokud složka chybí nebo je neúplná, nainstalujte program znovu.</p>"
               "</body></html>")
        .arg(QDir::toNativeSeparators(cesta).toHtmlEscaped());
}

QVariant TNapovedaProhlizec::loadResource(int typ, const QUrl &adresa)
{
    if (typ == QTextDocument::HtmlResource && adresa.isLocalFile() && !QFileInfo::exists(adresa.toLocalFile()))
        return ChybejiciStranka(adresa.toLocalFile());
    return QTextBrowser::loadResource(typ, adresa);
}

QString THelpForm::CestaIndexu()
{
    return QFileInfo(Adresare::Zdroj(QStringLiteral("Help/index.htm"))).absoluteFilePath();
}

THelpForm::THelpForm(QWidget *vlastnik) : QDialog(vlastnik)
{
    setObjectName(QStringLiteral("HelpForm"));
    setAttribute(Qt::WA_WindowPropagation);
    setWindowTitle(QStringLiteral("Nápověda programu Semaforix"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint
                   | Qt::WindowCloseButtonHint);
    resize(700, 550);

    auto *wbHelp = new TNapovedaProhlizec(this);
    wbHelp->setObjectName(QStringLiteral("wbHelp"));
    wbHelp->setOpenExternalLinks(true);
    auto *rozvrzeni = new QVBoxLayout(this);
    rozvrzeni->setContentsMargins(0, 0, 0, 0);
    rozvrzeni->addWidget(wbHelp);

    wbHelp->setSource(QUrl::fromLocalFile(CestaIndexu()), QTextDocument::HtmlResource);
}
