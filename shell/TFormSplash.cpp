#include "TFormSplash.h"

#include "BibliotecaIdioma.h"
#include "Catalogo.h"
#include "FiguraQuorvane.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QTimer>

TFormSplash::TFormSplash(Catalogo &catalogo, const QString &pastaPrograma, QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , m_catalogo(catalogo)
    , m_pastaPrograma(pastaPrograma)
    , m_nome(new QLabel(this))
    , m_versao(new QLabel(this))
    , m_data(new QLabel(this))
    , m_timer1(new QTimer(this))
{
    Language();
    setObjectName(QStringLiteral("FormSplash"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(Largura, Altura);

    m_nome->setObjectName(QStringLiteral("LabelNome"));
    m_nome->setText(QStringLiteral("Quorvane"));
    QFont fonte = font();
    fonte.setPointSize(30);
    fonte.setBold(true);
    fonte.setItalic(true);
    m_nome->setFont(fonte);
    m_nome->setStyleSheet(QStringLiteral("color: navy;"));
    m_nome->setGeometry(24, 18, 230, 56);

    m_versao->setObjectName(QStringLiteral("LabelVersao"));
    m_versao->setGeometry(30, 76, 220, 20);
    m_data->setObjectName(QStringLiteral("LabelData"));
    m_data->setGeometry(30, 96, 220, 20);
    for (QLabel *l : { m_versao, m_data }) {
        QFont f = font();
        f.setBold(true);
        l->setFont(f);
        l->setStyleSheet(QStringLiteral("color: navy;"));
    }

    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(IntervaloTimer1);
    m_timer1->setSingleShot(true);
    connect(m_timer1, &QTimer::timeout, this, &TFormSplash::Timer1Timer);
}

void TFormSplash::Language()
{
    BibliotecaIdioma::aplica(m_catalogo, m_pastaPrograma);
    m_versao->setText(m_catalogo.texto(55, u"FormSplash"));
    m_data->setText(m_catalogo.texto(135));
}

void TFormSplash::mostra()
{
    if (const QScreen *tela = QGuiApplication::primaryScreen())
        move(tela->availableGeometry().center() - rect().center());
    show();
    raise();
    m_timer1->start();
}

void TFormSplash::Timer1Timer()
{
    m_timer1->stop();
    hide();
}

void TFormSplash::paintEvent(QPaintEvent *)
{
    QPainter pintor(this);
    FiguraQuorvane::desenha(pintor, rect());
}
