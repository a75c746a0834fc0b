#pragma once

#include "data/kategorie.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

// The settings and user profiles kept in config.ini. A default-constructed Konfigurace holds what
// the program starts with when there is no file yet.
struct Konfigurace {
    std::array<bool, Kategorie::Pocet> PovoleneKategorie{true, true, true, true, true, true, true};
    QString ZvolenaSkupina = QStringLiteral("B");
    std::array<bool, 3> VytvaretProtokol{false, false, false}; // Procvicovani, Zkouseni, Test
    bool StavovyRadek = true;  // status bar shown
    bool PostupnyVyber = true; // questions in number order (false: at random, or by memory below)
    // Questions by the learner's memory: what they are about to forget first. PostupnyVyber is then
    // off, so that a reader that knows only the two older orders finds random order.
    bool VyberPodlePameti = false;
    QStringList Profily{QStringLiteral("Default")};
    QString AktivniProfil = QStringLiteral("Default");

    bool operator==(const Konfigurace &) const = default;
};

inline constexpr int MaxProfilu = 30;

// The program never writes a config.ini anywhere near this size; a larger file is someone else's
// or damaged, and reading it could hold up the start for long.
inline constexpr qint64 MaxVelikostKonfigurace = 1024 * 1024;

// True when the file at cesta exists and is larger than MaxVelikostKonfigurace: it is then neither
// read nor overwritten, and the program goes on with the defaults.
bool KonfiguraceJePrilisVelka(const QString &cesta);

// Why the profile name cannot be saved in config.ini, as a Czech message naming it, or nothing
// when it can. A save writes only what reads back the same, so the name's results stay matched to
// it: a line break, a character outside Windows-1250, blanks at either end, more characters than
// the reader keeps, or anything else that reads back differently is refused.
std::optional<QString> ProfilNelzeUlozit(const QString &jmeno);

// Reads the file at cesta into k. A missing file gives a default-constructed Konfigurace. In an
// existing file each missing or unreadable key takes its own default: categories on, empty group,
// protocols on, status bar shown, number order, one profile, empty names, empty active profile. The
// order by memory is read only together with number order off: a file whose number order is on was
// last saved by a program that knew no order by memory, after the learner chose number order there.
// Profile names go through the profiles' rule (data/profily.h, PouzitelnaJmena and PouzitelnyAktivni):
// a name longer than the tables keep, or a second name of one profile, is not read as a profile of its
// own, and a Czech message naming it is appended to *vyhrady (when given) for the start to show.
// Returns false with a Czech message in *chyba (when given) if the file exists but cannot be read or
// is too large (KonfiguraceJePrilisVelka); k is then left unchanged.
bool NacistKonfiguraci(const QString &cesta, Konfigurace &k, QString *chyba, QStringList *vyhrady = nullptr);

// Stores k in the file at cesta. Sections and keys the program does not know survive; the section
// Profily is rewritten as the last one. The file is replaced atomically, so a failure leaves the
// previous file as it was. A text that would not read back the same (see ProfilNelzeUlozit), more
// than MaxProfilu profiles, or an existing file too large to be one of ours are refused before
// anything is written. Returns false with a Czech message in *chyba (when given) on any failure.
bool UlozitKonfiguraci(const QString &cesta, const Konfigurace &k, QString *chyba);
