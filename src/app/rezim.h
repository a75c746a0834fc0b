#pragma once

// What the main window is doing: idle, or one of the three modes that share the question panel.
enum class Rezim { Zadny, Prohlizeni, Procvicovani, Zkouseni };
