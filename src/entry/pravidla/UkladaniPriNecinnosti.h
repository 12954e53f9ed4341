#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>

// Keeps what is typed into a window on disk within two seconds of the last key: it
// saves one second after the last key press or click, and at least every two seconds
// while typing goes on, whenever the typed values differ from the stored ones. A key
// press only restarts timers; the save itself runs from the event loop.
class TUkladaniPriNecinnosti : public QObject
{
    Q_OBJECT

public:
    static constexpr int NecinnostMs = 1000;
    static constexpr int NejdeleMs = 2000;

    // `okno`: what owns the timers; `viditelne`: whether the window is shown; `patri`:
    // whether a key or click on the object is typing into the window.
    // `otisk`: the typed values as they stand now. `uloz(sDenikem)`: stores them
    // (journaled only with sDenikem) and returns the failure's text, empty on success.
    // `hlas`: shows a failure (empty: the failure is over).
    TUkladaniPriNecinnosti(QObject &okno, std::function<bool()> viditelne,
                           std::function<bool(QObject *)> patri, std::function<QString()> otisk,
                           std::function<QString(bool)> uloz,
                           std::function<void(const QString &)> hlas);
    ~TUkladaniPriNecinnosti() override;

    // What the window shows is now what is stored (opening, a page or party change):
    // the next idle save journals again.
    void Ulozeno();
    // No idle save until the next key (closing, a save with checks).
    void Zastav();
    // While set, the timers wait (a save with checks and its dialogs are running).
    bool Pozastaveno = false;

    // Saves now when the typed values differ from the stored ones; the timers call it.
    void UlozJeLiTreba(bool konecUseku);

protected:
    bool eventFilter(QObject *objekt, QEvent *udalost) override;

private:
    std::function<bool()> m_viditelne;
    std::function<bool(QObject *)> m_patri;
    std::function<QString()> m_otisk;
    std::function<QString(bool)> m_uloz;
    std::function<void(const QString &)> m_hlas;
    QTimer m_necinnost;
    QTimer m_nejdele;
    QString m_ulozeno;
    bool m_zapsanoVUseku = false; // this page's typing period has its journal line
    bool m_chybaOhlasena = false;
};
