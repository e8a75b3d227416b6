// The editing rules of the configuration window: clearing, sensor and
// decimal-point changes, the limit boxes, the radio buttons and the
// averaging radios. The estimates and the validation are in
// EditorConfiguracaoEstimativa.cpp, the blocks in EditorConfiguracaoBlocos.cpp.
#include "EditorConfiguracao.h"

#include "Catalogo.h"
#include "ConfigRegional.h"
#include "FormataDataHora.h"
#include "IMensagens.h"
#include "IRelogio.h"
#include "RotinasSensor.h"
#include "TextoLimite.h"

#include <cmath>

namespace {

constexpr int TextoLimiteInvalido = 275;
constexpr int TextoNaoNumero = 367;  // the program's one "not a number" of a limit

}  // namespace

EditorConfiguracao::EditorConfiguracao(const Ambiente &ambiente)
    : m_ambiente(ambiente)
{
    // As the window is laid out: no sensor, "Imediata" with its fields
    // disabled, "Memória cheia", an interval in "Tempo".
    for (CanalConfiguracao *c : { &Canal1, &Canal2 }) {
        c->MELimLow.habilitado = false;
        c->MELimHi.habilitado = false;
        c->EditUnid.habilitado = false;
        c->EditUnid.visivel = false;
        c->ComboBoxDec.visivel = false;
    }
    EditDataInicio.habilitado = false;
    EditHoraInicio.habilitado = false;
    EditNLeituras.habilitado = false;
    EditDataFim.habilitado = false;
    EditHoraFim.habilitado = false;
}

QString EditorConfiguracao::texto(int numero) const
{
    const QStringView janela = u"FrmConfig";
    return m_ambiente.catalogo ? m_ambiente.catalogo->texto(numero, janela)
                               : Catalogo::padrao(numero, janela);
}

QChar EditorConfiguracao::separadorDecimal() const
{
    return m_ambiente.regional ? m_ambiente.regional->separadorDecimal : QChar(u',');
}

TDateTime EditorConfiguracao::agora() const
{
    return m_ambiente.relogio ? m_ambiente.relogio->dataHoraAtual() : DataHora::agora();
}

void EditorConfiguracao::aviso(const QString &mensagem) const
{
    if (m_ambiente.mensagens)
        m_ambiente.mensagens->aviso(mensagem);
}

QString EditorConfiguracao::hoje() const
{
    const ConfigRegional regional
        = m_ambiente.regional ? *m_ambiente.regional : ConfigRegional::portuguesBrasil();
    return FormataDataHora(u"dd/mm/yyyy", agora(), regional);
}

QString EditorConfiguracao::textoHorarioPC() const
{
    const ConfigRegional regional
        = m_ambiente.regional ? *m_ambiente.regional : ConfigRegional::portuguesBrasil();
    const TDateTime instante = agora();
    return FormataDataHora(u"dd/mm/yyyy", instante, regional) + QStringLiteral(" - ")
        + FormataDataHora(u"tt", instante, regional);
}

void EditorConfiguracao::LimpaCampos()
{
    for (CaixaConfiguracao *c : { &EditTitulo, &Canal1.EditTag, &Canal2.EditTag, &EditDataInicio,
             &EditHoraInicio, &EditDataFim, &EditHoraFim })
        c->texto.clear();
    EditIntervalo.texto = QStringLiteral("00:00:00");
    EditNLeituras.texto = QStringLiteral("0");
}

void EditorConfiguracao::ComboBoxSensorChange(int n)
{
    CanalConfiguracao &c = canal(n);
    c.OffsetCanal = 0;  // a new sensor discards the stored offset
    MaximodeAquisicoes();
    TempoEstimado();
    c.EditUnid.habilitado = false;
    c.MELimLow.habilitado = false;
    c.MELimHi.habilitado = false;
    if (!c.temSensor()) {
        c.Labelunid = { QString(), 0, true, true };
        c.EditUnid.visivel = false;
        c.EditUnid.texto.clear();
        c.MELimLow.texto.clear();
        c.MELimHi.texto.clear();
        c.ComboBoxDec.visivel = false;
        c.ComboBoxDec.indice = 0;
        // The limit texts are now in code 0 (none), as the list shows.
        c.DecAtual = c.DecAnterior = 0;
        return;
    }
    if (!EhTermoparOuPt100(c.codigo())) {
        c.MELimLow = { QStringLiteral("-2000"), 0, true, true };
        c.MELimHi = { QStringLiteral("9999"), 0, true, true };
        c.Labelunid.visivel = false;
        c.EditUnid.visivel = true;
        c.EditUnid.habilitado = true;
        c.ComboBoxDec.visivel = true;
        c.ComboBoxDec.indice = 0;
        // "-2000" and "9999" are written in code 0: the next decimal change
        // moves their comma from there.
        c.DecAtual = c.DecAnterior = 0;
        return;
    }
    c.EditUnid.visivel = false;
    c.EditUnid.texto.clear();
    c.Labelunid = { QStringLiteral("°C"), 0, true, true };
    c.ComboBoxDec.indice = 0;
    ComboBoxDecChange(n);
    c.ComboBoxDec.visivel = false;
    // A temperature sensor's limits are its range, whole degrees (Pt100
    // shown with one decimal).
    const Faixa faixa = FaixaSensor(c.codigo()).value_or(Faixa {});
    const QString decimal
        = c.codigo() == CodigoSensor::Pt100 ? separadorDecimal() + QStringLiteral("0") : QString();
    c.MELimLow.texto = QString::number(faixa.baixo) + decimal;
    c.MELimHi.texto = QString::number(faixa.alto) + decimal;
}

