#pragma once

#include "AvaliacaoPerfil.h"
#include "ResumoCanal.h"
#include "VistaGrafico.h"

#include <array>
#include <functional>
#include <optional>

class QPrintPreviewDialog;
class QPrinter;
class QLabel;
class QPushButton;
class QTableWidget;

// The summary window of a graph: one table with a part per channel with a
// sensor, each line a label with its value over the whole recording and
// over the range the chart shows, and a button for the alarm-limits
// dialog. The graph window fills it and tells it when the range shown or
// the limits change; it closes with its graph.
class TFormResumo : public VistaGrafico
{
    Q_OBJECT
public:
    explicit TFormResumo(const Ambiente &ambiente, QWidget *parent = nullptr);

    // Creates the window for a graph, captioned nome + " - Resumo", placed
    // and shown (filled afterwards by Atualiza).
    static TFormResumo *Abre_Resumo(const QString &nome, const ContextoVista &contexto);

    // The summaries of both channels over the whole recording and over the
    // entries [primeira, ultima] shown, with the channels' limits.
    void Atualiza(
        const TAquisicao &aquisicao, const std::array<LimitesCanal, 2> &limites, int primeira, int ultima);
    // The lines of the summary over the whole recording, as the report
    // prints them, after what they summarise.
    QStringList linhasRelatorio() const { return m_relatorio; }
    // The report of the summary in its print preview; mostra runs the
    // dialog (exec() when empty). A failure says whether the file or the
    // printer failed.
    bool Print(QPrinter &impressora, const std::function<void(QPrintPreviewDialog &)> &mostra = {});
    // Whether the recording has a profile, and so a verdict to print.
    bool temVeredito() const { return m_avaliacao.has_value(); }
    // The compliance report of the recording (from caminho, for its
    // provenance) in its print preview; true when it went to the printer.
    // A printer that refuses is said through the message seam.
    bool ImprimeConformidade(QPrinter &impressora, const QString &caminho,
        const std::function<void(QPrintPreviewDialog &)> &mostra = {});

    QLabel *LabelVeredito = nullptr;
    QTableWidget *Tabela = nullptr;
    QPushButton *BotaoLimites = nullptr;
    QPushButton *BotaoPerfis = nullptr;
    // The profile changed: the next Atualiza judges the recording again.
    void esqueceVeredito() { m_chaveVeredito.reset(); }
    QSize sizeHint() const override { return QSize(400, 440); }

signals:
    // The button: the graph opens its alarm-limits dialog.
    void pedeLimites();
    // The button beside the verdict: the graph opens the profile dialog.
    void pedePerfis();

private:
    QStringList mostraVeredito(const TAquisicao &aquisicao, const std::array<LimitesCanal, 2> &limites);

    struct ChaveVeredito
    {
        const TAquisicao *aquisicao = nullptr;
        int entradas = 0;
        std::array<LimitesCanal, 2> limites;
        bool operator==(const ChaveVeredito &) const = default;
    };
    std::optional<ChaveVeredito> m_chaveVeredito;
    QStringList m_veredito;
    std::optional<Avaliacao> m_avaliacao;  // of *m_chaveVeredito->aquisicao

    QStringList m_relatorio;
    QString m_arquivo;  // the graph's file, as its caption names it
};
