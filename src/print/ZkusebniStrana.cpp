#include "ZkusebniStrana.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QSettings>

#include "Soubory.h"

using namespace Qt::StringLiterals;

QStringList FontyKDispozici()
{
    QStringList fonty = QFontDatabase::families();
    const QString nahradni = QFontInfo(QFont(u"Zelkovar-neexistujici-pismo"_s)).family();
    for (const QString &rez : {u"Arial"_s, u"Arial CE"_s, u"Courier New"_s, u"Courier New CE"_s}) {
        if (fonty.contains(rez, Qt::CaseInsensitive))
            continue;
        if (QFontInfo(QFont(rez)).family().compare(nahradni, Qt::CaseInsensitive) != 0)
            fonty.append(rez);
    }
    return fonty;
}

QString NactiEmailPodpory(const QString &adrInstalace)
{
    const QString cesta = Soubory::NajdiSoubor(adrInstalace, u"zelkovar.ini"_s);
    const QString email =
        QSettings(cesta, QSettings::IniFormat).value(u"Tisk/EmailPodpory"_s).toString().trimmed();
    return email.isEmpty() ? u"podpora@zelkovar.example"_s : email;
}

QString FontyProTisk(const QStringList &fonty)
{
    const auto ma = [&](const QString &rez) { return fonty.contains(rez, Qt::CaseInsensitive); };
    QString s;
    if (ma(u"Arial"_s))
        s += u"Arial, "_s;
    if (ma(u"Arial CE"_s))
        s += u"Arial CE, "_s;
    if (ma(u"Courier New"_s))
        s += u"Courier New, "_s;
    if (ma(u"Courier New CE"_s))
        s += u"Courier New CE"_s;
    return s;
}

