// The configuration window's controls and their layout: the sensor group
// at the top, the start group and the logger's information in the middle,
// the end and interval groups at the bottom. The handlers are in
// TFrmConfigEventos.cpp.
#include "TFrmConfig.h"

#include "BlocoNaoVolatil.h"
#include "Catalogo.h"
#include "ConfigRegional.h"
#include "RotinasSensor.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QTimer>
#include <QVBoxLayout>

namespace {

enum Texto {
    Caption = 64,
    Titulo = 65,
    Sensores = 66,
    Inicio = 67,
    Fim = 68,
    IntervaloLeituras = 69,
    Canal1 = 70,
    Tag = 72,
    Tipo = 73,
    Limites = 74,
    Inferior = 75,
    Superior = 76,
    Unidade = 77,
    PontoDecimal = 78,
    Imediata = 79,
    NoDia = 80,
    Hora = 81,
    MemoriaCheia = 82,
    Apos = 83,
    Aquisicoes = 84,
    NaoParar = 85,
    Tempo = 86,
    HHMMSS = 87,
    MeioSegundo = 88,
    LeiturasPorAquisicao = 89,
    Media = 90,
    Minimo = 91,
    Maximo = 92,
    Cancela = 62,
    Ajuda = 63,
    TextoMaximoEmMemoria = 143,
    TextoNroDeAquisicoes = 144,
    TextoTempoEstimado = 145,
    TextoDataHora = 147,
    TextoAquisicoesEfetuadas = 148,
    TextoNumeroSerie = 149,
    TextoFirmware = 150,
    TextoBytesMemoria = 151,
    HorarioAtual = 276,
    PrimeiroSensor = 277,  // "Nenhum", then the sensors up to 288
};

QLineEdit *caixa(const char *nome, int caracteres, QWidget *pai)
{
    auto *e = new QLineEdit(pai);
    e->setObjectName(QString::fromLatin1(nome));
    const int largura = e->fontMetrics().horizontalAdvance(QString(caracteres, u'0'));
    e->setMinimumWidth(largura + 16);
    return e;
}

QLineEdit *caixaNumerica(const char *nome, int digitos, QWidget *pai)
{
    QLineEdit *e = caixa(nome, digitos + 1, pai);
    e->setMaxLength(digitos);
    e->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), e));
    e->setMaximumWidth(e->minimumWidth() + 8);
    return e;
}

// A control that comes and goes as the fields change keeps its place while
// hidden, so that the window has its full size from the start and never
// moves under the user.
void reservaLugar(QWidget *w)
{
    QSizePolicy p = w->sizePolicy();
    p.setRetainSizeWhenHidden(true);
    w->setSizePolicy(p);
}

// Masks of the date and time fields, with the regional separators; "_"
// marks a place not typed yet.
QString mascaraData(const ConfigRegional &regional)
{
    const QString s(regional.separadorData);
    return QStringLiteral("99") + s + QStringLiteral("99") + s + QStringLiteral("9999;_");
}

QString mascaraHora(const ConfigRegional &regional)
{
    const QString s(regional.separadorHora);
    return QStringLiteral("99") + s + QStringLiteral("99") + s + QStringLiteral("99;_");
}

}  // namespace

TFrmConfig::TFrmConfig(TDatalogger &datalogger, const Ambiente &ambiente, QWidget *parent)
    : QDialog(parent)
    , m_editor(ambiente)
    , m_datalogger(datalogger)
    , m_ambiente(ambiente)
{
    setObjectName(QStringLiteral("FrmConfig"));
    setModal(true);
    criaControles();
    Language();
    ligaEventos();
    TimerHorarioPC = new QTimer(this);
    TimerHorarioPC->setObjectName(QStringLiteral("TimerHorarioPC"));
    TimerHorarioPC->setInterval(1000);
    connect(TimerHorarioPC, &QTimer::timeout, this, &TFrmConfig::TimerHorarioPCTimer);
    TimerHorarioPC->start();
    TimerTemp = new QTimer(this);
    TimerTemp->setObjectName(QStringLiteral("TimerTemp"));
    TimerTemp->setInterval(1000);
    connect(TimerTemp, &QTimer::timeout, this, &TFrmConfig::TimerTempTimer);
    TimerHorarioPCTimer();
}

