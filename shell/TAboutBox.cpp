#include "TAboutBox.h"

#include "BibliotecaIdioma.h"
#include "Catalogo.h"
#include "FiguraQuorvane.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

namespace {
QPixmap figura()
{
    QPixmap p(180, 100);
    QPainter pintor(&p);
    FiguraQuorvane::desenha(pintor, p.rect());
    return p;
}
}  // namespace

TAboutBox::TAboutBox(Catalogo &catalogo, const QString &pastaPrograma, QWidget *parent)
    : QDialog(parent)
    , m_catalogo(catalogo)
    , m_pastaPrograma(pastaPrograma)
    , m_versao(new QLabel(this))
    , m_comentario(new QLabel(this))
{
    Language();
    setObjectName(QStringLiteral("AboutBox"));
    auto *imagem = new QLabel(this);
    imagem->setObjectName(QStringLiteral("ProgramIcon"));
    imagem->setPixmap(figura());
    imagem->setFrameShape(QFrame::Panel);
    imagem->setFrameShadow(QFrame::Sunken);

    auto *nome = new QLabel(QStringLiteral("Quorvane"), this);
    nome->setObjectName(QStringLiteral("ProductName"));
    QFont fonte = nome->font();
    fonte.setPointSize(fonte.pointSize() + 6);
    fonte.setBold(true);
    nome->setFont(fonte);
    m_versao->setObjectName(QStringLiteral("Version"));
    m_comentario->setObjectName(QStringLiteral("Comments"));
    m_comentario->setWordWrap(true);

    auto *botoes = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    botoes->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OKButton"));
    connect(botoes, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto *grade = new QGridLayout(this);
    grade->addWidget(imagem, 0, 0, 3, 1);
    grade->addWidget(nome, 0, 1);
    grade->addWidget(m_versao, 1, 1);
    grade->addWidget(m_comentario, 2, 1);
    grade->addWidget(botoes, 3, 0, 1, 2, Qt::AlignHCenter);
    grade->setColumnMinimumWidth(1, 220);
    setSizeGripEnabled(false);
}

void TAboutBox::Language()
{
    BibliotecaIdioma::aplica(m_catalogo, m_pastaPrograma);
    setWindowTitle(m_catalogo.texto(54));
    m_versao->setText(m_catalogo.texto(55, u"AboutBox"));
    m_comentario->setText(m_catalogo.texto(56));
}
