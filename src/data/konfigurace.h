#pragma once

#include "data/kategorie.h"

#include <QString>
#include <QStringList>

#include <array>

// The settings and user profiles kept in config.ini. A default-constructed Konfigurace holds what
// the program starts with when there is no file yet.
struct Konfigurace {
    std::array<bool, Kategorie::Pocet> PovoleneKategorie{true, true, true, true, true, true, true};
    QString ZvolenaSkupina = QStringLiteral("B");
    std::array<bool, 3> VytvaretProtokol{false, false, false}; // Procvicovani, Zkouseni, Test
    bool StavovyRadek = true;  // status bar shown
    bool PostupnyVyber = true; // questions in number order (false: at random)
    QStringList Profily{QStringLiteral("Default")};
    QString AktivniProfil = QStringLiteral("Default");
};

inline constexpr int MaxProfilu = 30;

// Reads the file at cesta into k. A missing file gives a default-constructed Konfigurace. In an
// existing file each missing or unreadable key takes its own default: categories on, empty group,
// protocols on, status bar shown, number order, one profile, empty names, empty active profile.
// Returns false with a Czech message in *chyba (when given) if the file exists but cannot be read;
// k is then left unchanged.
bool NacistKonfiguraci(const QString &cesta, Konfigurace &k, QString *chyba);

// Stores k in the file at cesta. Sections and keys the program does not know survive; the section
// Profily is rewritten as the last one. The file is replaced atomically, so a failure leaves the
// previous file as it was. A text that the file cannot hold (a character outside Windows-1250, a
// line break) or more than MaxProfilu profiles are refused before anything is written. Returns false
// with a Czech message in *chyba (when given) on any failure.
bool UlozitKonfiguraci(const QString &cesta, const Konfigurace &k, QString *chyba);
