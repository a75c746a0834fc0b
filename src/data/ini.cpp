#include "data/ini.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <array>
#include <climits>

namespace {

constexpr auto Kodovani = "windows-1250";

bool jeMezera(QChar c)
{
    return c == u' ' || c == u'\t';
}

// The character as QString::compare(Qt::CaseInsensitive) sees it; ASCII without a table look-up.
char16_t slozenyZnak(QChar c)
{
    const char16_t z = c.unicode();
    if (z < 0x80)
        return z >= u'A' && z <= u'Z' ? char16_t(z + (u'a' - u'A')) : z;
    return c.toCaseFolded().unicode();
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

// Windows-1250 is one character per byte: the decoder's answer for each byte, asked once, turns a
// whole file into text in one pass.
const std::array<char16_t, 256> &ZnakyKodovani()
{
    static const std::array<char16_t, 256> znaky = [] {
        std::array<char16_t, 256> z{};
        for (int b = 0; b < 256; ++b) {
            QStringDecoder dekoder(Kodovani);
            const QString znak = dekoder.decode(QByteArray(1, char(b)));
            z[b] = znak.size() == 1 ? znak[0].unicode() : u'\uFFFD';
        }
        return z;
    }();
    return znaky;
}

// The indexes of sections and keys: open addressing at most half full, probed linearly from the
// name's hash; a slot holds the hash in its high half and the position + 1 in its low half.
using Index = QList<quint64>;

template <class Shoda>
qint32 najitVIndexu(const Index &sloty, quint32 hash, const Shoda &shoda)
{
    if (sloty.empty())
        return -1;
    const size_t maska = sloty.size() - 1;
    for (size_t i = hash & maska;; i = (i + 1) & maska) {
        const quint64 slot = sloty[i];
        if (slot == 0)
            return -1;
        const qint32 pozice = qint32(quint32(slot)) - 1;
        if (quint32(slot >> 32) == hash && shoda(pozice))
            return pozice;
    }
}

void vlozitDoIndexu(Index &sloty, quint32 hash, qint32 pozice)
{
    const size_t maska = sloty.size() - 1;
    size_t i = hash & maska;
    while (sloty[i] != 0)
        i = (i + 1) & maska;
    sloty[i] = (quint64(hash) << 32) | quint32(pozice + 1);
}

// Adds a position that is not in the index yet; pocet counts the positions with it.
void pridatDoIndexu(Index &sloty, qsizetype pocet, quint32 hash, qint32 pozice)
{
    if (pocet * 2 > sloty.size()) {
        Index vetsi(std::max<qsizetype>(8, sloty.size() * 2));
        for (quint64 slot : sloty)
            if (slot != 0)
                vlozitDoIndexu(vetsi, quint32(slot >> 32), qint32(quint32(slot)) - 1);
        sloty.swap(vetsi);
    }
    vlozitDoIndexu(sloty, hash, pozice);
}

} // namespace

quint32 IniDokument::hashNazvu(QStringView nazev)
{
    quint64 h = 0xcbf29ce484222325ULL;
    for (QChar c : nazev)
        h = (h ^ slozenyZnak(c)) * 0x100000001b3ULL;
    // The index takes the low bits, which the multiplications above barely mix: spread them.
    h ^= h >> 33;
    h *= 0xff51afd7ed558ccdULL;
    h ^= h >> 33;
    return quint32(h);
}

IniDokument IniDokument::Nacist(const QByteArray &bajty)
{
    // Windows-1250 keeps ASCII where it is, so the lines are split and trimmed on the bytes and only
    // the names and values are turned into text.
    const std::array<char16_t, 256> &znakBajtu = ZnakyKodovani();
    const auto text = [&znakBajtu](QByteArrayView b) {
        QString t(b.size(), Qt::Uninitialized);
        QChar *cil = t.data();
        for (char c : b)
            *cil++ = QChar(znakBajtu[quint8(c)]);
        return t;
    };
    // Only spaces and tabs count as blanks: trimming would also take the no-break space, which
    // Windows-1250 holds and a value may carry.
    const auto orizniBajty = [](QByteArrayView b) {
        while (!b.isEmpty() && (b.front() == ' ' || b.front() == '\t'))
            b = b.sliced(1);
        while (!b.isEmpty() && (b.back() == ' ' || b.back() == '\t'))
            b.chop(1);
        return b;
    };

    IniDokument dokument;
    Sekce *aktualni = nullptr;
    const char *znaky = bajty.constData();
    const qsizetype delka = bajty.size();
    qsizetype zacatek = 0;
    while (zacatek <= delka) {
        // A line ends at CR LF, or at a lone LF or CR as a hand-edited file may have them.
        qsizetype konec = zacatek;
        while (konec < delka && znaky[konec] != '\n' && znaky[konec] != '\r')
            ++konec;
        const QByteArrayView radek = orizniBajty(QByteArrayView(znaky + zacatek, konec - zacatek));
        zacatek = konec + (konec + 1 < delka && znaky[konec] == '\r' && znaky[konec + 1] == '\n' ? 2 : 1);
        if (radek.isEmpty() || radek.front() == ';')
            continue;
        if (radek.front() == '[') {
            // The name ends at the first "]" (anything after it is ignored) or, lacking one, with the line.
            const qsizetype zavorka = radek.indexOf(']');
            const QString nazev = text(orizniBajty(radek.sliced(1, (zavorka < 0 ? radek.size() : zavorka) - 1)));
            const quint32 hash = hashNazvu(nazev);
            aktualni = const_cast<Sekce *>(dokument.najdiSekci(nazev, hash));
            if (!aktualni)
                aktualni = &dokument.pridatSekci(nazev, hash);
            continue;
        }
        if (!aktualni)
            continue;
        const qsizetype rovnitko = radek.indexOf('=');
        if (rovnitko < 0)
            pridatRadek(*aktualni, Radek{text(radek), QString(), false});
        else
            pridatRadek(*aktualni, Radek{text(orizniBajty(radek.first(rovnitko))),
                                         text(orizniBajty(radek.sliced(rovnitko + 1))), true});
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
        s = &pridatSekci(sekce, hashNazvu(sekce));
    if (const Radek *radek = najdiKlic(*s, klic))
        const_cast<Radek *>(radek)->hodnota = hodnota;
    else
        pridatRadek(*s, Radek{klic, hodnota, true});
}

void IniDokument::WriteInteger(const QString &sekce, const QString &klic, int hodnota)
{
    WriteString(sekce, klic, QString::number(hodnota));
}

// Positions after the removed section move, so the index is rebuilt whole; a removal is rare.
void IniDokument::EraseSection(const QString &sekce)
{
    const Sekce *s = najdiSekci(sekce);
    if (!s)
        return;
    m_sekce.removeAt(s - m_sekce.constData());
    m_indexSekci.clear();
    for (qint32 i = 0; i < qint32(m_sekce.size()); ++i)
        pridatDoIndexu(m_indexSekci, i + 1, hashNazvu(m_sekce[i].nazev), i);
}

const IniDokument::Sekce *IniDokument::najdiSekci(QStringView nazev, quint32 hash) const
{
    const qint32 pozice = najitVIndexu(m_indexSekci, hash, [&](qint32 p) {
        return QStringView(m_sekce[p].nazev).compare(nazev, Qt::CaseInsensitive) == 0;
    });
    return pozice < 0 ? nullptr : &m_sekce[pozice];
}

IniDokument::Sekce *IniDokument::najdiSekci(const QString &nazev)
{
    return const_cast<Sekce *>(std::as_const(*this).najdiSekci(nazev));
}

IniDokument::Sekce &IniDokument::pridatSekci(const QString &nazev, quint32 hash)
{
    const qint32 pozice = qint32(m_sekce.size());
    m_sekce.append(Sekce{nazev, {}, {}, 0});
    pridatDoIndexu(m_indexSekci, m_sekce.size(), hash, pozice);
    return m_sekce.last();
}

// The first key of a name is the one found; a repeated one is carried over but never read.
const IniDokument::Radek *IniDokument::najdiKlic(const Sekce &sekce, const QString &klic)
{
    const qint32 pozice = najitVIndexu(sekce.indexKlicu, hashNazvu(klic), [&](qint32 p) {
        return sekce.radky[p].klic.compare(klic, Qt::CaseInsensitive) == 0;
    });
    return pozice < 0 ? nullptr : &sekce.radky[pozice];
}

void IniDokument::pridatRadek(Sekce &sekce, Radek radek)
{
    if (radek.jeKlic && !najdiKlic(sekce, radek.klic)) {
        ++sekce.pocetKlicu;
        pridatDoIndexu(sekce.indexKlicu, sekce.pocetKlicu, hashNazvu(radek.klic), qint32(sekce.radky.size()));
    }
    sekce.radky.append(std::move(radek));
}

const QString *IniDokument::najdiHodnotu(const QString &sekce, const QString &klic) const
{
    const Sekce *s = najdiSekci(sekce);
    if (!s)
        return nullptr;
    const Radek *radek = najdiKlic(*s, klic);
    return radek ? &radek->hodnota : nullptr;
}
