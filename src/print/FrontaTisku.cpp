#include "FrontaTisku.h"

#include <cups/cups.h>

#include <iterator>

using namespace Qt::StringLiterals;

TStavFronty StavFronty(const QString &fronta)
{
    // The state message (what cupsreject -r and cupsdisable -r say) is only in the
    // printer's own attributes, not in the destination list.
    ipp_t *dotaz = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", 0,
                     "/printers/%s", fronta.toUtf8().constData());
    ippAddString(dotaz, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
    static const char *const atributy[] = {"printer-state", "printer-state-message",
                                           "printer-state-reasons", "printer-is-accepting-jobs"};
    ippAddStrings(dotaz, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes",
                  int(std::size(atributy)), nullptr, atributy);
    ipp_t *odpoved = cupsDoRequest(CUPS_HTTP_DEFAULT, dotaz, "/");
    TStavFronty stav;
    if (odpoved && ippGetStatusCode(odpoved) <= IPP_STATUS_OK_EVENTS_COMPLETE) {
        stav.Existuje = true;
        ipp_attribute_t *a = ippFindAttribute(odpoved, "printer-is-accepting-jobs", IPP_TAG_ZERO);
        stav.PrijimaUlohy = !a || ippGetBoolean(a, 0);
        a = ippFindAttribute(odpoved, "printer-state", IPP_TAG_ZERO);
        stav.Zastavena = a && ippGetInteger(a, 0) == IPP_PSTATE_STOPPED;
        a = ippFindAttribute(odpoved, "printer-state-message", IPP_TAG_ZERO);
        stav.Duvod = a ? QString::fromUtf8(ippGetString(a, 0, nullptr)).trimmed() : QString();
        a = ippFindAttribute(odpoved, "printer-state-reasons", IPP_TAG_ZERO);
        for (int i = 0; stav.Duvod.isEmpty() && a && i < ippGetCount(a); ++i) {
            const QString duvod = QString::fromUtf8(ippGetString(a, i, nullptr));
            if (duvod != u"none")
                stav.Duvod = duvod;
        }
    }
    ippDelete(odpoved);
    return stav;
}

TUlohyFronty UlohySTitulem(const QString &fronta, const QString &titul)
{
    TUlohyFronty ulohy;
    cups_job_t *seznam = nullptr;
    const int pocet = cupsGetJobs2(CUPS_HTTP_DEFAULT, &seznam, fronta.toUtf8().constData(), 0,
                                   CUPS_WHICHJOBS_ALL);
    for (int i = 0; i < pocet; ++i) {
        const cups_job_t &u = seznam[i];
        if (QString::fromUtf8(u.title) != titul)
            continue;
        switch (u.state) {
        case IPP_JSTATE_PENDING:
        case IPP_JSTATE_HELD:
        case IPP_JSTATE_STOPPED:
            ulohy.Cekajici.append(u.id);
            break;
        case IPP_JSTATE_CANCELED:
        case IPP_JSTATE_ABORTED:
            ++ulohy.Nezdarene;
            break;
        default:
            ++ulohy.Prijate;
            break;
        }
    }
    cupsFreeJobs(pocet, seznam);
    return ulohy;
}

bool ZrusUlohu(const QString &fronta, int id)
{
    return cupsCancelJob2(CUPS_HTTP_DEFAULT, fronta.toUtf8().constData(), id, 0) == IPP_STATUS_OK;
}
