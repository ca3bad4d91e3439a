// The about window: logo, the maker's address as a link, the rights notice and
// the version. The caption of `version` is the protocol version sent at login.
#pragma once

#include <QDialog>

class QLabel;
class TClickLabel;
class TLbBackground;
class TSelButton;
class TURL;

class Tabout : public QDialog
{
    Q_OBJECT
public:
    explicit Tabout(QWidget *parent = nullptr);

    // The version text compared at sign-in ("1.0.4", without the ".1" shown after it).
    QString versionText() const;
    // The maker's web site link; the main window's logo opens it too.
    TURL *URL1() const { return m_url; }

    void setBackgroundPicture(const QPixmap &picture);

    void label_urlClick();

private:
    void Button1Click();

    TClickLabel *image_aboutlogo;
    TClickLabel *label_url;
    QLabel *Label1;
    QLabel *version;
    QLabel *Label9;
    TSelButton *button_done;
    TURL *m_url;
    TLbBackground *LbBackground1;
};
