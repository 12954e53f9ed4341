#include "Volby.h"

#include "Prikazy.h"

#include <QCommandLineParser>

namespace {

QString BezPomlcek(const QString &volba)
{
    return volba.mid(2);
}

} // namespace

TVolby RozeberVolby(const TPopisPrikazu &popis, const QStringList &argumenty)
{
    TVolby v;
    const auto chyba = [&](const QString &text) {
        VypisChybu(popis.Jmeno + QStringLiteral(": ") + text + QStringLiteral(" (viz --help)"));
        v.Konec = KodPouziti;
        return v;
    };

    QCommandLineParser parser;
    const QCommandLineOption napoveda(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    parser.addOption(napoveda);
    for (const QString &volba : popis.SHodnotou)
        parser.addOption(QCommandLineOption(BezPomlcek(volba), QString(), QStringLiteral("x")));
    for (const QString &volba : popis.Prepinace)
        parser.addOption(QCommandLineOption(BezPomlcek(volba)));
    // The parser skips its first argument, the program's name.
    if (!parser.parse(QStringList{popis.Jmeno} + argumenty)) {
        QString text = parser.errorText();
        if (text.endsWith(u'.'))
            text.chop(1);
        return chyba(text);
    }
    if (parser.isSet(napoveda)) {
        Vypis(QString::fromUtf8(popis.Napoveda));
        v.Konec = KodUspech;
        return v;
    }

    v.Volne = parser.positionalArguments();
    for (const QString &volba : popis.SHodnotou) {
        if (parser.isSet(BezPomlcek(volba)))
            v.Hodnoty.insert(volba, parser.value(BezPomlcek(volba)));
    }
    for (const QString &volba : popis.Prepinace) {
        if (parser.isSet(BezPomlcek(volba)))
            v.Prepinace.insert(volba);
    }
    if (v.Volne.size() != popis.Argumenty.size())
        return chyba(QStringLiteral("čekám %1").arg(popis.Argumenty.join(u' ')));

    const QString typ = v.Hodnota(QStringLiteral("--typ"));
    if (v.Ma(QStringLiteral("--typ")) && typ != u"1" && typ != u"2")
        return chyba(QStringLiteral("typ zastupitelstva musí být 1 nebo 2"));
    const QString podadresar = v.Hodnota(QStringLiteral("--podadresar"));
    if (v.Ma(QStringLiteral("--podadresar")) &&
        (podadresar.isEmpty() || podadresar.contains(u'/') || podadresar == u"." ||
         podadresar == u"..")) {
        return chyba(QStringLiteral("podadresář musí být jméno jednoho adresáře"));
    }
    return v;
}
