// The config.ini reader on any bytes: it never crashes, a document it wrote reads back to the same
// bytes, and a value the save rule lets through reads back unchanged.
#include "data/ini.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bajty(reinterpret_cast<const char *>(data), qsizetype(size));
    IniDokument ini = IniDokument::Nacist(bajty);

    // Look-ups by names taken from the input itself: a name with its letters in the other case
    // (each letter swapped only where it folds back alike) finds the same value.
    const QString text = QString::fromLatin1(bajty.left(64));
    const QString sekce = text.section(u'\n', 0, 0).mid(1).section(u']', 0, 0).trimmed();
    const QString klic = text.section(u'\n', 1, 1).section(u'=', 0, 0).trimmed();
    const auto jinaVelikost = [](QString s) {
        for (QChar &c : s) {
            const QChar jiny = c.isUpper() ? c.toLower() : c.toUpper();
            if (jiny.toCaseFolded() == c.toCaseFolded())
                c = jiny;
        }
        return s;
    };
    if (ini.ReadString(sekce, klic, QStringLiteral("x"))
        != ini.ReadString(jinaVelikost(sekce), jinaVelikost(klic), QStringLiteral("x")))
        std::abort();
    ini.ReadInteger(sekce, klic, 0);

    // What a save writes, read and written again, gives the same bytes.
    const std::optional<QByteArray> zapsano = ini.Zapsat();
    if (zapsano) {
        const std::optional<QByteArray> znovu = IniDokument::Nacist(*zapsano).Zapsat();
        if (!znovu || *znovu != *zapsano)
            std::abort();
    }

    // The save rule: a value it accepts is read back as it was written.
    const QString hodnota = QString::fromUtf8(bajty.left(2100));
    if (IniDokument::LzeZapsat(hodnota)) {
        ini.WriteString(QStringLiteral("Profily"), QStringLiteral("1"), hodnota);
        const std::optional<QByteArray> sHodnotou = ini.Zapsat();
        if (!sHodnotou
            || IniDokument::Nacist(*sHodnotou).ReadString(QStringLiteral("PROFILY"), QStringLiteral("1"), {}) != hodnota)
            std::abort();
    }
    ini.EraseSection(sekce);
    if (ini.ReadString(sekce, klic, QStringLiteral("pryč")) != QStringLiteral("pryč"))
        std::abort();
    return 0;
}
