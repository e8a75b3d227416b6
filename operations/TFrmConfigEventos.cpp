// The configuration window's handlers: every change of a control goes to
// the editor, whose rule of that change runs, and the controls are then
// shown again from the editor. OK, Help and the two timers.
#include "TFrmConfig.h"

#include "CursorEspera.h"
#include "IMensagens.h"
#include "TransferenciaConfiguracao.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace {

constexpr int TextoSobrescrever = 154;
const QString PalavraChaveAjuda = QStringLiteral("Iniciar_Aquisi__o");

// The text of a field as the editor keeps it: a masked field's blanks are
// blanks.
QString textoDe(const QLineEdit *e)
{
    if (e->inputMask().isEmpty())
        return e->text();
    QString t = e->displayText();
    t.replace(u'_', u' ');
    return t;
}

void mostraTexto(QLineEdit *e, const QString &texto)
{
    if (textoDe(e) == texto)
        return;
    const bool vazio = !e->inputMask().isEmpty() && texto.trimmed().isEmpty();
    e->setText(vazio ? QString() : texto);
}

void mostra(QLineEdit *e, const CaixaConfiguracao &c)
{
    mostraTexto(e, c.texto);
    e->setEnabled(c.habilitado);
    e->setVisible(c.visivel);
}

void mostra(QLabel *r, const CaixaConfiguracao &c)
{
    r->setText(c.texto);
    r->setVisible(c.visivel);
}

void mostra(QComboBox *l, const CaixaConfiguracao &c)
{
    l->setCurrentIndex(c.indice);
    l->setEnabled(c.habilitado);
    l->setVisible(c.visivel);
}

}  // namespace

