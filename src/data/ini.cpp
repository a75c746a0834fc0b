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
QStringView orizni(QStringView s)
{
    qsizetype zacatek = 0;
    qsizetype konec = s.size();
    while (zacatek < konec && jeMezera(s[zacatek]))
        ++zacatek;
    while (konec > zacatek && jeMezera(s[konec - 1]))
        --konec;
    return s.sliced(zacatek, konec - zacatek);
}

// A section or key name as the indexes hold it: each character case-folded, as
// QString::compare(Qt::CaseInsensitive) folds it, so "ŘEPA" and "řepa" are one name.
QString slozeny(QStringView nazev)
{
    QString klic(nazev.size(), Qt::Uninitialized);
    QChar *cil = klic.data();
    for (QChar c : nazev)
        *cil++ = c.toCaseFolded();
    return klic;
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
    qsizetype zacatek = 0;
    while (zacatek <= text.size()) {
        qsizetype konec = text.indexOf(u'\n', zacatek);
        if (konec < 0)
            konec = text.size();
        const QStringView radek = orizni(QStringView(text).sliced(zacatek, konec - zacatek));
        zacatek = konec + 1;
        if (radek.isEmpty() || radek.startsWith(u';'))
            continue;
        if (radek.startsWith(u'[')) {
            // The name ends at the first "]" (anything after it is ignored) or, lacking one, with the line.
            const qsizetype zavorka = radek.indexOf(u']');
            const QString nazev = orizni(radek.sliced(1, (zavorka < 0 ? radek.size() : zavorka) - 1)).toString();
            aktualni = dokument.najdiSekci(nazev);
            if (!aktualni)
                aktualni = &dokument.pridatSekci(nazev);
            continue;
        }
        if (!aktualni)
            continue;
        const qsizetype rovnitko = radek.indexOf(u'=');
        if (rovnitko < 0)
            pridatRadek(*aktualni, Radek{radek.toString(), QString(), false});
        else
            pridatRadek(*aktualni, Radek{orizni(radek.first(rovnitko)).toString(),
                                         orizni(radek.sliced(rovnitko + 1)).toString(), true});
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

IniDokument::Prekazka IniDokument::ProcNelzeZapsat(const QString &hodnota)
{
    if (maZalomeni(hodnota))
        return Prekazka::Zalomeni;
    QStringEncoder koder(Kodovani);
    // encode() is lazy: the text is converted, and errors found, only when it becomes bytes.
    const QByteArray bajty = koder.encode(hodnota);
    if (koder.hasError())
        return Prekazka::Kodovani;
    if (!hodnota.isEmpty() && (jeMezera(hodnota.front()) || jeMezera(hodnota.back())))
        return Prekazka::Mezery;
    if (hodnota.size() > MaxDelkaTextu)
        return Prekazka::Delka;
    // Whatever else the format might do to a text, the written file read back tells.
    IniDokument zkouska;
    const QString sekce = QStringLiteral("S"), klic = QStringLiteral("k");
    zkouska.WriteString(sekce, klic, hodnota);
    const std::optional<QByteArray> soubor = zkouska.Zapsat();
    if (!soubor)
        return Prekazka::Jina;
    const IniDokument zpet = Nacist(*soubor);
    const QString *precteno = zpet.najdiHodnotu(sekce, klic);
    return precteno && *precteno == hodnota ? Prekazka::Zadna : Prekazka::Jina;
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
    if (!s)
        s = &pridatSekci(sekce);
    const auto kde = s->klice.constFind(slozeny(klic));
    if (kde != s->klice.cend())
        s->radky[*kde].hodnota = hodnota;
    else
        pridatRadek(*s, Radek{klic, hodnota, true});
}

void IniDokument::WriteInteger(const QString &sekce, const QString &klic, int hodnota)
{
    WriteString(sekce, klic, QString::number(hodnota));
}

void IniDokument::EraseSection(const QString &sekce)
{
    const auto kde = m_indexSekci.constFind(slozeny(sekce));
    if (kde == m_indexSekci.cend())
        return;
    m_sekce.removeAt(*kde);
    preindexovat();
}

const IniDokument::Sekce *IniDokument::najdiSekci(const QString &nazev) const
{
    const auto kde = m_indexSekci.constFind(slozeny(nazev));
    return kde == m_indexSekci.cend() ? nullptr : &m_sekce[*kde];
}

IniDokument::Sekce *IniDokument::najdiSekci(const QString &nazev)
{
    return const_cast<Sekce *>(std::as_const(*this).najdiSekci(nazev));
}

IniDokument::Sekce &IniDokument::pridatSekci(const QString &nazev)
{
    m_indexSekci.insert(slozeny(nazev), m_sekce.size());
    m_sekce.append(Sekce{nazev, {}, {}});
    return m_sekce.last();
}

// The first key of a name is the one found; a repeated one is carried over but never read.
void IniDokument::pridatRadek(Sekce &sekce, Radek radek)
{
    if (radek.jeKlic) {
        QString klic = slozeny(radek.klic);
        if (!sekce.klice.contains(klic))
            sekce.klice.insert(std::move(klic), sekce.radky.size());
    }
    sekce.radky.append(std::move(radek));
}

const QString *IniDokument::najdiHodnotu(const QString &sekce, const QString &klic) const
{
    const Sekce *s = najdiSekci(sekce);
    if (!s)
        return nullptr;
    const auto kde = s->klice.constFind(slozeny(klic));
    return kde == s->klice.cend() ? nullptr : &s->radky[*kde].hodnota;
}

// Positions after a removed section have moved; a removal is rare, so the index is rebuilt whole.
void IniDokument::preindexovat()
{
    m_indexSekci.clear();
    for (qsizetype i = 0; i < m_sekce.size(); ++i)
        m_indexSekci.insert(slozeny(m_sekce[i].nazev), i);
}
