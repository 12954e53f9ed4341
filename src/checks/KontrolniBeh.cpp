#include "KontrolniBeh.h"

#include "Cisla.h"
#include "Denik.h"
#include "Dopocty.h"
#include "EChyba.h"
#include "Soubory.h"
#include "UlozeniVysledku.h"
#include "Zamek.h"

#include <QFileInfo>

#include <array>

namespace {

const QString PrefixO = QStringLiteral("O");
const QString PrefixE = QStringLiteral("E");

// The parameters of 23 and 24, made once: a full run may enter thousands.
const QString &Kandidat(int k)
{
    static const std::array<QString, MaxKandidatu + 1> texty = [] {
        std::array<QString, MaxKandidatu + 1> t;
        for (int i = 1; i <= MaxKandidatu; ++i)
            t[std::size_t(i)] = QStringLiteral("(kand. č. ") + QString::number(i) + u')';
        return t;
    }();
    return texty[std::size_t(k)];
}

QString VZavorkach(qint64 cislo)
{
    return u'(' + QString::number(cislo) + u')';
}

// The number of candidates of list entry a; a text that is no number counts as 0.
int PocetKandidatu(const TStranaRec &strana)
{
    try {
        return PrevedCislo(strana.PocetKand.trimmed(), QString());
    } catch (const EChyba &) {
        return 0;
    }
}

void NactiKomisiBehu(TStavProgramu &b)
{
    const QString clenu = b.Hlasovani.ClenuOVKP.trimmed();
    if (clenu.isEmpty() || clenu == u"0" || clenu == u"1")
        return;
    NastavPocetClenu(
        b.Komise,
        PrevedCislo(clenu, QStringLiteral("počtu přítomných členů komise (ClenuOVKP, HLASO.RCD)")));
    const QFileInfo soubor(Soubory::NajdiSoubor(b.Adresare.AdrData, QStringLiteral("KOMISE.RCD")));
    if (!Soubory::ExistujeSoubor(soubor.filePath()))
        throw EChyba(QStringLiteral("Soubor %1 nelze otevřít: neexistuje.").arg(soubor.filePath()));
    // Anything but an empty regular file is read; its reader refuses a special file.
    if (!soubor.isFile() || soubor.size() != 0)
        b.Komise = NactiKomisi(b.Adresare.AdrData);
}

} // namespace

bool Kontroly(TStavProgramu &b)
{
    b.DataOK = true;
    VynulujOkrsek(b.Vysledky);
    if (!NajdiOkrsek(b.Adresare, b.AktOkrsek))
        return false;
    NactiAktualniOkrsek(b.Adresare, b.AktOkrsek, b.Vysledky);

    b.Hlasovani = NactiHlasovani(b.Adresare.AdrData);
    NactiKomisiBehu(b);

    NajdiOkrsek(b.Adresare, b.AktOkrsek);
    NactiStrany(b.Adresare, b.AktOkrsek, b.Reference);

    ProvedKontroly(b);
    if (!b.Adresare.JenCteni) {
        Denik::Zapis(b.Adresare.AdrStanice,
                     QStringLiteral("kontrola: typ zastupitelstva %1, %2, SeznamChyb=%3")
                         .arg(b.AktOkrsek.TypZastup,
                              b.Stav.JsouChyby           ? QStringLiteral("blokující chyby")
                              : b.Stav.JsouPropustitelne ? QStringLiteral("propustitelné chyby")
                              : b.Stav.JsouUpozorneni    ? QStringLiteral("jen upozornění")
                                                         : QStringLiteral("bez chyb"),
                              b.Vysledky.VetaTS.SeznamChyb));
        ZapisStavExportu(b.Adresare.AdrStanice, b.PomTypZastup, QStringLiteral("N"), b.Stanice);
    }
    b.KontrolyOK = b.ExportOK = !b.Stav.JsouChyby;
    if (b.Vybrano == 5 && b.TiskProtokolu)
        b.TiskProtokolu();
    return true;
}

