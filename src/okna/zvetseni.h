#pragma once

#include <QDialog>
#include <QLabel>

#include <functional>

// A question's picture looked at closely: its large version, drawn three times larger at build
// time, in a small window centred over its owner's window and closed by Escape or a click.
class TZvetseni : public QDialog {
    Q_OBJECT
public:
    // The window for the picture the bank names ("obrazky\621.jpg"). When its large version cannot
    // be loaded, the error has been shown over the owner and the window is not to be shown.
    TZvetseni(const QString &obrazek, QWidget *vlastnik);

    bool Pripraven() const { return m_pripraven; }
    // The picture as the bank names it.
    const QString &Obrazek() const { return m_obrazek; }

    // Shows it modally over the window of vlastnik; nothing but the error when the picture cannot be loaded.
    static void Ukazat(const QString &obrazek, QWidget *vlastnik);

protected:
    void mousePressEvent(QMouseEvent *udalost) override;

private:
    QString m_obrazek;
    bool m_pripraven;
};

// A question's picture wherever a question is shown: a left click opens it enlarged.
class TObrazekOtazky : public QLabel {
    Q_OBJECT
public:
    explicit TObrazekOtazky(QWidget *rodic);

    // Shows the picture the bank names; on failure (the error shown) it is emptied and false returned.
    bool Nacist(const QString &obrazek);
    // The picture shown as the bank names it; empty while none is.
    const QString &Obrazek() const { return m_obrazek; }
    // Opens the picture enlarged; nothing while none is shown.
    void Zvetsit();

    // The key Z, while the window of rodic is active and rodic visible, enlarges the picture that
    // najit gives (none: nothing happens).
    static void KlavesaZ(QWidget *rodic, std::function<TObrazekOtazky *()> najit);

protected:
    void mousePressEvent(QMouseEvent *udalost) override;

private:
    QString m_obrazek;
};
