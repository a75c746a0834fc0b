#pragma once

#include "test/sestavenizkousky.h"
#include "uceni/odpovedi.h"

#include <QDateTime>
#include <QList>

// Every position of an ended mock exam as an answer for the memory, in position order: right, wrong,
// or left unanswered, each stamped kdy and given the mock exam's own source. The program stores them
// with PametAktivnihoProfilu::Zaznamenat, so that the learning order and the estimates learn from the
// exam as they do from the points test.
QList<Odpovedi::Odpoved> OdpovediZkousky(const PolozkyZkousky &polozky, const QDateTime &kdy);
