#pragma once

#include "RelatorioTexto.h"

#include <QFile>
#include <QString>
#include <QTextStream>

#include <functional>
#include <memory>

struct Ambiente;
class QPainter;
class QPrintPreviewDialog;
class QPrinter;
class QRectF;
class QWidget;

// The printed report of a graph's readings list or general parameters:
// the lines of the view's temporary file on Letter pages, each page with
// its header (framed title box with a small picture, the title, the date
// and time, the readings' column heading) and its footer (the page
// number), shown in Qt's print preview, from which the user prints.
class TFrmImpressao
{
public:
    // Why a report did not print: its file could not be written or read,
    // or the printer did not start.
    enum class Falha { Nenhuma, Arquivo, Impressora };

    // Runs the preview dialog; by default exec().
    using MostraPrevia = std::function<void(QPrintPreviewDialog &dialogo)>;

    // arquivo: the temporary file of the kind, read again on every run.
    TFrmImpressao(
        const Ambiente &ambiente, RelatorioTexto::Modo modo, const QString &titulo, const QString &arquivo);
    ~TFrmImpressao();
    TFrmImpressao(const TFrmImpressao &) = delete;
    TFrmImpressao &operator=(const TFrmImpressao &) = delete;

    // The preview on the printer, on Letter portrait pages with 10 mm
    // margins; the printer's page layout is put back afterwards. The first
    // failure of a run of the report.
    Falha Preview(QPrinter &impressora, QWidget *pai, const MostraPrevia &mostra = {});
    // One run of the report, with a painter of its own (what the preview
    // and a print from it do). The printer's page is the caller's.
    Falha imprime(QPrinter &impressora);
    // One run on a painter already begun on the printer, after the pages
    // it has printed: the report starts on a new page.
    bool imprimeApos(QPainter &pintor, QPrinter &impressora);
    // Letter, portrait, 10 mm margins.
    static void usaPagina(QPrinter &impressora);
    // The preview of any report on Letter portrait pages: corre draws one
    // run of it on the printer it is given. The first failure of a run;
    // impresso, when given, tells whether a run went to the printer itself
    // (the user printed), not only to the preview.
    static Falha previa(QPrinter &impressora, QWidget *pai, const QString &titulo,
        const std::function<Falha(QPrinter &)> &corre, const MostraPrevia &mostra, bool *impresso = nullptr);

    // The lines a view prints: the file of its kind in a temporary folder
    // of its own, the preview, then the folder deleted.
    static Falha imprimeVista(const Ambiente &ambiente, RelatorioTexto::Modo modo, const QString &titulo,
        const std::function<bool(const QString &arquivo)> &grava, QPrinter &impressora, QWidget *pai,
        const MostraPrevia &mostra);

private:
    bool executa(QPainter &pintor, QPrinter &impressora, bool novaPagina);
    bool QRp_ImpressaoBeforePrint();
    bool QRp_ImpressaoNeedData(QString &linha);
    void desenhaPagina(
        QPainter &pintor, const QStringList &linhas, int pagina, double escala, const QRectF &area) const;
    void desenhaCabecalho(QPainter &pintor, double escala, double largura) const;
    void desenhaColunas(
        QPainter &pintor, const QString &linha, double y, double escala, double largura) const;
    void desenhaFigura(QPainter &pintor, const QRectF &caixa) const;

    const Ambiente &m_ambiente;
    RelatorioTexto::Modo ModoImpressao;
    QString m_titulo;
    QString m_arquivo;
    QString m_dataHora;
    QFile m_leitura;
    std::unique_ptr<QTextStream> m_texto;
};