TFrmConfig::~TFrmConfig() = default;

QString TFrmConfig::texto(int numero, const QString &unidade) const
{
    return m_ambiente.catalogo ? m_ambiente.catalogo->texto(numero, unidade)
                               : Catalogo::padrao(numero, unidade);
}

void TFrmConfig::criaControles()
{
    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(criaGrupoSensores());
    auto *meio = new QHBoxLayout;
    meio->addWidget(criaGrupoInicio(), 1);
    meio->addWidget(criaGrupoTarvek(), 1);
    layout->addLayout(meio);
    auto *baixo = new QHBoxLayout;
    baixo->addWidget(criaGrupoFim(), 1);
    baixo->addWidget(criaGrupoIntervalo(), 1);
    layout->addLayout(baixo);

    auto *botoes = new QDialogButtonBox(this);
    OKBtn = botoes->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setDefault(true);
    CancelBtn = botoes->addButton(QString(), QDialogButtonBox::RejectRole);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    HelpBtn = botoes->addButton(QString(), QDialogButtonBox::HelpRole);
    HelpBtn->setObjectName(QStringLiteral("HelpBtn"));
    m_legendas.append({ CancelBtn, { Cancela, QString() } });
    m_legendas.append({ HelpBtn, { Ajuda, QString() } });
    layout->addWidget(botoes);

    // Tab goes through the window as it is read: the channels row by row,
    // then each group.
    QList<QWidget *> ordem { EditTitulo };
    for (const ControlesCanal &c : m_canal)
        ordem << c.EditTag << c.ComboBoxSensor << c.MELimLow << c.MELimHi << c.EditUnid << c.ComboBoxDec;
    ordem << RadioImediata << RadioDiaInicio << EditDataInicio << EditHoraInicio << RadioMemCheia
          << RadioNLeituras << EditNLeituras << RadioDiaFim << EditDataFim << EditHoraFim << RadioNaoParar
          << RadioButtonTempo << EditIntervalo << RadioButtonMeioSeg << EditMedia;
    for (const ControlesCanal &c : m_canal)
        ordem << c.RdBtnMedia << c.RdBtnMin << c.RdBtnMax;
    ordem << OKBtn << CancelBtn << HelpBtn;
    for (qsizetype i = 1; i < ordem.size(); ++i)
        setTabOrder(ordem[i - 1], ordem[i]);
}

