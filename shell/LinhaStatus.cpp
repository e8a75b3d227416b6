#include "LinhaStatus.h"

#include <QPalette>
#include <QTimer>

LinhaStatus::LinhaStatus(QWidget *parent)
    : QLineEdit(parent)
    , m_timerStatus(new QTimer(this))
{
    setObjectName(QStringLiteral("EditStatus"));
    setReadOnly(true);
    setFrame(false);
    setFocusPolicy(Qt::NoFocus);
    m_timerStatus->setObjectName(QStringLiteral("TimerStatus"));
    m_timerStatus->setInterval(IntervaloTimerStatus);
    connect(m_timerStatus, &QTimer::timeout, this, &LinhaStatus::TimerStatusTimer);
    m_timerStatus->start();
}

void LinhaStatus::defineTexto(const QString &texto)
{
    setText(texto);
    m_timerStatus->start();
}

void LinhaStatus::defineCor(Cor cor)
{
    m_cor = cor;
    QPalette p = palette();
    p.setColor(QPalette::Text, cor == Cor::Vermelho ? QColor(Qt::red) : QColor(Qt::black));
    setPalette(p);
}

void LinhaStatus::repinta()
{
    repaint();
}

void LinhaStatus::TimerStatusTimer()
{
    clear();
    defineCor(Cor::Preto);
}
