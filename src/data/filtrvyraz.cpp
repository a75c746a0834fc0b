#include "data/filtrvyraz.h"

namespace {

class Cteni {
public:
    explicit Cteni(const QString &text) : m_text(text) {}

    void PreskocitMezery()
    {
        while (m_i < m_text.size() && m_text[m_i].isSpace())
            ++m_i;
    }
    bool Konec() const { return m_i >= m_text.size(); }
    int Misto() const { return m_i + 1; }

    QString Identifikator()
    {
        const qsizetype zacatek = m_i;
        while (m_i < m_text.size() && (m_text[m_i].isLetterOrNumber() || m_text[m_i] == u'_'))
            ++m_i;
        return m_text.mid(zacatek, m_i - zacatek);
    }

    bool Prijmout(QStringView s)
    {
        if (QStringView(m_text).mid(m_i).startsWith(s)) {
            m_i += s.size();
            return true;
        }
        return false;
    }

    bool SlovoAnd()
    {
        if (QStringView(m_text).mid(m_i, 3).compare(u"AND", Qt::CaseInsensitive) != 0)
            return false;
        if (m_i + 3 < m_text.size() && !m_text[m_i + 3].isSpace())
            return false;
        m_i += 3;
        return true;
    }

    std::optional<QString> Literal()
    {
        if (!Prijmout(u"'"))
            return std::nullopt;
        QString hodnota;
        while (m_i < m_text.size()) {
            if (m_text[m_i] == u'\'') {
                if (m_i + 1 < m_text.size() && m_text[m_i + 1] == u'\'') {
                    hodnota += u'\'';
                    m_i += 2;
                    continue;
                }
                ++m_i;
                return hodnota;
            }
            hodnota += m_text[m_i++];
        }
        return std::nullopt;
    }

private:
    const QString &m_text;
    qsizetype m_i = 0;
};

QString Chyba(const Cteni &c, const QString &co)
{
    return QStringLiteral("Chybný filtr (znak %1): %2").arg(c.Misto()).arg(co);
}

} // namespace

std::optional<VyrazFiltru> RozebratFiltr(const QString &text, QString *chyba)
{
    VyrazFiltru vyraz;
    Cteni c(text);
    c.PreskocitMezery();
    if (c.Konec())
        return vyraz;
    for (;;) {
        PodminkaFiltru p;
        p.pole = c.Identifikator();
        if (p.pole.isEmpty()) {
            *chyba = Chyba(c, QStringLiteral("očekáváno jméno pole"));
            return std::nullopt;
        }
        c.PreskocitMezery();
        if (c.Prijmout(u"<>"))
            p.rovno = false;
        else if (!c.Prijmout(u"=")) {
            *chyba = Chyba(c, QStringLiteral("očekáváno = nebo <>"));
            return std::nullopt;
        }
        c.PreskocitMezery();
        const auto literal = c.Literal();
        if (!literal) {
            *chyba = Chyba(c, QStringLiteral("očekáván text v apostrofech"));
            return std::nullopt;
        }
        p.hodnota = *literal;
        vyraz.podminky.append(p);
        c.PreskocitMezery();
        if (c.Konec())
            return vyraz;
        if (!c.SlovoAnd()) {
            *chyba = Chyba(c, QStringLiteral("očekáváno AND"));
            return std::nullopt;
        }
        c.PreskocitMezery();
    }
}

QString LiteralFiltru(const QString &hodnota)
{
    QString s = hodnota;
    s.replace(u'\'', QStringLiteral("''"));
    return u'\'' + s + u'\'';
}
