#pragma once

#include <QApplication>

class IDotaznik;

// The application object. Its notify() is the last line of defence: an exception
// thrown from any event handler is shown and never reaches Qt's event loop.
class TAplikace : public QApplication
{
public:
    TAplikace(int &argc, char **argv);

    void NastavDotaznik(IDotaznik *dotaznik) { m_dotaznik = dotaznik; }
    bool notify(QObject *prijemce, QEvent *udalost) override;

private:
    IDotaznik *m_dotaznik = nullptr;
};
