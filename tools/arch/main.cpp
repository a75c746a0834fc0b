// semaforix-arch: a contact sheet of every question picture of one source file, so that the
// generated signs and scenes can be looked over at a glance.
//   semaforix-arch <questions.json> <out.png>
#include "kresby/krizovatky.h"
#include "kresby/znacky.h"

#include <QFile>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QTextStream>

#include <algorithm>

namespace {

struct Bunka {
    int cislo = 0;
    QImage obrazek; // null when the description could not be drawn
};

constexpr int Okraj = 8;
constexpr int Popisek = 18;
constexpr int SirkaListu = 1200;

QTextStream &Chyby()
{
    static QTextStream proud(stderr);
    return proud;
}

// The picture a question describes; a null image (and a message) when it cannot be drawn.
QImage Obrazek(const QJsonObject &otazka, int cislo)
{
    if (otazka.contains(u"znacka")) {
        const QString kod = otazka.value(u"znacka").toString();
        if (!Znacky::Existuje(kod)) {
            Chyby() << "otázka " << cislo << ": neznámá značka „" << kod << "“\n";
            return {};
        }
        return Znacky::Nakreslit(kod);
    }
    if (otazka.contains(u"krizovatka")) {
        const QJsonObject scena = otazka.value(u"krizovatka").toObject();
        const QString chyba = Krizovatky::Zkontrolovat(scena);
        if (!chyba.isEmpty()) {
            Chyby() << "otázka " << cislo << ": " << chyba << '\n';
            return {};
        }
        return Krizovatky::Nakreslit(scena);
    }
    return {};
}

} // namespace

int main(int argc, char *argv[])
{
    // The tool only paints into images; it needs no display.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication aplikace(argc, argv);

    const QStringList argumenty = QGuiApplication::arguments();
    if (argumenty.size() != 3) {
        Chyby() << "použití: semaforix-arch <otázky.json> <výstup.png>\n";
        return 2;
    }
    QFile soubor(argumenty.at(1));
    if (!soubor.open(QIODevice::ReadOnly)) {
        Chyby() << "nelze otevřít " << argumenty.at(1) << '\n';
        return 2;
    }
    QJsonParseError chybaJson;
    const QJsonDocument dokument = QJsonDocument::fromJson(soubor.readAll(), &chybaJson);
    if (!dokument.isArray()) {
        Chyby() << argumenty.at(1) << ": " << chybaJson.errorString() << '\n';
        return 2;
    }

    QList<Bunka> bunky;
    bool vseNakresleno = true;
    QSize nejvetsi(0, 0);
    for (const QJsonValue &hodnota : dokument.array()) {
        const QJsonObject otazka = hodnota.toObject();
        if (!otazka.contains(u"znacka") && !otazka.contains(u"krizovatka"))
            continue;
        const int cislo = otazka.value(u"cislo").toInt();
        Bunka bunka{cislo, Obrazek(otazka, cislo)};
        vseNakresleno = vseNakresleno && !bunka.obrazek.isNull();
        if (!bunka.obrazek.isNull())
            nejvetsi = nejvetsi.expandedTo(bunka.obrazek.size());
        bunky << bunka;
    }
    if (bunky.isEmpty()) {
        Chyby() << argumenty.at(1) << ": žádná otázka s obrázkem\n";
        return 1;
    }
    if (nejvetsi.isEmpty())
        nejvetsi = QSize(Znacky::VelikostObrazku, Znacky::VelikostObrazku);

    const QSize bunka(nejvetsi.width() + Okraj, nejvetsi.height() + Popisek + Okraj);
    const int sloupcu = std::max(1, SirkaListu / bunka.width());
    const int radku = (int(bunky.size()) + sloupcu - 1) / sloupcu;
    QImage list(sloupcu * bunka.width() + Okraj, radku * bunka.height() + Okraj,
                QImage::Format_RGB32);
    list.fill(QColor(0xe4, 0xe4, 0xe4));

    QPainter p(&list);
    QFont pismo(QStringLiteral("DejaVu Sans"));
    pismo.setPixelSize(13);
    p.setFont(pismo);
    for (int i = 0; i < bunky.size(); ++i) {
        const QPoint roh(Okraj + (i % sloupcu) * bunka.width(), Okraj + (i / sloupcu) * bunka.height());
        const QRect misto(roh, nejvetsi);
        const Bunka &b = bunky.at(i);
        if (b.obrazek.isNull()) {
            // Left visibly empty and crossed, so a missing picture cannot go unnoticed.
            p.fillRect(misto, Qt::white);
            p.setPen(QPen(Qt::red, 2));
            p.drawLine(misto.topLeft(), misto.bottomRight());
            p.drawLine(misto.topRight(), misto.bottomLeft());
        } else {
            p.drawImage(roh, b.obrazek);
        }
        p.setPen(Qt::black);
        p.drawText(QRect(roh.x(), roh.y() + nejvetsi.height(), nejvetsi.width(), Popisek),
                   Qt::AlignCenter, QString::number(b.cislo));
    }
    p.end();

    if (!list.save(argumenty.at(2))) {
        Chyby() << "nelze uložit " << argumenty.at(2) << '\n';
        return 2;
    }
    return vseNakresleno ? 0 : 1;
}
