#pragma once

// What a PDF the program wrote holds: its pages, and the words poppler's pdftotext
// finds on a page with their boxes in the layout's unit (tenths of a millimetre).
#include <QByteArray>
#include <QFile>
#include <QList>
#include <QProcess>
#include <QRegularExpression>
#include <QString>

struct TSlovo
{
    QString Text;
    double X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
};

// The pages of the PDF, -1 when it cannot be read.
inline int PocetStranPdf(const QByteArray &pdf)
{
    return int(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page/") +
               pdf.count("/Type /Page "));
}
inline int PocetStranPdf(const QString &cesta)
{
    QFile f(cesta);
    return f.open(QIODevice::ReadOnly) ? PocetStranPdf(f.readAll()) : -1;
}

inline QList<TSlovo> Slova(const QString &pdf, int strana)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"),
            {QStringLiteral("-bbox"), QStringLiteral("-f"), QString::number(strana),
             QStringLiteral("-l"), QString::number(strana), pdf, QStringLiteral("-")});
    p.waitForFinished(60000);
    static const QRegularExpression slovo(
        QStringLiteral("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" "
                       "yMax=\"([0-9.]+)\">([^<]*)</word>"));
    const double k = 254.0 / 72.0; // points to tenths of a millimetre
    QList<TSlovo> v;
    for (auto it = slovo.globalMatch(QString::fromUtf8(p.readAllStandardOutput())); it.hasNext();) {
        const auto m = it.next();
        v.append({m.captured(5), m.captured(1).toDouble() * k, m.captured(2).toDouble() * k,
                  m.captured(3).toDouble() * k, m.captured(4).toDouble() * k});
    }
    return v;
}

// Every word of that text.
inline QList<TSlovo> Najdi(const QList<TSlovo> &slova, const QString &text)
{
    QList<TSlovo> v;
    for (const TSlovo &s : slova) {
        if (s.Text == text)
            v.append(s);
    }
    return v;
}
