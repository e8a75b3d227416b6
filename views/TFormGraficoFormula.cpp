// The graph window's formula: the dialog that associates one, the values
// handed to the library and the result on the chart's top axis. The rules
// are in RegrasFormula, the library's loading in BibliotecaFormulas.
#include "TFormGrafico.h"

#include "BibliotecaFormulas.h"
#include "ConfigRegional.h"
#include "CursorEspera.h"
#include "GraficoLinhas.h"
#include "LeituraCursor.h"
#include "RegrasFormula.h"
#include "SerieLinhas.h"
#include "TFrmFormula.h"

bool TFormGrafico::FormulaAssociada(bool *bibliotecaCarregada)
{
    TFrmFormula dialogo(m_ambiente, m_ligacoes.pastaPrograma, this);
    if (bibliotecaCarregada)
        *bibliotecaCarregada = dialogo.carregado();
    if (!dialogo.carregado())
        return FormulaAtiva;
    const TAquisicao &a = *m_aquisicao;
    const RegrasFormula::Faixa faixa = RegrasFormula::faixaVisivel(
        a, TheChart->minimo(EixoGrafico::Inferior), TheChart->maximo(EixoGrafico::Inferior));
    dialogo.defineFaixa(faixa.primeira + 1, faixa.primeira + faixa.quantas());
    if (FormulaAtiva)
        dialogo.SetaParametros(FormulaGrafico);
    dialogo.habilitaCanais(a.SensorCanal1 != -1, a.SensorCanal2 != -1);
    if (m_ligacoes.mostraFormula)
        m_ligacoes.mostraFormula(dialogo);
    else
        dialogo.exec();

    switch (dialogo.fechamento()) {
    case TFrmFormula::Fechamento::Ativado:
        FormulaAtiva = true;
        FormulaGrafico = *dialogo.formulaAtual();
        ApresentaCalculo();
        break;
    case TFrmFormula::Fechamento::Desativado:
        FormulaAtiva = false;
        DesabilitaLabelsCalculo();
        break;
    case TFrmFormula::Fechamento::Fechado:
        break;
    }
    return FormulaAtiva;
}

// The entries of the calculation: the visible range, or the acquisition
// under the mouse for a single formula.
std::vector<Formulas::TLeitura> TFormGrafico::PreencheValores()
{
    const TAquisicao &a = *m_aquisicao;
    if (RegrasFormula::unica(FormulaGrafico))
        return RegrasFormula::entradaUnica(a, FormulaGrafico, m_entradaFormula);
    const RegrasFormula::Faixa faixa = RegrasFormula::faixaVisivel(
        a, TheChart->minimo(EixoGrafico::Inferior), TheChart->maximo(EixoGrafico::Inferior));
    return RegrasFormula::entradasFaixa(a, FormulaGrafico, faixa);
}

void TFormGrafico::ApresentaCalculo()
{
    CursorEspera espera;
    HabilitaLabelsCalculo();
    const std::vector<Formulas::TLeitura> entradas = PreencheValores();
    std::optional<long double> resultado;
    // Nothing to calculate on (no acquisition visible, or none under the
    // mouse): the library is not asked.
    if (!entradas.empty()) {
        BibliotecaFormulas biblioteca(m_ligacoes.pastaPrograma);
        resultado = biblioteca.calcula(FormulaGrafico, entradas);
    }
    const ConfigRegional regional
        = m_ambiente.regional ? *m_ambiente.regional : ConfigRegional::portuguesBrasil();
    const QString titulo = RegrasFormula::textoResultado(FormulaGrafico, resultado, regional);
    if (titulo != TheChart->tituloEixo(EixoGrafico::Superior))
        TheChart->defineTituloEixo(EixoGrafico::Superior, titulo);
}

void TFormGrafico::HabilitaLabelsCalculo()
{
    if (!TheChart->eixoVisivel(EixoGrafico::Superior))
        TheChart->defineEixoVisivel(EixoGrafico::Superior, true);
}

void TFormGrafico::DesabilitaLabelsCalculo()
{
    TheChart->defineEixoVisivel(EixoGrafico::Superior, false);
    TheChart->defineTituloEixo(EixoGrafico::Superior, QString());
}

void TFormGrafico::recalculaFaixa()
{
    atualizaResumo();
    if (FormulaAtiva && !RegrasFormula::unica(FormulaGrafico))
        ApresentaCalculo();
}

void TFormGrafico::recalculaUnica(QPoint posicao)
{
    if (!FormulaAtiva || !RegrasFormula::unica(FormulaGrafico) || !Canal1)
        return;
    m_entradaFormula = entradaEm(Canal1, ponteiroEm(posicao));
    ApresentaCalculo();
}
