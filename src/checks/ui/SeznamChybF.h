#pragma once

#include "Chyby.h"
#include "NavrhyOprav.h"

#include <QDialog>

class QTreeWidget;

// "Seznam chyb": every entry of the last check run with its explanation and hint,
// over the protocol preview. Enter on a row closes it with that entry's field
// chosen; Esc closes it and leaves the preview.
class TSeznamChybF : public QDialog
{
    Q_OBJECT

public:
    TSeznamChybF(const TChybProt &protokol, const QList<TNavrh> &navrhy, QWidget *parent = nullptr);

    // The field of the row Enter was pressed on; Zadne after Esc.
    TPoleDat Vybrane() const { return m_vybrane; }

    QTreeWidget *Seznam = nullptr;

protected:
    bool eventFilter(QObject *objekt, QEvent *udalost) override;

private:
    QList<TPoleDat> m_pole; // per row
    TPoleDat m_vybrane;
};
