// The window with the web page's links: the QR code is the chosen link's, with
// its three finder squares where readers look for them, Copy puts the link on
// the clipboard, and a changed web port is handed on.
#include "widgets/QrCodeView.h"
#include "windows/weblinkform.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>

using namespace Qt::StringLiterals;

class TestWeblink : public QObject
{
    Q_OBJECT

private slots:
    void codeFollowsTheChosenLink()
    {
        Tweblink window;
        QVERIFY(!window.notice().isEmpty());
        QCOMPARE(window.qrcode->modules(), 0);
        const QStringList links {u"http://192.168.1.5:7773/"_s, u"http://10.0.0.2:7773/"_s};
        window.setLinks(links);
        QVERIFY(window.notice().isEmpty());
        for (int row : {0, 1}) {
            window.list_links->setCurrentRow(row);
            QCOMPARE(window.qrcode->text(), links.at(row));
            window.button_copy->click();
            QCOMPARE(QGuiApplication::clipboard()->text(), links.at(row));
            // A finder square: a dark 7x7 ring around a dark 3x3 core, at three corners.
            const int n = window.qrcode->modules();
            QVERIFY(n >= 21);
            for (const auto &[left, top] : {std::pair {0, 0}, {n - 7, 0}, {0, n - 7}}) {
                for (int y = 0; y < 7; ++y)
                    for (int x = 0; x < 7; ++x) {
                        const bool ring = x == 0 || y == 0 || x == 6 || y == 6;
                        const bool core = x >= 2 && x <= 4 && y >= 2 && y <= 4;
                        QCOMPARE(window.qrcode->isDark(left + x, top + y), ring || core);
                    }
            }
        }
        QSignalSpy chosen(&window, &Tweblink::webPortChosen);
        window.spin_webport->setValue(0);
        window.button_apply->click();
        QCOMPARE(chosen.value(0).value(0).value<quint16>(), quint16(0));
    }
};

QTEST_MAIN(TestWeblink)
#include "tst_weblink.moc"
