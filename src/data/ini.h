#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// The lines of an IniDokument, apart only so that Qt may move them as plain bytes.
namespace IniVnitrek {
struct Radek {
    QString klic;
    QString hodnota;
    // A line without "=" inside a section is no key, yet it is carried over unchanged.
    bool jeKlic = true;
};
struct Sekce {
    QString nazev;
    QList<Radek> radky;
    QList<quint64> indexKlicu; // each key's first line in radky, see IniDokument::hashNazvu
    qint32 pocetKlicu = 0;
};
} // namespace IniVnitrek

// Both are moved as plain bytes when the lists holding them grow.
Q_DECLARE_TYPEINFO(IniVnitrek::Radek, Q_RELOCATABLE_TYPE);
Q_DECLARE_TYPEINFO(IniVnitrek::Sekce, Q_RELOCATABLE_TYPE);

// An INI document held in memory: sections in square brackets, "key=value" lines below them.
// On disk it is single-byte Windows-1250 with CR LF line ends. Section and key names match
// regardless of letter case; the order of sections and keys is kept, and new ones are appended.
class IniDokument
{
public:
    // Longest text ReadString hands back; longer values are cut.
    static constexpr int MaxDelkaTextu = 2047;

    // Parses the file's bytes. Blanks (spaces, tabs) around section names, keys and values are
    // removed; comment lines (";"), empty lines and lines before the first section are dropped.
    // A section that appears twice is merged into its first occurrence.
    static IniDokument Nacist(const QByteArray &bajty);

    // The whole document as file bytes: each section as its header, its key lines and one empty
    // line. Empty when some text cannot be written (see LzeZapsat).
    std::optional<QByteArray> Zapsat() const;

    // Why a value would not read back as it was written, checked in this order.
    enum class Prekazka {
        Zadna,    // it reads back the same
        Zalomeni, // a line break
        Kodovani, // a character Windows-1250 does not hold
        Mezery,   // a blank at either end, which the reader removes
        Delka,    // longer than ReadString hands back
        Jina,     // anything else that reads back differently
    };
    // One rule for every value a save writes: the value, written as a key's value and read back,
    // must be the same text.
    static Prekazka ProcNelzeZapsat(const QString &hodnota);
    static bool LzeZapsat(const QString &hodnota) { return ProcNelzeZapsat(hodnota) == Prekazka::Zadna; }

    // The value of the key, at most MaxDelkaTextu characters, or vychozi when the key is missing.
    QString ReadString(const QString &sekce, const QString &klic, const QString &vychozi) const;
    // The value as a decimal integer or, after "0x", a hexadecimal one; vychozi when the key is
    // missing or its value is not an integer that fits in an int.
    int ReadInteger(const QString &sekce, const QString &klic, int vychozi) const;

    // Sets the value in place when the key exists, otherwise appends the key to its section,
    // appending the section too when needed.
    void WriteString(const QString &sekce, const QString &klic, const QString &hodnota);
    void WriteInteger(const QString &sekce, const QString &klic, int hodnota);

    // Removes the section with all its keys.
    void EraseSection(const QString &sekce);

private:
    using Radek = IniVnitrek::Radek;
    using Sekce = IniVnitrek::Sekce;

    // Names compare without regard to letter case, as QString::compare(Qt::CaseInsensitive) does
    // (Czech letters included); equal names hash alike. An index slot holds a name's hash and its
    // position + 1 (0: a free slot), so that probing reads nothing else until the hash matches.
    static quint32 hashNazvu(QStringView nazev);

    const Sekce *najdiSekci(QStringView nazev, quint32 hash) const;
    const Sekce *najdiSekci(const QString &nazev) const { return najdiSekci(nazev, hashNazvu(nazev)); }
    Sekce *najdiSekci(const QString &nazev);
    Sekce &pridatSekci(const QString &nazev, quint32 hash);
    static const Radek *najdiKlic(const Sekce &sekce, const QString &klic);
    static void pridatRadek(Sekce &sekce, Radek radek);
    const QString *najdiHodnotu(const QString &sekce, const QString &klic) const;

    // Both kept in file order; the index makes every look-up independent of the file's size.
    QList<Sekce> m_sekce;
    QList<quint64> m_indexSekci; // positions in m_sekce, see hashNazvu
};

