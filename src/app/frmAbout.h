#pragma once
// The about box: the program's name, version and the author's mail address
// as a link label.
#include <QDialog>
#include <QLabel>

class QPushButton;
class QGroupBox;

// The product homepage and the author's mail address.
inline QString HomepageAddress() { return QStringLiteral("https://ulvendo.example.jp/"); }
inline QString AuthorMailAddress() { return QStringLiteral("ulvendo@example.jp"); }

// A label that looks and acts like a link: black regular text normally, blue
// underlined while the mouse is over it, blue bold while a mouse button is
// held on it; a click opens a new mail to its text.
class TLightLabel : public QLabel
{
    Q_OBJECT
public:
    explicit TLightLabel(const QString &text, QWidget *parent = nullptr);

    enum class Look { Normal, Over, Down };
    Look look() const { return m_look; }

signals:
    void clicked();

protected:
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void setLook(Look look);
    Look m_look = Look::Normal;
};

class TfrmAbout : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmAbout(QWidget *parent = nullptr);

    QGroupBox *GroupBox1 = nullptr;
    QLabel *Image1 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    TLightLabel *LightLabel1 = nullptr;
    QPushButton *Button1 = nullptr;

public slots:
    void Button1Click();
    void LightLabel1Click();
};
