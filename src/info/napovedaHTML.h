#pragma once

#include <QDialog>
#include <QTextBrowser>

// The help browser: shows the local help pages and follows their links; web addresses go to the
// desktop's browser, and a page that is not there is replaced by a notice in Czech.
class TNapovedaProhlizec : public QTextBrowser {
    Q_OBJECT
public:
    using QTextBrowser::QTextBrowser;
    QVariant loadResource(int typ, const QUrl &adresa) override;

    static QString ChybejiciStranka(const QString &cesta);
};

// The help window: Help/index.htm of the program's data in a browser filling the window.
class THelpForm : public QDialog {
    Q_OBJECT
public:
    explicit THelpForm(QWidget *vlastnik = nullptr);

    static QString CestaIndexu();
};
