#pragma once

#include <QDialog>

class QLabel;

// The About window: name, version, date of the question bank, the web address for learners and
// a short text about the program.
class TAbout : public QDialog {
    Q_OBJECT
public:
    // The web page of driving-licence tests kept by the Czech transport ministry.
    static inline const QString Adresa = QStringLiteral("https://etesty2.mdcr.cz/");

    explicit TAbout(QWidget *vlastnik = nullptr);

    // The modification date of the question bank's memo file in the working directory.
    static QString DatumBanky();

protected:
    bool eventFilter(QObject *objekt, QEvent *udalost) override;

private:
    void ObarvitOdkaz(const QColor &barva);
    void lbInetClick();

    QLabel *m_lbInet;
};
