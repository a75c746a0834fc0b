#pragma once

#include <QDialog>

// A question's picture looked at closely: its large version, drawn three times larger at build
// time, in a small window centred over its owner's window and closed by Escape or a click.
class TZvetseni : public QDialog {
    Q_OBJECT
public:
    // The window for the picture the bank names ("obrazky\621.jpg"). When its large version cannot
    // be loaded, the error has been shown over the owner and the window is not to be shown.
    TZvetseni(const QString &obrazek, QWidget *vlastnik);

    bool Pripraven() const { return m_pripraven; }

    // Shows it modally over the window of vlastnik; nothing but the error when the picture cannot be loaded.
    static void Ukazat(const QString &obrazek, QWidget *vlastnik);

protected:
    void mousePressEvent(QMouseEvent *udalost) override;

private:
    bool m_pripraven;
};
