// The filter-expression parser on any text: it never crashes, a refusal always says why, and an
// accepted expression written again from its parts parses to the same conditions.
#include "data/filtrvyraz.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    QString chyba;
    const std::optional<VyrazFiltru> vyraz = RozebratFiltr(text, &chyba);
    if (!vyraz) {
        if (chyba.isEmpty())
            std::abort();
        return 0;
    }
    QStringList casti;
    for (const PodminkaFiltru &p : vyraz->podminky)
        casti << p.pole + (p.rovno ? QStringLiteral(" = ") : QStringLiteral(" <> ")) + LiteralFiltru(p.hodnota);
    const std::optional<VyrazFiltru> znovu = RozebratFiltr(casti.join(QStringLiteral(" AND ")) + u' ', &chyba);
    if (!znovu || znovu->podminky.size() != vyraz->podminky.size())
        std::abort();
    for (qsizetype i = 0; i < vyraz->podminky.size(); ++i) {
        const PodminkaFiltru &a = vyraz->podminky[i], &b = znovu->podminky[i];
        if (a.pole != b.pole || a.rovno != b.rovno || a.hodnota != b.hodnota)
            std::abort();
    }
    return 0;
}