void TiskZkusebniStrany(TTisk &t, const TZkusebniUdaje &u, const QDateTime &ted)
{
    t.InitTisk(ted);
    t.ZacatekTisku();
    TPlatno &c = t.VratCanvas();
    t.ZlomPovolen = true;

    const int L = t.LevyOkraj;
    const int R = t.PravyOkraj;
    const int x1 = L + 10;
    const int sirkaPrvniho = (R - L) / 5 * 2;
    const int x2 = L + sirkaPrvniho + 10;

    t.NastavVelikost(t.VelikostNormalni);
    t.NastavFont(u"Arial"_s);
    t.AktY = 100;
    c.Pen = TPero{2, Qt::SolidLine};
    for (const QPoint bod : {QPoint(L, 100), QPoint(R, 100), QPoint(L, t.DolniOkraj + t.VyskaRadku),
                             QPoint(R, t.DolniOkraj + t.VyskaRadku)}) {
        c.Cara(bod.x() - 30, bod.y(), bod.x() + 30, bod.y());
        c.Cara(bod.x(), bod.y() - 30, bod.x(), bod.y() + 30);
    }

    t.NastavVelikost(t.VelikostNadpisu);
    t.TiskStred(4, L, R, 0, u"B"_s, u"T I S K   z k u š e b n í    s t r a n y"_s);
    t.TiskStred(1, L, R, 0, u" "_s,
                u"------------------------------ verze "_s + t.VerzeProgramu +
                    u" ------------------------------"_s);
    // Texts from outside the program (the station, the system, the printer) are set
    // smaller when their line cannot hold them: the table's rows stay where they are.
    const auto velikostNa = [&](const QString &text, int sirka) {
        return t.Rozloz(text, sirka, sirka, t.Canvas().Font.Velikost).Velikost;
    };
    const QString volby = u"Volby do zastupitelstva obce konané ve dnech (dne): "_s + u.DatumVoleb;
    t.NastavVelikost(velikostNa(volby, R - L));
    t.TiskStred(2, L, R, 0, u" "_s, volby);

    t.NastavVelikost(t.VelikostNormalni);
    t.NastavFont(u"Courier New"_s);
    t.TiskStyl(6, x1, -30, u"B"_s, u"P r o m ě n n á "_s);
    t.TiskStyl(0, x2, -30, u"B"_s, u"H o d n o t a"_s);

    const auto hodnota = [&](int radky, const QString &text) {
        const int velikost = t.Canvas().Font.Velikost;
        t.NastavVelikost(velikostNa(text, R - x2));
        t.Tisk(radky, x2, 0, text);
        t.NastavVelikost(velikost);
    };
    t.Tisk(1, x1, 0, u"Systém"_s);
    hodnota(0, u.NazevSystemu);

    t.Tisk(1, x1, 0, u"Defaultní tiskárna"_s);
    const QString tiskarna = TTisk::BezMezerVpravo(u.Tiskarna);
    const int naPrvnim = t.ZnakuNaRadek(tiskarna, x2, R, R);
    const bool zlom = naPrvnim < tiskarna.size();
    t.Tisk(0, x2, 0, tiskarna.left(naPrvnim));
    if (zlom)
        hodnota(1, tiskarna.mid(naPrvnim));

    t.Tisk(1, x1, 0, u"Seznam fontů použitých pro tisk"_s);
    t.Tisk(0, x2, 0, FontyProTisk(u.Fonty));

    t.Tisk(1, x1, 0, u"Datum tisku"_s);
    t.Tisk(0, x2, 0, ted.toString(u"dd.MM.yyyy"_s) + u", "_s + ted.toString(u"hh:mm"_s));

    t.Tisk(1, x1, 0, u"Test tisku k pravému okraji"_s);
    t.Tisk(0, x2, 0, u"font Courier New"_s);
    t.TiskVpravo(0, R, 0, u"-->"_s);
    t.NastavFont(u"Arial"_s);
    t.Tisk(1, x2, 0, u"font Arial"_s);
    t.TiskVpravo(0, R, 0, u"-->"_s);
    t.NastavFont(u"Courier New"_s);
    t.Tisk(1, x2, 0, u"font Courier New mezerami                    -->"_s);

    t.Tisk(1, x1, 0, u"Proporcionalita"_s);
    const QString tecky = TTisk::Opakuj(u"."_s, 48);
    t.NastavFont(u"Arial"_s);
    t.TiskStyl(0, x2, 12, u" "_s, tecky);
    // The "+" stands 6 units lower than the form has it, clear of the dots above, and a
    // hair after the dots, so that it is a mark of its own and not part of their row.
    t.TiskStyl(0, x2 + t.SirkaTextu(tecky) + 4, 28, u" "_s, u"+"_s);
    t.NastavFont(u"Courier New"_s);
    t.Tisk(0, x2, -12, tecky);

    // The frame; a wrapped printer name adds a row without a line inside it.
    const int horni = 700;
    const int radku = zlom ? 8 : 7;
    const int vyska = 50 * radku + 150;
    c.Pen = TPero{3, Qt::SolidLine};
    c.Rectangle(L, horni, R, horni + vyska);
    for (int k = 2; k <= radku + 3; ++k) {
        if (zlom && k == 4)
            continue;
        c.Cara(L, horni + k * t.VyskaRadku, R, horni + k * t.VyskaRadku);
    }
    c.Cara(L + sirkaPrvniho, horni, L + sirkaPrvniho, horni + vyska);

    t.NastavFont(u"Arial"_s);
    t.NastavVelikost(t.VelikostNadpisu);
    t.TiskStred(3, L, R, 0, u"B"_s, u"Stránku vytiskněte."_s);
    t.TiskStred(1, L, R, 0, u" "_s,
                u"%1 %2 %3  %4"_s.arg(u.DpiNahledu)
                    .arg(u.SirkaNahledu)
                    .arg(u.VyskaNahledu)
                    .arg(u.DpiObrazovky));
    t.TiskStred(2, L, R, 0, u"B"_s,
                u"Test proběhl v pořádku, pokud jsou všechny tři šipky u pravého okraje,"_s);
    t.TiskStred(1, L, R, 0, u"B"_s,
                u"v seznamu fontů jsou zastoupeny fonty Arial (CE) a Courier New (CE)"_s);
    t.TiskStred(1, L, R, 0, u"B"_s, u" a texty jsou vytištěny se správnou diakritikou."_s);
    t.TiskStred(4, L, R, 0, u" "_s, u"Není-li test v pořádku, prosíme, dopište kontakt na Vás:"_s);

    const QString dlouhe = u". . . . . . . . . . . . . . . . . . . . . . . . . . . ."_s;
    const struct
    {
        int radky;
        QString popis;
        QString pole;
    } formular[] = {{4, u"Organizace"_s, dlouhe},
                    {2, u"Kontaktní osoba"_s, dlouhe},
                    {2, u"E - mail"_s, dlouhe},
                    {2, u"Telefon"_s, u". . . . . . . . . . . . . ."_s}};
    for (const auto &r : formular) {
        t.Tisk(r.radky, L, 0, r.popis);
        t.Tisk(0, L + 500, 0, r.pole);
    }
    // The support address is a setting: a long one goes on on the next lines.
    const TRozlozeni email =
        t.Rozloz(u"a naskenované pošlete na e-mail "_s + u.EmailPodpory + u'.', t.PravaMez() - L,
                 t.PravaMez() - L, t.Canvas().Font.Velikost, TTisk::LibovolneRadku);
    const int velikost = t.Canvas().Font.Velikost;
    t.NastavVelikost(email.Velikost);
    for (qsizetype i = 0; i < email.Radky.size(); ++i)
        t.Tisk(i == 0 ? 4 : 1, L, 0, email.Radky.at(i));
    t.NastavVelikost(velikost);
    t.Tisk(2, L, 0, u"Vámi zaslaný podklad využijeme k opravě nebo vylepšení tohoto software."_s);

    t.NastavVelikost(t.VelikostNormalni);
    t.Tisk(0, L + 40, t.DolniOkraj, u"Zde je umístěna patička"_s);
    t.TiskVpravo(0, R - 10, t.DolniOkraj, t.KodProgramu);

    t.KonecTisku();
}
