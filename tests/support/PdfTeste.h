#pragma once

// A PDF as a test reads it: its text through pdftotext and its first page
// as a picture through pdftoppm (poppler-utils). Tests that need them skip
// themselves when the tools are missing:
//     if (!PdfTeste::ferramentas()) QSKIP("poppler-utils (pdftotext, pdftoppm) not installed");

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRect>
#include <QStandardPaths>
#include <QString>
#include <QTemporaryDir>

namespace PdfTeste {

inline bool ferramentas()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()
        && !QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty();
}

// Every page's text, laid out as on the page.
inline QString texto(const QString &pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), { QStringLiteral("-layout"), pdf, QStringLiteral("-") });
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

inline int paginas(const QString &pdf)
{
    return int(texto(pdf).count(u'\f'));
}

// Page `pagina` (from 1) drawn at `dpi`.
inline QImage pagina(const QString &pdf, int pagina = 1, int dpi = 40)
{
    QTemporaryDir pasta;
    const QString base = pasta.filePath(QStringLiteral("p"));
    QProcess p;
    p.start(QStringLiteral("pdftoppm"),
        { QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-f"), QString::number(pagina),
            QStringLiteral("-l"), QString::number(pagina), QStringLiteral("-png"),
            QStringLiteral("-singlefile"), pdf, base });
    p.waitForFinished(60000);
    return QImage(base + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
}

// The smallest rectangle holding every pixel that is not white.
inline QRect ocupado(const QImage &imagem)
{
    QRect r;
    for (int y = 0; y < imagem.height(); ++y) {
        const auto *linha = reinterpret_cast<const QRgb *>(imagem.constScanLine(y));
        for (int x = 0; x < imagem.width(); ++x) {
            if ((linha[x] & 0xffffff) != 0xffffff)
                r |= QRect(x, y, 1, 1);
        }
    }
    return r;
}

inline bool temCor(const QImage &imagem, QRgb cor)
{
    for (int y = 0; y < imagem.height(); ++y) {
        const auto *linha = reinterpret_cast<const QRgb *>(imagem.constScanLine(y));
        for (int x = 0; x < imagem.width(); ++x) {
            if ((linha[x] & 0xffffff) == (cor & 0xffffff))
                return true;
        }
    }
    return false;
}

}  // namespace PdfTeste
