#pragma once

#include <QString>

#include <array>
#include <optional>

// The seven topics of today's theory exam. Every question of the bank belongs to one, decided by
// its content; categories stay ranges of numbers, so one category may hold questions of several
// topics (a question of rules of the road about choosing speed is safe driving).
namespace Okruhy {

enum class Okruh : signed char { PP, DZ, ZBJ, DS, PPV, SP, ZP };
inline constexpr int Pocet = 7;
inline constexpr std::array<Okruh, Pocet> Vsechny{Okruh::PP, Okruh::DZ,  Okruh::ZBJ, Okruh::DS,
                                                  Okruh::PPV, Okruh::SP, Okruh::ZP};

constexpr int Index(Okruh o) { return static_cast<int>(o); }

// The code as the question sources and the bank keep it: "PP", "ZBJ" ...
QString Kod(Okruh o);
// The topic's name as the exam gives it.
QString Nazev(Okruh o);
// The topic of a code, exactly as written (upper case); nothing for any other text.
std::optional<Okruh> ZKodu(const QString &kod);

} // namespace Okruhy
