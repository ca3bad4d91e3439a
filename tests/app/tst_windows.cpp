// The program's real window set: side windows reach each other and open over
// the main window.
#include "ProgramWindows.h"

#include "client/chatform.h"
#include "widgets/TSelButton.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

class ProgramWindowsTest : public QObject
{
    Q_OBJECT

private slots:
    void helpAboutOpensTheAboutWindowOverTheMainWindow()
    {
        QTemporaryDir home;
        qputenv("LEXIBURST_HOME", home.path().toLocal8Bit());
        ProgramWindows windows({});
        windows.chat().setGeometry(150, 100, 775, 575);
        windows.chat().Help2Click();
        auto topLevel = [](QStringView name) -> QWidget * {
            for (QWidget *window : QApplication::topLevelWidgets())
                if (window->objectName() == name)
                    return window;
            return nullptr;
        };
        QWidget *help = topLevel(u"help");
        QWidget *about = topLevel(u"about");
        QVERIFY(help && about && help->isVisible() && !about->isVisible());
        QTest::mouseClick(help->findChild<TSelButton *>(QStringLiteral("button_about")),
                          Qt::LeftButton);
        QVERIFY(about->isVisible());
        // Both centred over the main window, within the width of the frames.
        for (const QWidget *side : {help, about})
            QVERIFY((side->frameGeometry().center() - windows.chat().frameGeometry().center())
                        .manhattanLength()
                    <= 8);
    }
};

QTEST_MAIN(ProgramWindowsTest)
#include "tst_windows.moc"
