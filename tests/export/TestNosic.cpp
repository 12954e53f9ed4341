// Exporting onto a real small volume: a stick that is full, and one unplugged after
// it was listed. tmpfs volumes in a private mount namespace; needs root, otherwise
// the test reports itself skipped (exit code 77).
#include "Dotaznik.h"
#include "DvaPripady.h"
#include "Export.h"
#include "SouboryTestu.h"
#include "Stanice.h"
#include "Z_export.h"
#include "Zarizeni.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

bool PripojTmpfs(const QString &kam, const char *velikost)
{
    const QByteArray volby = QByteArray("size=") + velikost + ",mode=0755";
    return ::mount("tmpfs", QFile::encodeName(kam).constData(), "tmpfs", 0, volby.constData()) == 0;
}

// Bytes that differ between the two exports.
QByteArray Data(int velikost, char zaklad)
{
    QByteArray b;
    for (int i = 0; i < velikost; ++i)
        b.append(char(zaklad + i * 7));
    return b;
}

const QString Jmeno = u"OO504505.00002"_s;

} // namespace

class TestNosic : public QObject
{
    Q_OBJECT

    QTemporaryDir *m_tmp = nullptr;
    TAdresare m_adr;
    TStaniceRec m_stanice;
    TOkrsekRefRec m_akt;
    QString m_usb;

    // The export dialog driven by keys: one Enter on the list saves. Returns whether the
    // dialog reported an export.
    bool ExportujKlavesami(TDotaznikFronta &dotaznik, TZdrojZarizeniAdresare &zdroj,
                           const std::function<void()> &poVypisu = {})
    {
        TZ_ExportDat_F dlg(dotaznik, zdroj, m_adr, m_stanice, m_akt);
        dlg.show();
        if (!QTest::qWaitForWindowExposed(&dlg))
            return false;
        dlg.activateWindow();
        [&] {
            QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(dlg.Z_SeznZar_CB));
        }();
        if (!dlg.Z_SeznZar_CB->currentText().startsWith(m_usb))
            return false;
        if (poVypisu)
            poVypisu();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        return dlg.ExportProveden;
    }

    QStringList NaNosici() const
    {
        return QDir(m_usb).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }

private slots:
    void init()
    {
        m_tmp = new QTemporaryDir;
        QVERIFY(m_tmp->isValid());
        const QString koren = m_tmp->path() + u'/';
        m_adr = {koren + u"instalace/"_s, koren + u"instalace/"_s, koren + u"instalace/data/"_s};
        QVERIFY(QDir().mkpath(m_adr.AdrData));
        m_usb = koren + u"usb"_s;
        QVERIFY(QDir().mkpath(m_usb));
        m_stanice.KodObce = u"504505"_s;
        m_stanice.CisloOkrsku = 2;
        m_akt.KodObce = m_stanice.KodObce;
        m_akt.CisloOkrsku = m_stanice.CisloOkrsku;
        m_akt.TypZastup = u"1"_s;
    }
    void cleanup()
    {
        ::umount2(QFile::encodeName(m_usb).constData(), MNT_DETACH);
        VynutKopiiPoBlocich(false);
        delete m_tmp;
    }

    // A stick without room for the new export beside the old one keeps the old one
    // byte for byte, and the user is told why.
    void plnyNosicNechaPredchoziExport_data()
    {
        DvaPripady("poBlocich", "soubor najednou", "po blocich");
    }
    void plnyNosicNechaPredchoziExport()
    {
        QFETCH(bool, poBlocich);
        VynutKopiiPoBlocich(poBlocich);
        QVERIFY(PripojTmpfs(m_usb, "64k"));
        TZdrojZarizeniAdresare zdroj({m_usb});
        TDotaznikFronta dotaznik;
        const QByteArray stary = Data(20000, 'a');
        Zapis(m_adr.AdrData + Jmeno, stary);
        QVERIFY(ExportujKlavesami(dotaznik, zdroj));
        QCOMPARE(Obsah(m_usb + u'/' + Jmeno), stary);

        // What is left after a filler is less than the new export needs.
        Zapis(m_adr.AdrData + Jmeno, Data(20000, 'b'));
        Zapis(m_usb + u"/vypln"_s, QByteArray(64 * 1024 - 20480 - 2 * 4096, 'v'));
        dotaznik.Vymaz();
        QVERIFY(!ExportujKlavesami(dotaznik, zdroj));
        QCOMPARE(Obsah(m_usb + u'/' + Jmeno), stary);
        QCOMPARE(NaNosici(), (QStringList{Jmeno, u"vypln"_s}));
        QCOMPARE(dotaznik.Zpravy.size(), 1);
        QVERIFY2(dotaznik.Zpravy[0].Text.contains(u"beze změny"_s),
                 qPrintable(dotaznik.Zpravy[0].Text));
        QVERIFY(!dotaznik.Dialogy.contains(u"TZ_infoE_F"_s));
    }

    // Unplugged after the list was made: the mount point is a plain directory of the
    // system disk again; nothing may land there, and nothing counts as exported.
    void odpojenyNosicJeOdmitnut()
    {
        QVERIFY(PripojTmpfs(m_usb, "64k"));
        TZdrojZarizeniAdresare zdroj({m_usb});
        TDotaznikFronta dotaznik;
        Zapis(m_adr.AdrData + Jmeno, Data(3000, 'c'));
        const bool hotovo = ExportujKlavesami(dotaznik, zdroj, [&] {
            QCOMPARE(::umount2(QFile::encodeName(m_usb).constData(), MNT_DETACH), 0);
        });
        QVERIFY(!hotovo);
        QCOMPARE(NaNosici(), QStringList());
        QCOMPARE(dotaznik.Zpravy.size(), 1);
        QVERIFY2(dotaznik.Zpravy[0].Text.contains(u"není připojeno"_s),
                 qPrintable(dotaznik.Zpravy[0].Text));
    }
};

int main(int argc, char **argv)
{
    if (::geteuid() != 0)
        return 77;
    // A private mount namespace: the volumes are invisible to the rest of the system
    // and disappear with the process.
    if (::unshare(CLONE_NEWNS) != 0 ||
        ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
        return 77;
    {
        QTemporaryDir zkouska;
        if (!zkouska.isValid() || !PripojTmpfs(zkouska.path(), "64k"))
            return 77;
        ::umount2(QFile::encodeName(zkouska.path()).constData(), MNT_DETACH);
    }
    QApplication app(argc, argv);
    TestNosic test;
    return QTest::qExec(&test, argc, argv);
}

#include "TestNosic.moc"