void EditorConfiguracao::ComboBoxDecChange(int n)
{
    CanalConfiguracao &c = canal(n);
    c.DecAtual = c.ComboBoxDec.indice;
    if (c.DecAtual != c.DecAnterior) {
        // The digits stay and the comma moves. A box that holds no number
        // is left as it is (the validation refuses it).
        for (CaixaConfiguracao *limite : { &c.MELimLow, &c.MELimHi }) {
            if (const auto contagem = LimWithOutComma(limite->texto, c.DecAnterior))
                limite->texto = GetLimValue(*contagem, c.DecAtual, separadorDecimal());
        }
    }
    c.DecAnterior = c.DecAtual;
}

bool EditorConfiguracao::MELimExit(int n, bool superior)
{
    CanalConfiguracao &c = canal(n);
    CaixaConfiguracao &caixa = superior ? c.MELimHi : c.MELimLow;
    const QChar separador = separadorDecimal();
    const int d = qBound(0, c.ComboBoxDec.indice, 3);
    auto recusa = [&] {
        aviso(texto(TextoLimiteInvalido) + GetLimValue(-2000, d, separador) + QStringLiteral(" ; ")
            + GetLimValue(9999, d, separador));
        return false;
    };
    // More than the box holds (typed elsewhere than in the box) is out of
    // the range the box can show.
    if (caixa.texto.size() > LarguraLimite)
        return recusa();
    std::optional<double> valor = ConverteReal(caixa.texto, separador);
    if (!valor) {
        if (m_ambiente.mensagens)
            m_ambiente.mensagens->erro(texto(TextoNaoNumero).arg(caixa.texto.trimmed()));
        return false;
    }
    const double v = *valor == 0 ? 0.0 : *valor;  // no "-0,0"
    const int digitos = IntDigits(v);
    // Four digits in all: -2000 to 9999 counts of the last shown digit.
    const bool aceito = superior ? (d == 0 || digitos <= 4 - d)
                                 : (v >= -2000 / std::pow(10.0, d) && (d == 0 || digitos <= 4 - d));
    if (!aceito)
        return recusa();
    if (d > 0) {
        caixa.texto = QString::number(v, 'f', d);
        caixa.texto.replace(u'.', separador);
    }
    return true;
}

void EditorConfiguracao::marcaInicio(Inicio inicio)
{
    if (inicio == m_inicio)
        return;
    m_inicio = inicio;
    if (inicio == Inicio::Imediata)
        RadioImediataClick();
    else
        RadioDiaInicioClick();
}

void EditorConfiguracao::marcaFim(Fim fim)
{
    if (fim == m_fim)
        return;
    m_fim = fim;
    switch (fim) {
    case Fim::MemoriaCheia:
        RadioMemCheiaClick();
        break;
    case Fim::AposLeituras:
        RadioNLeiturasClick();
        break;
    case Fim::NoDia:
        RadioDiaFimClick();
        break;
    case Fim::NaoParar:
        RadioNaoPararClick();
        break;
    }
}

void EditorConfiguracao::marcaIntervalo(Intervalo intervalo)
{
    if (intervalo == m_intervalo)
        return;
    m_intervalo = intervalo;
    if (intervalo == Intervalo::Tempo)
        RadioButtonTempoClick();
    else
        RadioButtonMeioSegClick();
}

void EditorConfiguracao::RadioImediataClick()
{
    EditDataInicio.habilitado = false;
    EditHoraInicio.habilitado = false;
}

void EditorConfiguracao::RadioDiaInicioClick()
{
    EditDataInicio.texto = hoje();
    EditDataInicio.habilitado = true;
    EditHoraInicio.habilitado = true;
    TempoEstimado();
}

void EditorConfiguracao::RadioMemCheiaClick()
{
    EditNLeituras.habilitado = false;
    EditDataFim.habilitado = false;
    EditHoraFim.habilitado = false;
    TempoEstimado();
}

void EditorConfiguracao::RadioNaoPararClick()
{
    RadioMemCheiaClick();
}

void EditorConfiguracao::RadioNLeiturasClick()
{
    EditNLeituras.habilitado = true;
    EditDataFim.habilitado = false;
    EditHoraFim.habilitado = false;
    TempoEstimado();
}

void EditorConfiguracao::RadioDiaFimClick()
{
    EditDataFim.texto = hoje();
    EditNLeituras.habilitado = false;
    EditDataFim.habilitado = true;
    EditHoraFim.habilitado = true;
    TempoEstimado();
}

void EditorConfiguracao::RadioButtonMeioSegClick()
{
    EditIntervalo.habilitado = false;
    EditMedia.texto = QStringLiteral("1");
    EditMedia.habilitado = false;
    TempoEstimado();
}

void EditorConfiguracao::RadioButtonTempoClick()
{
    EditIntervalo.habilitado = true;
    EditMedia.habilitado = true;
    TempoEstimado();
}

void EditorConfiguracao::VerificaModo(int &modo1, int &modo2) const
{
    modo1 = Canal1.modo;
    modo2 = Canal2.modo;
}

void EditorConfiguracao::SetaModo(uint8_t modos)
{
    for (int n = 1; n <= 2; ++n) {
        const int campo = (modos >> (3 * (n - 1))) & 0x07;
        if (campo == 0 || campo == 1)
            canal(n).modo = ModoAquisicao::Media;
        else if (campo == 2)
            canal(n).modo = ModoAquisicao::Maximo;
        else if (campo == 4)
            canal(n).modo = ModoAquisicao::Minimo;
    }
}
