#pragma once

#include <QList>
#include <QString>

#include <deque>
#include <functional>

// The one way the program shows message boxes and modal dialogs. The program object
// holds one asker; the windows implementation shows real boxes, tests queue answers.
enum class TIkona
{
    Zadna,
    Informace,
    Varovani,
    Otazka,
    Chyba
};

enum class TOdpoved
{
    OK,
    Ano,
    Ne
};

struct TZprava
{
    TIkona Ikona = TIkona::Zadna;
    QString Titulek;
    QString Text;           // line breaks as '\n'
    bool AnoNe = false;     // Yes/No buttons instead of a single OK
    bool VychoziNe = false; // No is the default button of a question
};

class IDotaznik
{
public:
    virtual ~IDotaznik() = default;

    // Shows the box and waits for the answer (OK for a box without a question).
    virtual TOdpoved Zobraz(const TZprava &zprava) = 0;

    // Shows a modal dialog: `ukaz` runs it and returns its result. The name is the
    // dialog's object name, so that a test can tell which dialog was asked for.
    virtual int ProvedDialog(const QString &nazev, const std::function<int()> &ukaz) = 0;

    void Informace(const QString &titulek, const QString &text)
    {
        Zobraz({TIkona::Informace, titulek, text, false});
    }
    void Varovani(const QString &titulek, const QString &text)
    {
        Zobraz({TIkona::Varovani, titulek, text, false});
    }
    void Chyba(const QString &titulek, const QString &text)
    {
        Zobraz({TIkona::Chyba, titulek, text, false});
    }
    // A Yes/No question with the question icon; true for Yes.
    bool Otazka(const QString &titulek, const QString &text)
    {
        return Zobraz({TIkona::Otazka, titulek, text, true}) == TOdpoved::Ano;
    }
};

// For tests: records every box and dialog and answers from a queue. A question with
// nothing queued is answered No and counted, so a test can notice it.
class TDotaznikFronta : public IDotaznik
{
public:
    TOdpoved Zobraz(const TZprava &zprava) override;
    int ProvedDialog(const QString &nazev, const std::function<int()> &ukaz) override;

    void ZaradOdpoved(TOdpoved odpoved) { m_odpovedi.push_back(odpoved); }
    void ZaradVysledekDialogu(int vysledek) { m_vysledkyDialogu.push_back(vysledek); }

    QList<TZprava> Zpravy;        // every box shown, in order
    QList<QString> Dialogy;       // names of the dialogs asked for, in order
    int PocetNezodpovezenych = 0; // questions asked with no queued answer
    int ZbyvaOdpovedi() const { return int(m_odpovedi.size()); }
    // The texts of all boxes shown so far (for compact assertions).
    QList<QString> Texty() const;
    void Vymaz()
    {
        Zpravy.clear();
        Dialogy.clear();
        PocetNezodpovezenych = 0;
    }

private:
    std::deque<TOdpoved> m_odpovedi;
    std::deque<int> m_vysledkyDialogu;
};

// Without a screen nobody can answer: messages go to stderr, dialogs are not shown
// and every question gets the safe answer No.
class TDotaznikKonzole : public IDotaznik
{
public:
    TOdpoved Zobraz(const TZprava &zprava) override;
    int ProvedDialog(const QString &nazev, const std::function<int()> &ukaz) override;
};
