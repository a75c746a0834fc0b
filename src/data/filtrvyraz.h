#pragma once

#include <QList>
#include <QString>

#include <optional>

// The expression filters of the record tables: comparisons of a field with a quoted text,
// joined by AND, for example  Profil <> 'Default' AND Profil <> 'Jan''s' .
struct PodminkaFiltru {
    QString pole;
    bool rovno = true; // "=" when true, "<>" when false
    QString hodnota;
};

struct VyrazFiltru {
    QList<PodminkaFiltru> podminky; // empty: every record passes
};

// The parsed expression, or nothing with a Czech message in *chyba.
std::optional<VyrazFiltru> RozebratFiltr(const QString &text, QString *chyba);

// The quoted literal of a text as the filters write it: 'a''b' for a'b.
QString LiteralFiltru(const QString &hodnota);
