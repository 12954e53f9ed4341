#include "Aplikace.h"

#include "Program.h"

#include <cstdio>

TAplikace::TAplikace(int &argc, char **argv) : QApplication(argc, argv) {}

bool TAplikace::notify(QObject *prijemce, QEvent *udalost)
{
    try {
        return QApplication::notify(prijemce, udalost);
    } catch (...) {
        if (m_dotaznik) {
            try {
                ZobrazVyjimku(*m_dotaznik);
            } catch (...) {
                std::fputs("Zelkovar: chybu nelze zobrazit.\n", stderr);
            }
        }
        return false;
    }
}