QGroupBox *TFrmConfig::criaGrupoSensores()
{
    auto *grupo = new QGroupBox(this);
    grupo->setObjectName(QStringLiteral("GroupBoxSensores"));
    m_legendas.append({ grupo, { Sensores, QString() } });
    auto *grade = new QGridLayout(grupo);
    grade->setHorizontalSpacing(8);

    auto *rotuloTitulo = new QLabel(grupo);
    m_legendas.append({ rotuloTitulo, { Titulo, QStringLiteral("FrmConfig") } });
    EditTitulo = caixa("EditTitulo", 30, grupo);
    EditTitulo->setMaxLength(BlocoNaoVolatil::LarguraTitulo);
    rotuloTitulo->setBuddy(EditTitulo);
    grade->addWidget(rotuloTitulo, 0, 0);
    grade->addWidget(EditTitulo, 0, 1, 1, 4);

    auto cabecalho = [&](int numero, int linha, int coluna, int colunas = 1) {
        auto *r = new QLabel(grupo);
        r->setAlignment(Qt::AlignCenter);
        m_legendas.append({ r, { numero, QString() } });
        grade->addWidget(r, linha, coluna, 1, colunas);
        return r;
    };
    cabecalho(Tag, 2, 1);
    cabecalho(Tipo, 2, 2);
    cabecalho(Limites, 1, 3, 2);
    cabecalho(Inferior, 2, 3);
    cabecalho(Superior, 2, 4);
    cabecalho(Unidade, 2, 5);
    LabelDec = cabecalho(PontoDecimal, 2, 6);
    LabelDec->setObjectName(QStringLiteral("LabelDec"));
    for (int n = 1; n <= 2; ++n) {
        criaCanal(n);
        const ControlesCanal &c = m_canal[n - 1];
        auto *rotulo = new QLabel(grupo);
        m_legendas.append({ rotulo, { Canal1 + n - 1, QString() } });
        grade->addWidget(rotulo, 2 + n, 0);
        grade->addWidget(c.EditTag, 2 + n, 1);
        grade->addWidget(c.ComboBoxSensor, 2 + n, 2);
        grade->addWidget(c.MELimLow, 2 + n, 3);
        grade->addWidget(c.MELimHi, 2 + n, 4);
        auto *unidade = new QHBoxLayout;
        unidade->setContentsMargins(0, 0, 0, 0);
        unidade->addWidget(c.EditUnid);
        unidade->addWidget(c.Labelunid);
        grade->addLayout(unidade, 2 + n, 5);
        grade->addWidget(c.ComboBoxDec, 2 + n, 6);
        reservaLugar(c.ComboBoxDec);
        // The unit box and the fixed unit of a temperature take turns in
        // one place, as wide as the box.
        grade->setColumnMinimumWidth(5, c.EditUnid->sizeHint().width());
    }
    reservaLugar(LabelDec);
    return grupo;
}

void TFrmConfig::criaCanal(int n)
{
    ControlesCanal &c = m_canal[n - 1];
    const QString sufixo = QString::number(n);
    auto nome = [&](const char *raiz) { return QString::fromLatin1(raiz) + sufixo; };
    c.EditTag = caixa("EditTag", 10, this);
    c.EditTag->setObjectName(nome("EditTag"));
    c.EditTag->setMaxLength(BlocoNaoVolatil::LarguraTag);
    c.ComboBoxSensor = new QComboBox(this);
    c.ComboBoxSensor->setObjectName(nome("ComboBoxSensor"));
    for (int i = 0; i < 12; ++i)
        c.ComboBoxSensor->addItem(QString());
    c.MELimLow = caixa("MELimLow", 7, this);
    c.MELimLow->setObjectName(nome("MELimLow"));
    c.MELimHi = caixa("MELimHi", 7, this);
    c.MELimHi->setObjectName(nome("MELimHi"));
    for (QLineEdit *limite : { c.MELimLow, c.MELimHi }) {
        limite->setMaxLength(EditorConfiguracao::LarguraLimite);
        limite->setAlignment(Qt::AlignRight);
        limite->installEventFilter(this);
    }
    c.EditUnid = caixa("EditUnid", 8, this);
    c.EditUnid->setObjectName(nome("EditUnid"));
    c.EditUnid->setMaxLength(BlocoNaoVolatil::LarguraUnidade);
    c.Labelunid = new QLabel(this);
    c.Labelunid->setObjectName(nome("Labelunid"));
    c.Labelunid->setMinimumWidth(c.EditUnid->minimumWidth());
    c.ComboBoxDec = new QComboBox(this);
    c.ComboBoxDec->setObjectName(nome("ComboBoxDec"));
    c.ComboBoxDec->addItems({ QStringLiteral("0000"), QStringLiteral("000,0"), QStringLiteral("00,00"),
        QStringLiteral("0,000") });
}