void ProvedKontroly(TStavProgramu &b)
{
    TDataKontrol d = b.Data();
    TVysledky &v = b.Vysledky;
    TChybProt &prot = b.ProtokolChyb;
    const QString bez;

    prot.Clear();
    b.Stav.JsouPropustitelne = b.Stav.JsouChyby = b.Stav.JsouUpozorneni = false;
    const int n = qBound(0, int(b.Reference.PocetStranSeznamu), MaxStran);
    if (b.Vybrano == 5) {
        v.VetaT3.Chyba = 0;
        for (int i = 1; i <= n; ++i)
            v.StranyHL[std::size_t(i)].Chyba = 0;
        v.VetaTS.Chyba = 0;
    }
    v.VetaTS.SeznamChyb.clear();

    using TKontrolaT3 = bool (*)(TDataKontrol &, bool);
    static const TKontrolaT3 oddilII[] = {
        Kontrola01, Kontrola02,
        Kontrola03, [](TDataKontrol &dd, bool bz) { return Kontrola04(dd, bz); },
        Kontrola05, Kontrola06,
        Kontrola07, Kontrola08,
        Kontrola09, Kontrola10,
        Kontrola11, Kontrola12,
        Kontrola13, Kontrola14,
        Kontrola15, Kontrola16,
        Kontrola17, [](TDataKontrol &dd, bool bz) { return Kontrola18(dd, bz); },
    };
    for (int i = 0; i < int(std::size(oddilII)); ++i) {
        if (!oddilII[i](d, false))
            prot.PridejChybu(0, i + 1, bez, b.Stav.Posledni);
    }
    if (!Kontrola22(d, false))
        prot.PridejChybu(0, 22, bez, b.Stav.Posledni);

    NactiStrany(b.Adresare, b.AktOkrsek, b.Reference);
    NactiKandidaty(b.Adresare, b.AktOkrsek, b.Reference);
    const int m = qBound(0, int(b.Reference.PocetStranSeznamu), MaxStran);

    for (int a = 1; a <= m; ++a) {
        const int c = PocetKandidatu(b.Reference.SeznamStran[std::size_t(a)]);
        if (!Kontrola19(d, a))
            prot.PridejChybu(a, 19, bez, b.Stav.Posledni);
        if (!Kontrola20(d, false, a))
            prot.PridejChybu(a, 20, bez, b.Stav.Posledni);
        if (!Kontrola21(d, false, a))
            prot.PridejChybu(a, 21, bez, b.Stav.Posledni);
        for (int k = 1; k <= MaxKandidatu; ++k) {
            if (!Kontrola23(d, false, a, k))
                prot.PridejChybu(a, 23, Kandidat(k), b.Stav.Posledni);
        }
        for (int k = 1; k <= MaxKandidatu; ++k) {
            if (!Kontrola24(d, false, a, k))
                prot.PridejChybu(a, 24, Kandidat(k), b.Stav.Posledni);
        }
        if (!Kontrola25(d, false, a))
            prot.PridejChybu(a, 25, bez, b.Stav.Posledni);
        // Candidate numbers outside 1..70 have no slot in the record.
        for (int k = qMax(c + 1, 1); k <= MaxKandidatu; ++k) {
            if (!Kontrola26(d, a, k))
                prot.PridejChybu(a, 26, VZavorkach(k), b.Stav.Posledni);
        }
        for (int k = 1; k <= qMin(c, MaxKandidatu); ++k) {
            if (!Kontrola27(d, a, k))
                prot.PridejChybu(a, 27, VZavorkach(k), b.Stav.Posledni);
        }
        if (!Kontrola28(d, false, a))
            prot.PridejChybu(a, 28, bez, b.Stav.Posledni);
        if (!Kontrola29(d, false, a))
            prot.PridejChybu(a, 29, bez, b.Stav.Posledni);
        if (!Kontrola30(d, false, a))
            prot.PridejChybu(a, 30, bez, b.Stav.Posledni);
    }

    Kontrola60(d);
    Kontrola62(d);
    Kontrola63(d);
    Kontrola64(d);
    if (!Kontrola66(d))
        prot.PridejChybu(0, 66, bez, b.Stav.Posledni);
    if (!Kontrola67(d))
        prot.PridejChybu(0, 67, bez, b.Stav.Posledni);
    if (!Kontrola68(d))
        prot.PridejChybu(0, 68, bez, b.Stav.Posledni);
    Kontrola74(d);

    if (!Kontrola91(d))
        prot.PridejChybu(0, 91, bez, b.Stav.Posledni);
    else if (!Kontrola97(d))
        prot.PridejChybu(0, 97, bez, b.Stav.Posledni);
    if (!Kontrola92(d))
        prot.PridejChybu(0, 92, bez, b.Stav.Posledni);

    qint32 r = 0;
    if (!Kontrola96(d, &r)) {
        prot.PridejChybu(0, 96, VZavorkach(r), b.Stav.Posledni);
        if (!Kontrola93(d))
            prot.PridejChybu(0, 93, bez, b.Stav.Posledni);
    } else if (r == 0 && !Kontrola93(d)) {
        prot.PridejChybu(0, 93, bez, b.Stav.Posledni);
    }

    if (!Kontrola94(d))
        prot.PridejChybu(0, 94, bez, b.Stav.Posledni);
    if (!Kontrola95(d))
        prot.PridejChybu(0, 95, bez, b.Stav.Posledni);

    if (!KontrolaKomise(b.Hlasovani, b.Komise, b.Stanice.KodObce, b.Stav, v))
        prot.PridejChybu(0, 39, b.Stav.ProblemyKomise);
}

