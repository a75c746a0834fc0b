#pragma once

#include <QString>
#include <QStringList>

// What a profile is to the tables: one name, its records those whose field Profil holds exactly that
// name. A name has at most ZaznamTabulky::DelkaProfilu characters, all the tables keep of it, and two
// names that differ only in letter case are one profile, as the settings dialog compares them.

// Whether the two names are one profile.
bool StejnyProfil(const QString &a, const QString &b);

// The expression filter on one profile's records: the name compared whole and exactly, as the tables
// store it. Every list, deletion, clean-up, exam day and memory of a profile selects its records by
// this filter and no other, so that nothing done to one profile touches another's records.
QString FiltrProfilu(const QString &profil);

// The profile names read from config.ini, in their order, each a profile of its own: a name longer
// than the tables keep (its records would be filed under its first characters, perhaps another
// profile's name) or one that is the same profile as a name before it is left out, with a Czech
// message naming it appended to *vyhrady. Nothing left gives the single name vychozi.
QStringList PouzitelnaJmena(const QStringList &jmena, const QString &vychozi, QStringList *vyhrady);

// The active profile read from config.ini, or vychozi with a Czech message in *vyhrady when the name
// is longer than the tables keep. A name not in the list is used as it is.
QString PouzitelnyAktivni(const QString &aktivni, const QString &vychozi, QStringList *vyhrady);

// The clean-up of stored results when the program closes.
//
// A profile's records go only when this run knew its name (read from config.ini at the start, or
// created in the settings dialog) and the stored profile list no longer holds it: a profile created
// and never saved, or one whose removal was saved. A name the run never knew keeps its records, so
// a damaged, foreign or missing config.ini, or one listing more profiles than are read, costs no
// learner any results.
//
// The names this run knew, in the order given, that ulozeneProfily does not hold; each name once.
// Names compare exactly, letter case included, as the tables store them.
QStringList ProfilyKeSmazani(const QStringList &znamaJmena, const QStringList &ulozeneProfily);

// Deletes every record of the profile (its memo texts included) from the table in one transaction,
// found by FiltrProfilu. A table that does not exist is left alone. Throws ChybaTabulky when the
// table cannot be opened or written.
void SmazatZaznamyProfilu(const QString &tabulka, const QString &profil);
