#pragma once

#include <QImage>
#include <QString>

// The marks beside the answers: a chosen right answer, a chosen wrong answer and a right
// answer left unchosen. Each has its own shape as well as colour, so they differ in greyscale too.
namespace Znamky {

enum class Druh { Spravne, Spatne, Opomenuta };

inline constexpr int Velikost = 18;

QImage Nakreslit(Druh druh, int velikost = Velikost);

// File name under grafika/: yes.jpg, no.jpg, mistake.jpg.
QString Soubor(Druh druh);
// The mark's file as the program loads it: "grafika\yes.jpg" (either separator is accepted).
QString Cesta(Druh druh);

} // namespace Znamky
