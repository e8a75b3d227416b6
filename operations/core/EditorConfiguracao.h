#pragma once

#include "Ambiente.h"
#include "DataHora.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>

// The state of one control of the configuration window: its text (or the
// item chosen in a list), whether it takes input and whether it is shown.
// Masked date and time fields hold their text as the mask shows it, blanks
// for the places not typed yet.
struct CaixaConfiguracao
{
    QString texto;
    int indice = 0;  // lists: the item chosen
    bool habilitado = true;
    bool visivel = true;
};

// The controls of one channel and what the window keeps for it.
struct CanalConfiguracao
{
    CaixaConfiguracao ComboBoxSensor;  // 0 "Nenhum", i = 1 to 11 sensor code 127 + i
    CaixaConfiguracao EditTag;
    CaixaConfiguracao MELimLow;
    CaixaConfiguracao MELimHi;
    CaixaConfiguracao EditUnid;
    CaixaConfiguracao Labelunid;  // "°C" in place of the unit box
    CaixaConfiguracao ComboBoxDec;  // decimal code 0 to 3: "0000" to "0,000"
    // The averaging radios: ModoAquisicao (0 "Média", 1 "Máximo", 2
    // "Mínimo"), or -1 when none of the three is checked.
    int modo = 0;
    bool GrpBx_MediaHabilitado = true;
    // Decimal code shown and the one the limit texts were last written in.
    int DecAtual = 0;
    int DecAnterior = 0;
    // The offset read from the logger, written back unless the sensor changes.
    int OffsetCanal = 0;

    // The sensor code of the list: 127 for "Nenhum".
    int codigo() const { return 127 + ComboBoxSensor.indice; }
    bool temSensor() const { return ComboBoxSensor.indice != 0; }
};

// The controls a failed check gives the focus to.
enum class CampoConfiguracao {
    Nenhum,
    EditTitulo,
    EditTag1,
    EditTag2,
    EditUnid1,
    EditUnid2,
    MELimLow1,
    MELimHi1,
    MELimLow2,
    MELimHi2,
    EditMedia,
    EditDataInicio,
    EditHoraInicio,
    EditDataFim,
    EditHoraFim,
    EditNLeituras,
    EditIntervalo,
};

// What a configuration send writes: the 32-byte record of which bytes 0 to
// 20 are sent, and the whole non-volatile block.
struct EnvioConfiguracao
{
    QByteArray configuracao;
    QByteArray naoVolatil;
};

// The configuration window without its widgets: every field it shows, the
// state it keeps, and the rules that keep them consistent while the user
// edits (sensor, decimal point, limits, start and end, interval), the live
// estimates of capacity and duration, the full validation before sending,
// the filling from the logger's three blocks and the encoding of what is
// sent. The window mirrors these fields; quorvane-cli drives the same rules.
//
// Handlers are named after the window's events and run the same rules: a
// caller changes a field (a list's item, a text) and then calls the
// handler of that change. Messages go to the environment's message boxes;
// "now" comes from its clock and the decimal separator from its regional
// settings.
class EditorConfiguracao
{
public:
    enum class Inicio { Imediata, NoDia };
    enum class Fim { MemoriaCheia, AposLeituras, NoDia, NaoParar };
    enum class Intervalo { Tempo, MeioSegundo };

    // Characters a limit box holds.
    static constexpr int LarguraLimite = 6;

    // The environment's pointers must outlive the editor.
    explicit EditorConfiguracao(const Ambiente &ambiente);

    // The count of EditNLeituras as its mask "99999" takes it: one to five
    // digits, blanks around. Nothing for any other text (a sign, a blank
    // field).
    static std::optional<int> NumeroDeAquisicoes(const QString &texto);

    CaixaConfiguracao EditTitulo;
    CanalConfiguracao Canal1;
    CanalConfiguracao Canal2;
    CanalConfiguracao &canal(int n) { return n == 2 ? Canal2 : Canal1; }
    const CanalConfiguracao &canal(int n) const { return n == 2 ? Canal2 : Canal1; }
    bool ComboBoxSensorHabilitado(int n) const { return canal(n).ComboBoxSensor.habilitado; }
    bool LabelDecVisivel = true;  // the "Ponto Decimal" heading

