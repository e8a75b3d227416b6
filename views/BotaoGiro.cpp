#include "BotaoGiro.h"

#include <QToolButton>
#include <QVBoxLayout>

namespace {

QToolButton *seta(QWidget *pai, Qt::ArrowType direcao)
{
    auto *b = new QToolButton(pai);
    b->setArrowType(direcao);
    b->setAutoRepeat(true);
    b->setFocusPolicy(Qt::NoFocus);
    b->setFixedSize(16, 11);
    return b;
}

}  // namespace

BotaoGiro::BotaoGiro(QWidget *parent)
    : QWidget(parent)
    , m_cima(seta(this, Qt::UpArrow))
    , m_baixo(seta(this, Qt::DownArrow))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_cima);
    layout->addWidget(m_baixo);
    connect(m_cima, &QToolButton::clicked, this, &BotaoGiro::sobe);
    connect(m_baixo, &QToolButton::clicked, this, &BotaoGiro::desce);
}