// The averaging radios of a channel, one exclusive group (GrpBx_Media); made
// with the interval group, where they stand, so that Tab reaches them there.
void TFrmConfig::criaModos(int n, QWidget *pai)
{
    ControlesCanal &c = m_canal[n - 1];
    const QString sufixo = QString::number(n);
    auto radio = [&](QRadioButton *&r, const char *raiz) {
        r = new QRadioButton(pai);
        r->setObjectName(QString::fromLatin1(raiz) + sufixo);
    };
    radio(c.RdBtnMedia, "RdBtnMedia");
    radio(c.RdBtnMin, "RdBtnMin");
    radio(c.RdBtnMax, "RdBtnMax");
    c.GrpBx_Media = new QButtonGroup(this);
    c.GrpBx_Media->setObjectName(QStringLiteral("GrpBx_Media") + sufixo);
    c.GrpBx_Media->addButton(c.RdBtnMedia, ModoAquisicao::Media);
    c.GrpBx_Media->addButton(c.RdBtnMax, ModoAquisicao::Maximo);
    c.GrpBx_Media->addButton(c.RdBtnMin, ModoAquisicao::Minimo);
}

QGroupBox *TFrmConfig::criaGrupoInicio()
{
    auto *grupo = new QGroupBox(this);
    grupo->setObjectName(QStringLiteral("GroupBoxInicio"));
    m_legendas.append({ grupo, { Inicio, QString() } });
    const ConfigRegional regional
        = m_ambiente.regional ? *m_ambiente.regional : ConfigRegional::portuguesBrasil();
    RadioImediata = new QRadioButton(grupo);
    RadioImediata->setObjectName(QStringLiteral("RadioImediata"));
    RadioImediata->setChecked(true);
    m_legendas.append({ RadioImediata, { Imediata, QString() } });
    RadioDiaInicio = new QRadioButton(grupo);
    RadioDiaInicio->setObjectName(QStringLiteral("RadioDiaInicio"));
    m_legendas.append({ RadioDiaInicio, { NoDia, QStringLiteral("FrmConfig#2") } });
    EditDataInicio = caixa("EditDataInicio", 10, grupo);
    EditDataInicio->setInputMask(mascaraData(regional));
    EditHoraInicio = caixa("EditHoraInicio", 8, grupo);
    EditHoraInicio->setInputMask(mascaraHora(regional));
    auto *hora = new QLabel(grupo);
    m_legendas.append({ hora, { Hora, QString() } });
    auto *grade = new QGridLayout(grupo);
    grade->addWidget(RadioImediata, 0, 0, 1, 4);
    grade->addWidget(RadioDiaInicio, 1, 0);
    grade->addWidget(EditDataInicio, 1, 1);
    grade->addWidget(hora, 1, 2);
    grade->addWidget(EditHoraInicio, 1, 3);
    grade->setRowStretch(2, 1);
    grade->setColumnStretch(4, 1);
    return grupo;
}

