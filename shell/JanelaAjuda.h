#pragma once

#include <QString>
#include <QWidget>

class QTextBrowser;

// The help window: the user guide (HTML bundled with the program, in
// Portuguese) in a browser, opened at a keyword. Each keyword is an anchor
// of the guide; an unknown one opens the guide at its start. Its title is
// the catalogue's, so that another language can say the guide is in
// Portuguese only.
class JanelaAjuda : public QWidget
{
    Q_OBJECT
public:
    explicit JanelaAjuda(const QString &titulo, QWidget *parent = nullptr);

    void mostraTopico(const QString &palavraChave);
    QTextBrowser *navegador() const { return m_navegador; }

private:
    QTextBrowser *m_navegador;
};