bool KontrolaKomise(const THlasovaniRec &h, const QList<TKomise> &komise,
                    const QString &kodObceStanice, TKontrolniStav &stav, TVysledky &v)
{
    QString problemy;
    auto nalez = [&](const QString &text) { problemy += text; };

    const QString celkem = h.ClenuOVKC.trimmed();
    const QString pritomno = h.ClenuOVKP.trimmed();
    const QString popisC = QStringLiteral("počtu členů komise celkem (ClenuOVKC, HLASO.RCD)");
    const QString popisP = QStringLiteral("počtu přítomných členů komise (ClenuOVKP, HLASO.RCD)");
    const QString bezJmena = QStringLiteral(", není vyplněno jméno ostatního člena komise");

    if (celkem.isEmpty())
        nalez(QStringLiteral(", není vyplněn počet členů komise celkem"));
    if (pritomno.isEmpty()) {
        nalez(QStringLiteral(", není vyplněn počet přítomných členů komise"));
    } else if (pritomno == u"0" || pritomno == u"1") {
        nalez(bezJmena);
    } else {
        const qint64 jmen = qint64(PrevedCislo(pritomno, popisP)) - 1;
        for (qint64 i = 0; i < jmen; ++i) {
            // A name the file does not hold is an empty name.
            if (i >= komise.size() || komise.at(i).clen.trimmed().isEmpty()) {
                nalez(bezJmena);
                break;
            }
        }
    }
    if (!celkem.isEmpty() && !pritomno.isEmpty()) {
        const qint32 p = PrevedCislo(pritomno, popisP);
        const qint32 c = PrevedCislo(celkem, popisC);
        if (double(p) > double(c) / 2) {
            if (p > c)
                nalez(QStringLiteral(", počet přítomných členů > než celkový počet"));
        } else {
            nalez(QStringLiteral(", počet přítomných členů není nadpoloviční většina"));
        }
    }
    if (h.Zapisovat.trimmed().isEmpty())
        nalez(QStringLiteral(", není vyplněno jméno zapisovatele komise"));
    if (h.PoverPred.trimmed().isEmpty() && kodObceStanice != u"999997")
        nalez(QStringLiteral(", není vyplněno jméno pověřené osoby"));

    stav.ProblemyKomise = QStringLiteral("Nalezené problémy: ") + problemy.mid(2);
    const bool plati = problemy.isEmpty();
    if (!plati)
        OznacChybu(v, stav, u"39", SekceT3);
    return plati;
}

QList<TNavrh> NavrhyBehu(TStavProgramu &b)
{
    std::optional<TInfo83Rec> jiny;
    try {
        TInfo83 info;
        NactiInfo83(b.Adresare.AdrData, b.PomTypZastup, info);
        if (info.JeInfo83Jiny)
            jiny = info.Info83Jiny;
    } catch (const EChyba &) {
        // Without the file the hints only lack one anchor.
    }
    return NajdiNavrhy(b.Data(), jiny);
}

TVysledekKontroly KontrolaDat(TStavProgramu &b)
{
    b.AktOkrsek.KodObce = b.Stanice.KodObce;
    b.AktOkrsek.CisloOkrsku = b.Stanice.CisloOkrsku;
    b.AktOkrsek.TypZastup = QString::number(b.PomTypZastup);
    // One writer at a time: the run stores the data again.
    const TZamek zamek(b.Adresare.AdrStanice);

    const QString stav = StavTypu(b.Stanice, b.AktOkrsek.TypZastup);
    if (stav == u"A" &&
        !b.Dotaznik().Otazka(
            QStringLiteral("Vstup dat za okrsek"),
            QStringLiteral("Data okrsku byla již vyexportována.\n"
                           "V případě opakovaných kontrol budete muset zopakovat export "
                           "dat i tisk zápisu.\n"
                           "Chcete opravdu znovu zkontrolovat data?"))) {
        return TVysledekKontroly::Zruseno;
    }

    if (AktualniPrefix(b.Adresare, b.AktOkrsek).isEmpty()) {
        b.DataOK = false;
        b.Dotaznik().Varovani(TitulekKontrolaDat, QStringLiteral("Data nejsou pořízena!!!"));
        return TVysledekKontroly::DataNejsou;
    }

    b.Vybrano = 5;
    if (!Kontroly(b)) {
        // Storing now would replace the precinct's results with an empty record.
        b.Dotaznik().Varovani(
            TitulekKontrolaDat,
            QStringLiteral("Okrsek %1 obce %2 (typ zastupitelstva %3) není v číselníku "
                           "okrsků OKRSKY.RCD.\nData nebyla zkontrolována a zůstávají beze změny.")
                .arg(b.AktOkrsek.CisloOkrsku)
                .arg(b.AktOkrsek.KodObce, b.AktOkrsek.TypZastup));
        return TVysledekKontroly::OkrsekNenalezen;
    }
    ProcDopoctiTS(b.Vysledky, b.Reference.PocetStranSeznamu, b.Stanice);

    // INFOK83 is left to the export, which writes it before it compares the two types.
    UlozVysledkyTypu(b.Adresare, b.AktOkrsek, b.Stav.JsouChyby ? PrefixE : PrefixO, b.Vysledky,
                     b.Stanice, false);
    return TVysledekKontroly::Provedeno;
}