QGroupBox *TFrmConfig::criaGrupoTarvek()
{
    auto *grupo = new QGroupBox(this);
    grupo->setObjectName(QStringLiteral("GroupBoxTarvek"));
    auto rotulo = [grupo](QLabel *&r, const char *nome) {
        r = new QLabel(grupo);
        r->setObjectName(QString::fromLatin1(nome));
        return r;
    };
    auto *coluna = new QGridLayout(grupo);
    coluna->setVerticalSpacing(2);
    coluna->addWidget(rotulo(lblNroSerie, "lblNroSerie"), 0, 0, 1, 2);
    coluna->addWidget(rotulo(lblFirmware, "lblFirmware"), 1, 0, 1, 2);
    coluna->addWidget(rotulo(lblDataHoraTarvek, "lblDataHoraTarvek"), 2, 0, 1, 2);
    coluna->addWidget(rotulo(lblNroEfetuadas, "lblNroEfetuadas"), 3, 0, 1, 2);
    auto *horario = new QLabel(grupo);
    m_legendas.append({ horario, { HorarioAtual, QString() } });
    coluna->addWidget(horario, 4, 0);
    coluna->addWidget(rotulo(LabelHorarioPC, "LabelHorarioPC"), 4, 1);
    coluna->addWidget(rotulo(LblBytesMem, "LblBytesMem"), 5, 0, 1, 2);
    coluna->addWidget(rotulo(LblMaximoLeituras, "LblMaximoLeituras"), 6, 0, 1, 2);
    coluna->addWidget(rotulo(LblTempoEst, "LblTempoEst"), 7, 0, 1, 2);
    coluna->addWidget(rotulo(LblNroLeituras, "LblNroLeituras"), 8, 0, 1, 2);
    coluna->setColumnStretch(1, 1);
    // The estimate reads at a glance.
    for (QLabel *r : { LblTempoEst, LblNroLeituras, LblMaximoLeituras }) {
        QFont f = r->font();
        f.setBold(true);
        r->setFont(f);
    }
    // Each line has room for the longest text it shows, shown or not.
    const QString config = QStringLiteral("FrmConfig");
    const std::pair<QLabel *, QString> maiores[] = {
        { lblNroSerie, texto(TextoNumeroSerie, config) + QStringLiteral("6553565535") },
        { lblFirmware, texto(TextoFirmware, config) + QStringLiteral("15.15") },
        { lblDataHoraTarvek, texto(TextoDataHora) + QStringLiteral("00/00/0000  00:00:00") },
        { lblNroEfetuadas, texto(TextoAquisicoesEfetuadas, config) + QStringLiteral("65535") },
        { LblBytesMem, texto(TextoBytesMemoria) + QStringLiteral("65535") },
        { LblMaximoLeituras, texto(TextoMaximoEmMemoria) + QStringLiteral("32767") },
        { LblTempoEst, texto(TextoTempoEstimado) + QStringLiteral("99999:59:59.5") },
        { LblNroLeituras, texto(TextoNroDeAquisicoes) + QStringLiteral("2147483647") },
    };
    for (const auto &[r, maior] : maiores) {
        reservaLugar(r);
        r->setMinimumSize(r->fontMetrics().horizontalAdvance(maior), r->fontMetrics().height());
    }
    return grupo;
}

QGroupBox *TFrmConfig::criaGrupoFim()
{
    auto *grupo = new QGroupBox(this);
    grupo->setObjectName(QStringLiteral("GroupBoxFim"));
    m_legendas.append({ grupo, { Fim, QString() } });
    const ConfigRegional regional
        = m_ambiente.regional ? *m_ambiente.regional : ConfigRegional::portuguesBrasil();
    auto radio = [&](QRadioButton *&r, const char *nome, int numero, const QString &unidade = QString()) {
        r = new QRadioButton(grupo);
        r->setObjectName(QString::fromLatin1(nome));
        m_legendas.append({ r, { numero, unidade } });
        return r;
    };
    EditNLeituras = caixaNumerica("EditNLeituras", 5, grupo);
    EditDataFim = caixa("EditDataFim", 10, grupo);
    EditDataFim->setInputMask(mascaraData(regional));
    EditHoraFim = caixa("EditHoraFim", 8, grupo);
    EditHoraFim->setInputMask(mascaraHora(regional));
    auto *aquisicoes = new QLabel(grupo);
    m_legendas.append({ aquisicoes, { Aquisicoes, QString() } });
    auto *hora = new QLabel(grupo);
    m_legendas.append({ hora, { Hora, QString() } });
    auto *grade = new QGridLayout(grupo);
    grade->addWidget(radio(RadioMemCheia, "RadioMemCheia", MemoriaCheia), 0, 0, 1, 4);
    RadioMemCheia->setChecked(true);
    grade->addWidget(radio(RadioNLeituras, "RadioNLeituras", Apos), 1, 0);
    auto *contagem = new QHBoxLayout;
    contagem->addWidget(EditNLeituras);
    contagem->addWidget(aquisicoes);
    contagem->addStretch(1);
    grade->addLayout(contagem, 1, 1, 1, 3);
    grade->addWidget(radio(RadioDiaFim, "RadioDiaFim", NoDia, QStringLiteral("FrmConfig")), 2, 0);
    grade->addWidget(EditDataFim, 2, 1);
    grade->addWidget(hora, 2, 2);
    grade->addWidget(EditHoraFim, 2, 3);
    grade->addWidget(radio(RadioNaoParar, "RadioNaoParar", NaoParar), 3, 0, 1, 4);
    grade->setColumnStretch(4, 1);
    return grupo;
}

