// The graph window's zoom commands: the fixed steps, the undo and the zoom
// range typed into its dialog.
#include "TFormGrafico.h"

#include "CursorEspera.h"
#include "FaixaZoom.h"
#include "GraficoLinhas.h"
#include "PassosZoom.h"
#include "TFrmFaixaZoom.h"

namespace {
const QString kDataHora = QStringLiteral("dd/mm/yyyy hh:nn:ss");
}

void TFormGrafico::aplicaPassosZoom(bool aproxima)
{
    CursorEspera espera;
    TheChart->aplicaPassosZoom(PassosZoom::passos(aproxima, !m_aquisicao->umCanal() && Canal2));
    esqueceCruz(-2);
    TheChart->redesenha();
    recalculaFaixa();
}

void TFormGrafico::ZoomIn()
{
    aplicaPassosZoom(true);
}

void TFormGrafico::ZoomOut()
{
    aplicaPassosZoom(false);
}

void TFormGrafico::UndoZoom()
{
    CursorEspera espera;
    TheChart->desfazZoom();
    VerificaEscala();
}

void TFormGrafico::ConfigFaixaZoom()
{
    const TAquisicao &a = *m_aquisicao;
    const bool dois = !a.umCanal() && Canal2;
    const double esquerdoMin = TheChart->minimo(EixoGrafico::Esquerdo);
    const double esquerdoMax = TheChart->maximo(EixoGrafico::Esquerdo);
    const double direitoMin = dois ? TheChart->minimo(EixoGrafico::Direito) : 0.0;
    const double direitoMax = dois ? TheChart->maximo(EixoGrafico::Direito) : 0.0;
    const FaixaZoom::FaixaTempo tempo = FaixaZoom::paraDialogo(
        a, TheChart->minimo(EixoGrafico::Inferior), TheChart->maximo(EixoGrafico::Inferior));

    TFrmFaixaZoom dialogo(m_ambiente, m_ligacoes.ajuda, this);
    dialogo.SetaValores(a.NumCanais, tempo.minimo, tempo.maximo, a.IntervaloAquisicoes(), esquerdoMin,
        esquerdoMax, direitoMin, direitoMax);
    if (m_ligacoes.mostraFaixaZoom)
        m_ligacoes.mostraFaixaZoom(dialogo);
    else
        dialogo.exec();

    CursorEspera espera;
    if (!dialogo.Cancelado) {
        // The undo ("100%") goes back to before the typed range too.
        TheChart->guardaEscalas();
        // Each range in the order the chart does not refuse: the maximum
        // first when the new range lies wholly above the present one.
        TheChart->defineFaixa(EixoGrafico::Esquerdo, dialogo.ValorMin1, dialogo.ValorMax1);
        if (dois)
            TheChart->defineFaixa(EixoGrafico::Direito, dialogo.ValorMin2, dialogo.ValorMax2);
        TheChart->defineAutomatico(EixoGrafico::Inferior, false);
        TheChart->defineFormatoDataHora(kDataHora);
        const FaixaZoom::FaixaTempo f = FaixaZoom::paraEixo(
            a, dialogo.DataInicial + dialogo.HoraInicial, dialogo.DataFinal + dialogo.HoraFinal);
        TheChart->defineFaixa(EixoGrafico::Inferior, f.minimo, f.maximo);
        esqueceCruz(-2);
        recalculaFaixa();
    }
    TheChart->redesenha();
    if (CheckBoxEscala->isChecked())
        VerificaEscala();
}