void TFrmConfig::ligaEventos()
{
    using E = EditorConfiguracao;
    auto texto = [this](QLineEdit *e, CaixaConfiguracao &c, bool estima) {
        connect(e, &QLineEdit::textEdited, this, [this, e, &c, estima] {
            c.texto = textoDe(e);
            if (estima) {
                m_editor.TempoEstimado();
                mostraEstimativa();
            }
        });
    };
    texto(EditTitulo, m_editor.EditTitulo, false);
    // EditDataInicioChange, EditHoraInicioChange, ...: the estimate follows.
    texto(EditDataInicio, m_editor.EditDataInicio, true);
    texto(EditHoraInicio, m_editor.EditHoraInicio, true);
    texto(EditDataFim, m_editor.EditDataFim, true);
    texto(EditHoraFim, m_editor.EditHoraFim, true);
    texto(EditNLeituras, m_editor.EditNLeituras, true);
    // EditIntervaloExit, EditMediaExit: the estimate once the field is left.
    texto(EditIntervalo, m_editor.EditIntervalo, false);
    texto(EditMedia, m_editor.EditMedia, false);
    for (QLineEdit *e : { EditIntervalo, EditMedia })
        connect(e, &QLineEdit::editingFinished, this, [this] {
            m_editor.TempoEstimado();
            mostraEstimativa();
        });
    auto radio = [this](QRadioButton *r, auto &&marca) {
        connect(r, &QRadioButton::toggled, this, [this, marca](bool marcado) {
            if (m_mostrando || !marcado)
                return;
            marca();
            mostraCampos();
        });
    };
    radio(RadioImediata, [this] { m_editor.marcaInicio(E::Inicio::Imediata); });
    radio(RadioDiaInicio, [this] { m_editor.marcaInicio(E::Inicio::NoDia); });
    radio(RadioMemCheia, [this] { m_editor.marcaFim(E::Fim::MemoriaCheia); });
    radio(RadioNLeituras, [this] { m_editor.marcaFim(E::Fim::AposLeituras); });
    radio(RadioDiaFim, [this] { m_editor.marcaFim(E::Fim::NoDia); });
    radio(RadioNaoParar, [this] { m_editor.marcaFim(E::Fim::NaoParar); });
    radio(RadioButtonTempo, [this] { m_editor.marcaIntervalo(E::Intervalo::Tempo); });
    radio(RadioButtonMeioSeg, [this] { m_editor.marcaIntervalo(E::Intervalo::MeioSegundo); });
    ligaCanal(1);
    ligaCanal(2);
    connect(OKBtn, &QPushButton::clicked, this, &TFrmConfig::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(HelpBtn, &QPushButton::clicked, this, &TFrmConfig::HelpBtnClick);
}

void TFrmConfig::ligaCanal(int n)
{
    ControlesCanal &c = m_canal[n - 1];
    CanalConfiguracao &canal = m_editor.canal(n);
    connect(c.EditTag, &QLineEdit::textEdited, this, [&canal](const QString &t) { canal.EditTag.texto = t; });
    connect(
        c.EditUnid, &QLineEdit::textEdited, this, [&canal](const QString &t) { canal.EditUnid.texto = t; });
    connect(
        c.MELimLow, &QLineEdit::textEdited, this, [&canal](const QString &t) { canal.MELimLow.texto = t; });
    connect(c.MELimHi, &QLineEdit::textEdited, this, [&canal](const QString &t) { canal.MELimHi.texto = t; });
    connect(c.ComboBoxSensor, &QComboBox::currentIndexChanged, this, [this, n, &canal](int i) {
        if (m_mostrando || i < 0)
            return;
        canal.ComboBoxSensor.indice = i;
        m_editor.ComboBoxSensorChange(n);
        mostraCampos();
    });
    connect(c.ComboBoxDec, &QComboBox::currentIndexChanged, this, [this, n, &canal](int i) {
        if (m_mostrando || i < 0)
            return;
        canal.ComboBoxDec.indice = i;
        m_editor.ComboBoxDecChange(n);
        mostraCampos();
    });
    connect(c.GrpBx_Media, &QButtonGroup::idToggled, this, [this, &canal](int modo, bool marcado) {
        if (!m_mostrando && marcado)
            canal.modo = modo;
    });
}

QLineEdit *TFrmConfig::caixaLimite(int n, bool superior) const
{
    const ControlesCanal &c = m_canal[n - 1];
    return superior ? c.MELimHi : c.MELimLow;
}

bool TFrmConfig::eventFilter(QObject *objeto, QEvent *evento)
{
    // MELimLow1Exit and the others: leaving a limit box for another control
    // of the window (not for a message box or another window). The check
    // runs once the focus has moved, or first thing when the move was a
    // click on OK.
    if (evento->type() == QEvent::FocusOut && !m_saindoLimite) {
        const Qt::FocusReason razao = static_cast<QFocusEvent *>(evento)->reason();
        const bool saida = razao == Qt::TabFocusReason || razao == Qt::BacktabFocusReason
            || razao == Qt::MouseFocusReason || razao == Qt::ShortcutFocusReason
            || razao == Qt::OtherFocusReason;
        for (int n = 1; n <= 2 && saida; ++n)
            for (bool superior : { false, true })
                if (objeto == caixaLimite(n, superior)) {
                    m_saidasPendentes.append({ n, superior });
                    QMetaObject::invokeMethod(this, &TFrmConfig::saidaLimite, Qt::QueuedConnection);
                }
    }
    return QDialog::eventFilter(objeto, evento);
}

bool TFrmConfig::saidaLimite()
{
    while (!m_saidasPendentes.isEmpty()) {
        const auto [n, superior] = m_saidasPendentes.takeFirst();
        QLineEdit *caixa = caixaLimite(n, superior);
        if (!caixa->isEnabled())
            continue;
        m_saindoLimite = true;
        const bool aceito = m_editor.MELimExit(n, superior);
        m_mostrando = true;
        mostraCanal(n);
        m_mostrando = false;
        m_saindoLimite = false;
        if (!aceito) {
            // The focus goes back to the box; the boxes left after it are
            // checked when it is left again.
            m_saidasPendentes.clear();
            caixa->setFocus(Qt::OtherFocusReason);
            return false;
        }
    }
    return true;
}

void TFrmConfig::mostraCanal(int n)
{
    const ControlesCanal &c = m_canal[n - 1];
    const CanalConfiguracao &canal = m_editor.canal(n);
    mostra(c.EditTag, canal.EditTag);
    mostra(c.ComboBoxSensor, canal.ComboBoxSensor);
    mostra(c.MELimLow, canal.MELimLow);
    mostra(c.MELimHi, canal.MELimHi);
    mostra(c.EditUnid, canal.EditUnid);
    mostra(c.Labelunid, canal.Labelunid);
    mostra(c.ComboBoxDec, canal.ComboBoxDec);
    for (QAbstractButton *r : c.GrpBx_Media->buttons())
        r->setEnabled(canal.GrpBx_MediaHabilitado);
    if (QAbstractButton *r = c.GrpBx_Media->button(canal.modo)) {
        r->setChecked(true);
    } else if (QAbstractButton *marcado = c.GrpBx_Media->checkedButton()) {
        // No mode: none of the three checked.
        c.GrpBx_Media->setExclusive(false);
        marcado->setChecked(false);
        c.GrpBx_Media->setExclusive(true);
    }
}

void TFrmConfig::mostraCampos()
{
    using E = EditorConfiguracao;
    m_mostrando = true;
    mostra(EditTitulo, m_editor.EditTitulo);
    mostraCanal(1);
    mostraCanal(2);
    LabelDec->setVisible(m_editor.LabelDecVisivel);
    RadioImediata->setChecked(m_editor.inicio() == E::Inicio::Imediata);
    RadioDiaInicio->setChecked(m_editor.inicio() == E::Inicio::NoDia);
    mostra(EditDataInicio, m_editor.EditDataInicio);
    mostra(EditHoraInicio, m_editor.EditHoraInicio);
    RadioMemCheia->setChecked(m_editor.fim() == E::Fim::MemoriaCheia);
    RadioNLeituras->setChecked(m_editor.fim() == E::Fim::AposLeituras);
    RadioDiaFim->setChecked(m_editor.fim() == E::Fim::NoDia);
    RadioNaoParar->setChecked(m_editor.fim() == E::Fim::NaoParar);
    mostra(EditNLeituras, m_editor.EditNLeituras);
    mostra(EditDataFim, m_editor.EditDataFim);
    mostra(EditHoraFim, m_editor.EditHoraFim);
    RadioButtonTempo->setChecked(m_editor.intervalo() == E::Intervalo::Tempo);
    RadioButtonMeioSeg->setChecked(m_editor.intervalo() == E::Intervalo::MeioSegundo);
    mostra(EditIntervalo, m_editor.EditIntervalo);
    mostra(EditMedia, m_editor.EditMedia);
    mostra(lblNroSerie, m_editor.lblNroSerie);
    mostra(lblFirmware, m_editor.lblFirmware);
    mostra(lblNroEfetuadas, m_editor.lblNroEfetuadas);
    mostra(lblDataHoraTarvek, m_editor.lblDataHoraTarvek);
    mostraEstimativa();
    m_mostrando = false;
}

void TFrmConfig::mostraEstimativa()
{
    mostra(LblBytesMem, m_editor.LblBytesMem);
    mostra(LblMaximoLeituras, m_editor.LblMaximoLeituras);
    mostra(LblTempoEst, m_editor.LblTempoEst);
    mostra(LblNroLeituras, m_editor.LblNroLeituras);
}

void TFrmConfig::focaCampo(CampoConfiguracao campo)
{
    using C = CampoConfiguracao;
    QWidget *alvo = nullptr;
    switch (campo) {
    case C::Nenhum:
        break;
    case C::EditTitulo:
        alvo = EditTitulo;
        break;
    case C::EditTag1:
    case C::EditTag2:
        alvo = m_canal[campo == C::EditTag1 ? 0 : 1].EditTag;
        break;
    case C::EditUnid1:
    case C::EditUnid2:
        alvo = m_canal[campo == C::EditUnid1 ? 0 : 1].EditUnid;
        break;
    case C::MELimLow1:
    case C::MELimHi1:
    case C::MELimLow2:
    case C::MELimHi2: {
        const int n = campo == C::MELimLow1 || campo == C::MELimHi1 ? 1 : 2;
        alvo = caixaLimite(n, campo == C::MELimHi1 || campo == C::MELimHi2);
        break;
    }
    case C::EditMedia:
        alvo = EditMedia;
        break;
    case C::EditDataInicio:
        alvo = EditDataInicio;
        break;
    case C::EditHoraInicio:
        alvo = EditHoraInicio;
        break;
    case C::EditDataFim:
        alvo = EditDataFim;
        break;
    case C::EditHoraFim:
        alvo = EditHoraFim;
        break;
    case C::EditNLeituras:
        alvo = EditNLeituras;
        break;
    case C::EditIntervalo:
        alvo = EditIntervalo;
        break;
    }
    if (alvo && alvo->isEnabled())
        alvo->setFocus(Qt::OtherFocusReason);
}

bool TFrmConfig::FormCreate()
{
    m_editor.LimpaCampos();
    bool lido = false;
    {
        CursorEspera espera;
        lido = TransferenciaConfiguracao(m_datalogger, m_ambiente).RecebeConfiguracoes(m_editor);
    }
    if (!lido)
        return false;
    mostraCampos();
    TimerTemp->start();
    return true;
}

void TFrmConfig::OKBtnClick()
{
    if (m_enviando)
        return;
    // A click on OK that left a limit box checks it first; refused, the
    // click goes no further. Enter, or OK pressed without taking the focus,
    // leaves the focus in the box: its check runs all the same.
    for (int n = 1; n <= 2; ++n)
        for (bool superior : { false, true })
            if (focusWidget() == caixaLimite(n, superior) && !m_saidasPendentes.contains({ n, superior }))
                m_saidasPendentes.append({ n, superior });
    if (!saidaLimite())
        return;
    if (const auto foco = m_editor.ValidaTudo()) {
        focaCampo(*foco);
        return;
    }
    if (!m_ambiente.mensagens || !m_ambiente.mensagens->simNao(texto(TextoSobrescrever, QString())))
        return;
    CampoConfiguracao foco = CampoConfiguracao::Nenhum;
    bool enviado = false;
    {
        // The window's events go on while the link waits: OK, Cancel and
        // Escape wait for the send to end.
        CursorEspera espera;
        m_enviando = true;
        OKBtn->setEnabled(false);
        CancelBtn->setEnabled(false);
        enviado = TransferenciaConfiguracao(m_datalogger, m_ambiente).EnviaConfiguracoes(m_editor, &foco);
        OKBtn->setEnabled(true);
        CancelBtn->setEnabled(true);
        m_enviando = false;
    }
    // The padded texts and a computed count are shown as they were sent.
    mostraCampos();
    if (enviado)
        accept();
    else
        focaCampo(foco);
}

void TFrmConfig::HelpBtnClick()
{
    if (aoPedirAjuda)
        aoPedirAjuda(PalavraChaveAjuda);
}

void TFrmConfig::TimerHorarioPCTimer()
{
    LabelHorarioPC->setText(m_editor.textoHorarioPC());
}

void TFrmConfig::TimerTempTimer()
{
    m_editor.TempoEstimado();
    mostraEstimativa();
}

void TFrmConfig::reject()
{
    if (!m_enviando)
        QDialog::reject();
}

void TFrmConfig::done(int resultado)
{
    // FormCloseQuery: the estimate stops with the window, and a limit box
    // left for Cancel is not checked.
    TimerTemp->stop();
    m_saidasPendentes.clear();
    QDialog::done(resultado);
}
