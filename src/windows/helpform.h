// The help window: a side column of section buttons and a stack of read-only
// pages, one per section. Hidden, never destroyed, when closed.
#pragma once

#include <QDialog>
#include <QList>

class QLabel;
class QStackedWidget;
class QTextEdit;
class TFlatPanel;
class TLbBackground;
class TSelButton;

class Thelp : public QDialog
{
    Q_OBJECT
public:
    explicit Thelp(QWidget *parent = nullptr);

    // Takes the main window's background picture.
    void setBackgroundPicture(const QPixmap &picture);

    // The page in front and the caption above it.
    QTextEdit *currentPage() const;
    QString captionText() const;
    // The button of a section (its tag), or nullptr.
    TSelButton *sectionButton(int tag) const;

signals:
    // "About" was clicked; the owner shows the about window.
    void aboutRequested();

private:
    void SelButton1Click(TSelButton *button);
    void button_aboutClick();
    void button_doneClick();

    QTextEdit *makePage(int section);

    TFlatPanel *panel_side;
    TFlatPanel *panel_main;
    QLabel *label_caption;
    QStackedWidget *pages;
    QList<TSelButton *> sectionButtons;
    TSelButton *button_about;
    TSelButton *button_done;
    TLbBackground *LbBackground1;
};
