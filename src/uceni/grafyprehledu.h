#pragma once

#include "uceni/udajeprehledu.h"

#include <QGroupBox>

class QChartView;
class QDateEdit;
class QLabel;
class QTableWidget;

// The sections of the knowledge overview that draw charts. Every chart has its numbers beside it as
// text (a table or labels), so that a screen reader reaches them and a test can read them.

// "7 otázek", "1 odpověď", "3 body": a count with the Czech form of its noun (one, two to four, five
// and more or none).
QString PocetSlovy(int pocet, const QString &jeden, const QString &dva, const QString &pet);

// A label of the overview, its text wrapped to the section's width.
QLabel *PopisekPrehledu(QWidget *rodic, const char *jmeno, const QString &text = {});

// Never answered / learning / known per category: a horizontal stacked bar chart and a table.
class TZnalostKategorii : public QGroupBox {
    Q_OBJECT
public:
    explicit TZnalostKategorii(const QList<PrehledZnalosti::ZnalostKategorie> &znalost, QWidget *rodic = nullptr);
};

// Answers per day and the share right per week, dated: a line chart, a summary and a table of weeks.
class TPrubehUceni : public QGroupBox {
    Q_OBJECT
public:
    explicit TPrubehUceni(const PrehledZnalosti::Prubeh &prubeh, QWidget *rodic = nullptr);
};

// The readiness estimate for the exam day in its date field (today at the earliest): the
// probability, the expected points, the category losing most, and a chart of the points lost per
// category. The program works it out again whenever the day changes.
class TPripravenost : public QGroupBox {
    Q_OBJECT
public:
    TPripravenost(const PrehledZnalosti::UdajePrehledu &udaje, PrehledZnalosti::ObsluhaPrehledu &obsluha,
                  QWidget *rodic = nullptr);

    QDate DenZkousky() const;

private:
    void Odhadnout();

    PrehledZnalosti::ObsluhaPrehledu &m_obsluha;
    QList<QString> m_nazvy, m_kratkeNazvy;
    QDateEdit *m_eDenZkousky;
    QLabel *m_lbOdhad, *m_lbBody, *m_lbNejviceZtracite, *m_lbZtraty;
    QChartView *m_grfZtraty;
};
