#include "data/ini.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <climits>

namespace {

constexpr auto Kodovani = "windows-1250";

bool jeMezera(QChar c)
{
    return c == u' ' || c == u'\t';
}

// Only spaces and tabs count as blanks: QString::trimmed() would also take the no-break space,
// which Windows-1250 holds and a value may carry.
QString orizni(QStringView s)
{
    qsizetype zacatek = 0;
    qsizetype konec = s.size();
    while (zacatek < konec && jeMezera(s[zacatek]))
        ++zacatek;
    while (konec > zacatek && jeMezera(s[konec - 1]))
        --konec;
    return s.sliced(zacatek, konec - zacatek).toString();
}

bool maZalomeni(const QString &s)
{
    return s.contains(u'\r') || s.contains(u'\n');
}

std::optional<int> celeCislo(QStringView s)
{
    bool zaporne = false;
    if (!s.isEmpty() && (s[0] == u'-' || s[0] == u'+')) {
        zaporne = s[0] == u'-';
        s = s.sliced(1);
    }
    int zaklad = 10;
    if (s.size() > 2 && s[0] == u'0' && (s[1] == u'x' || s[1] == u'X')) {
        zaklad = 16;
        s = s.sliced(2);
    }
    if (s.isEmpty())
        return std::nullopt;
    qint64 hodnota = 0;
    for (QChar c : s) {
        const char16_t z = c.unicode();
        int cislice;
        if (z >= u'0' && z <= u'9')
            cislice = z - u'0';
        else if (zaklad == 16 && z >= u'a' && z <= u'f')
            cislice = z - u'a' + 10;
        else if (zaklad == 16 && z >= u'A' && z <= u'F')
            cislice = z - u'A' + 10;
        else
            return std::nullopt;
        hodnota = hodnota * zaklad + cislice;
        // Stop before qint64 could overflow; anything past INT_MAX + 1 is out of range anyway.
        if (hodnota > qint64(INT_MAX) + 1)
            return std::nullopt;
    }
    if (zaporne)
        hodnota = -hodnota;
    if (hodnota > INT_MAX)
        return std::nullopt;
    return int(hodnota);
}

} // namespace

IniDokument IniDokument::Nacist(const QByteArray &bajty)
{
    QStringDecoder dekoder(Kodovani);
    QString text = dekoder.decode(bajty);
    // Accept LF and lone CR line ends too, as a hand-edited file may have them.
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');

    IniDokument dokument;
    Sekce *aktualni = nullptr;
    const auto radky = QStringView(text).split(u'\n');
    for (QStringView surovy : radky) {
        const QString radek = orizni(surovy);
        if (radek.isEmpty() || radek.startsWith(u';'))
            continue;
        if (radek.startsWith(u'[')) {
            // The name ends at the first "]" (anything after it is ignored) or, lacking one, with the line.
            const qsizetype konec = radek.indexOf(u']');
            const QString nazev = orizni(QStringView(radek).sliced(1, (konec < 0 ? radek.size() : konec) - 1));
            aktualni = dokument.najdiSekci(nazev);
            if (!aktualni) {
                dokument.m_sekce.append(Sekce{nazev, {}});
                aktualni = &dokument.m_sekce.last();
            }
            continue;
        }
        if (!aktualni)
            continue;
        const qsizetype rovnitko = radek.indexOf(u'=');
        if (rovnitko < 0)
            aktualni->radky.append(Radek{radek, QString(), false});
        else
            aktualni->radky.append(Radek{orizni(QStringView(radek).first(rovnitko)),
                                         orizni(QStringView(radek).sliced(rovnitko + 1)), true});
    }
    return dokument;
}

std::optional<QByteArray> IniDokument::Zapsat() const
{
    const QString konecRadku = QStringLiteral("\r\n");
    QString text;
    for (const Sekce &sekce : m_sekce) {
        if (maZalomeni(sekce.nazev))
            return std::nullopt;
        text += u'[' + sekce.nazev + u']' + konecRadku;
        for (const Radek &radek : sekce.radky) {
            if (maZalomeni(radek.klic) || maZalomeni(radek.hodnota))
                return std::nullopt;
            text += radek.jeKlic ? radek.klic + u'=' + radek.hodnota : radek.klic;
            text += konecRadku;
        }
        text += konecRadku;
    }
    QStringEncoder koder(Kodovani);
    QByteArray bajty = koder.encode(text);
    if (koder.hasError())
        return std::nullopt;
    return bajty;
}

bool IniDokument::LzeZapsat(const QString &text)
{
    if (maZalomeni(text))
        return false;
    QStringEncoder koder(Kodovani);
    // encode() is lazy: the text is converted, and errors found, only when it becomes bytes.
    const QByteArray bajty = koder.encode(text);
    return !koder.hasError();
}

QString IniDokument::ReadString(const QString &sekce, const QString &klic, const QString &vychozi) const
{
    const QString *hodnota = najdiHodnotu(sekce, klic);
    return hodnota ? hodnota->left(MaxDelkaTextu) : vychozi;
}

int IniDokument::ReadInteger(const QString &sekce, const QString &klic, int vychozi) const
{
    const QString *hodnota = najdiHodnotu(sekce, klic);
    if (!hodnota)
        return vychozi;
    return celeCislo(*hodnota).value_or(vychozi);
}

void IniDokument::WriteString(const QString &sekce, const QString &klic, const QString &hodnota)
{
    Sekce *s = najdiSekci(sekce);
    if (!s) {
        m_sekce.append(Sekce{sekce, {}});
        s = &m_sekce.last();
    }
    for (Radek &radek : s->radky) {
        if (radek.jeKlic && radek.klic.compare(klic, Qt::CaseInsensitive) == 0) {
            radek.hodnota = hodnota;
            return;
        }
    }
    s->radky.append(Radek{klic, hodnota, true});
}

void IniDokument::WriteInteger(const QString &sekce, const QString &klic, int hodnota)
{
    WriteString(sekce, klic, QString::number(hodnota));
}

void IniDokument::EraseSection(const QString &sekce)
{
    m_sekce.removeIf([&](const Sekce &s) { return s.nazev.compare(sekce, Qt::CaseInsensitive) == 0; });
}

const IniDokument::Sekce *IniDokument::najdiSekci(const QString &nazev) const
{
    for (const Sekce &s : m_sekce)
        if (s.nazev.compare(nazev, Qt::CaseInsensitive) == 0)
            return &s;
    return nullptr;
}

IniDokument::Sekce *IniDokument::najdiSekci(const QString &nazev)
{
    return const_cast<Sekce *>(std::as_const(*this).najdiSekci(nazev));
}

// The first key of that name counts; a repeated one is carried over but never read.
const QString *IniDokument::najdiHodnotu(const QString &sekce, const QString &klic) const
{
    const Sekce *s = najdiSekci(sekce);
    if (!s)
        return nullptr;
    for (const Radek &radek : s->radky)
        if (radek.jeKlic && radek.klic.compare(klic, Qt::CaseInsensitive) == 0)
            return &radek.hodnota;
    return nullptr;
}
