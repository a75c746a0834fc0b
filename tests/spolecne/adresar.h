#pragma once

#include <QDir>
#include <QTemporaryDir>

namespace Pomocnik {

// A program directory of its own for one test: a fresh temporary directory, the working directory
// while the object lives, removed with it.
class Adresar {
public:
    Adresar() { QDir::setCurrent(m_dir.path()); }
    QString Cesta() const { return m_dir.path(); }
    QString Soubor(const QString &jmeno) const { return m_dir.filePath(jmeno); }

private:
    QTemporaryDir m_dir;
};

} // namespace Pomocnik