    Inicio inicio() const { return m_inicio; }
    CaixaConfiguracao EditDataInicio;
    CaixaConfiguracao EditHoraInicio;
    Fim fim() const { return m_fim; }
    CaixaConfiguracao EditNLeituras;
    CaixaConfiguracao EditDataFim;
    CaixaConfiguracao EditHoraFim;
    Intervalo intervalo() const { return m_intervalo; }
    CaixaConfiguracao EditIntervalo;
    CaixaConfiguracao EditMedia;

    // Labels: memory, capacity, estimated duration and number of
    // acquisitions; the logger's identity and state.
    CaixaConfiguracao LblBytesMem;
    CaixaConfiguracao LblMaximoLeituras;
    CaixaConfiguracao LblTempoEst;
    CaixaConfiguracao LblNroLeituras;
    CaixaConfiguracao lblNroSerie;
    CaixaConfiguracao lblFirmware;
    CaixaConfiguracao lblNroEfetuadas;
    CaixaConfiguracao lblDataHoraTarvek;

    int BytesMemoria = 0;  // the logger's acquisition area
    int NroAquisicoes = 0;  // estimated by TempoEstimado
    int MaxAquisicoes = 0;  // capacity for the chosen sensors; 0 without any
    bool FirmwareUmZero = false;
    QByteArray NaoVolatilLido;  // 123 bytes as read; written back with the fields changed

    // Empties the title, tags and dates; interval "00:00:00", count "0".
    void LimpaCampos();

    // After a channel's sensor list changed.
    void ComboBoxSensorChange(int n);
    // After a channel's decimal list changed: the comma of both limits moves.
    void ComboBoxDecChange(int n);
    // Leaving a limit box: false (with the message shown) when the value is
    // out of the channel's range or longer than the box holds; the caller
    // returns the focus to the box.
    bool MELimExit(int n, bool superior);

    // Radio buttons. Checking one runs its click handler when it was not
    // checked yet, as the user's click does.
    void marcaInicio(Inicio inicio);
    void marcaFim(Fim fim);
    void marcaIntervalo(Intervalo intervalo);

    void MaximodeAquisicoes();
    void TempoEstimado();
    // The full validation; on the first failure one message is shown and
    // the field to take the focus is returned.
    std::optional<CampoConfiguracao> ValidaTudo();

    // The averaging radios as the two mode values, and checked from a
    // mode byte.
    void VerificaModo(int &modo1, int &modo2) const;
    void SetaModo(uint8_t modos);

    // The computer's clock as the window shows it.
    QString textoHorarioPC() const;

    // Fills the fields from the three blocks as read (configuration 32
    // bytes, non-volatile 123, calibration 37).
    void preenche(const QByteArray &configuracao, const QByteArray &naoVolatil, const QByteArray &calibracao);
    // Encodes the fields for sending, taking "now" once. The padded texts go
    // back into their boxes, and an end date gives its count to
    // EditNLeituras. Nothing, with the message shown and the focus given,
    // when the interval does not convert.
    std::optional<EnvioConfiguracao> codifica(CampoConfiguracao *foco = nullptr);

    // The catalogue text of a number as this window shows it.
    QString texto(int numero) const;
    QChar separadorDecimal() const;
    TDateTime agora() const;
    const Ambiente &ambiente() const { return m_ambiente; }

private:
    void RadioImediataClick();
    void RadioDiaInicioClick();
    void RadioMemCheiaClick();
    void RadioNLeiturasClick();
    void RadioDiaFimClick();
    void RadioNaoPararClick();
    void RadioButtonTempoClick();
    void RadioButtonMeioSegClick();

    void escondeEstimativa();
    std::optional<qint64> segundosAteFim(TDateTime inicio) const;
    std::optional<CampoConfiguracao> validaLimites(int n);
    std::optional<CampoConfiguracao> validaDatas(TDateTime agora);
    std::optional<CampoConfiguracao> validaTextos();
    void aviso(const QString &mensagem) const;
    QString hoje() const;

    void preencheModelo(int modelo, int &s1, int &s2, int &p);
    void preencheLimites(const QByteArray &naoVolatil, int modelo, int s1, int s2);
    QByteArray codificaNaoVolatil(int bytes0, int bytes1);
    int parada(int b0, int b1, int e, TDateTime agora);
    int atrasoInicio(TDateTime agora) const;

    Ambiente m_ambiente;
    Inicio m_inicio = Inicio::Imediata;
    Fim m_fim = Fim::MemoriaCheia;
    Intervalo m_intervalo = Intervalo::Tempo;
};
