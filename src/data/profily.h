#pragma once

#include <QString>
#include <QStringList>

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
// found by the expression filter "Profil = '<name>'". A table that does not exist is left alone.
// Throws ChybaTabulky when the table cannot be opened or written.
void SmazatZaznamyProfilu(const QString &tabulka, const QString &profil);