QGroupBox *TFrmConfig::criaGrupoIntervalo()
{
    auto *grupo = new QGroupBox(this);
    grupo->setObjectName(QStringLiteral("GroupBoxIntervalo"));
    m_legendas.append({ grupo, { IntervaloLeituras, QStringLiteral("FrmConfig") } });
    const ConfigRegional regional
        = m_ambiente.regional ? *m_ambiente.regional : ConfigRegional::portuguesBrasil();
    RadioButtonTempo = new QRadioButton(grupo);
    RadioButtonTempo->setObjectName(QStringLiteral("RadioButtonTempo"));
    RadioButtonTempo->setChecked(true);
    m_legendas.append({ RadioButtonTempo, { Tempo, QString() } });
    RadioButtonMeioSeg = new QRadioButton(grupo);
    RadioButtonMeioSeg->setObjectName(QStringLiteral("RadioButtonMeioSeg"));
    m_legendas.append({ RadioButtonMeioSeg, { MeioSegundo, QString() } });
    EditIntervalo = caixa("EditIntervalo", 8, grupo);
    EditIntervalo->setInputMask(mascaraHora(regional));
    auto *formato = new QLabel(grupo);
    m_legendas.append({ formato, { HHMMSS, QString() } });
    EditMedia = caixaNumerica("EditMedia", 3, grupo);
    auto *leituras = new QLabel(grupo);
    leituras->setBuddy(EditMedia);
    m_legendas.append({ leituras, { LeiturasPorAquisicao, QStringLiteral("FrmConfig") } });

    auto *grade = new QGridLayout(grupo);
    grade->addWidget(formato, 0, 1);
    grade->addWidget(RadioButtonTempo, 1, 0);
    grade->addWidget(EditIntervalo, 1, 1);
    grade->addWidget(RadioButtonMeioSeg, 2, 0);
    auto *media = new QHBoxLayout;
    media->addWidget(leituras);
    media->addWidget(EditMedia);
    media->addStretch(1);
    grade->addLayout(media, 3, 0, 1, 3);
    // Rows "Média", "Mínimo", "Máximo"; a column of radios per channel.
    auto *modos = new QGridLayout;
    modos->setVerticalSpacing(0);
    modos->setHorizontalSpacing(10);
    const int linhas[] = { Media, Minimo, Maximo };
    for (int i = 0; i < 3; ++i) {
        auto *r = new QLabel(grupo);
        m_legendas.append({ r, { linhas[i], QString() } });
        modos->addWidget(r, i + 1, 0);
    }
    for (int n = 0; n < 2; ++n) {
        criaModos(n + 1, grupo);
        const ControlesCanal &c = m_canal[n];
        modos->addWidget(new QLabel(QString::number(n + 1), grupo), 0, n + 1, Qt::AlignCenter);
        modos->addWidget(c.RdBtnMedia, 1, n + 1, Qt::AlignCenter);
        modos->addWidget(c.RdBtnMin, 2, n + 1, Qt::AlignCenter);
        modos->addWidget(c.RdBtnMax, 3, n + 1, Qt::AlignCenter);
    }
    grade->addLayout(modos, 0, 2, 3, 1, Qt::AlignRight | Qt::AlignTop);
    grade->setColumnStretch(2, 1);
    return grupo;
}

void TFrmConfig::Language()
{
    setWindowTitle(texto(Caption));
    for (const auto &[controle, numero] : m_legendas) {
        const QString t = texto(numero.first, numero.second);
        if (auto *g = qobject_cast<QGroupBox *>(controle))
            g->setTitle(t);
        else if (auto *l = qobject_cast<QLabel *>(controle))
            l->setText(t);
        else if (auto *b = qobject_cast<QAbstractButton *>(controle))
            b->setText(t);
    }
    for (ControlesCanal &c : m_canal)
        for (int i = 0; i < 12; ++i)
            c.ComboBoxSensor->setItemText(i, texto(PrimeiroSensor + i));
}
