// lexiburst-make-art OUTPUT-FOLDER: draws every picture of the game into the folder
// (pictures/...), the same bytes on every run.

#include "ArtKit.h"
#include "Brand.h"
#include "Controls.h"
#include "Letters.h"
#include "Smileys.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageWriter>
#include <QTextStream>

#include <cstdio>

namespace {

constexpr int JpegQuality = 90;

class PictureWriter
{
public:
    explicit PictureWriter(const QString &folder) : m_folder(folder) { }

    // Pictures for high-density screens are named "name@2x.png" beside "name.png".
    void setScale(int scale)
    {
        Art::setPictureScale(scale);
        m_suffix = scale > 1 ? QStringLiteral("@%1x").arg(scale) : QString();
    }

    bool write(const QString &name, const QImage &image)
    {
        QString path = m_folder + QLatin1Char('/') + name;
        path.insert(path.lastIndexOf(QLatin1Char('.')), m_suffix);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QImageWriter writer(path);
        if (name.endsWith(QLatin1String(".jpg"))) {
            writer.setQuality(JpegQuality);
            writer.setOptimizedWrite(true);
        } else {
            // For PNG, Qt maps quality 0 to the strongest zlib level; the pixels are lossless.
            writer.setQuality(0);
        }
        const QImage converted = name.endsWith(QLatin1String(".jpg"))
            ? image.convertToFormat(QImage::Format_RGB32)
            : image.convertToFormat(QImage::Format_ARGB32);
        if (!writer.write(converted)) {
            QTextStream(stderr) << "cannot write " << path << ": " << writer.errorString() << '\n';
            m_ok = false;
        }
        return m_ok;
    }

    bool ok() const { return m_ok; }

private:
    QString m_folder;
    QString m_suffix;
    bool m_ok = true;
};

void writePictures(PictureWriter &out)
{
    for (const QChar letter : Art::GameLetters)
        out.write(QStringLiteral("letters/%1.png").arg(letter), Art::letterTile(letter));

    for (int i = 0; i < Art::SmileyCount; ++i)
        out.write(QStringLiteral("smileys/%1.png").arg(i), Art::smiley(i));

    using Art::ButtonState;
    for (const ButtonState state : {ButtonState::Up, ButtonState::Down}) {
        const QString suffix = state == ButtonState::Down ? QStringLiteral("_down") : QString();
        out.write(QStringLiteral("vote/decline%1.png").arg(suffix),
                  Art::voteButton(Art::VoteMark::Decline, state));
        out.write(QStringLiteral("vote/accept%1.png").arg(suffix),
                  Art::voteButton(Art::VoteMark::Accept, state));
        out.write(QStringLiteral("vote/favourite%1.png").arg(suffix),
                  Art::voteButton(Art::VoteMark::Favourite, state));
        out.write(QStringLiteral("buttons/start%1.png").arg(suffix),
                  Art::startButton(QSize(120, 32), QStringLiteral("START GAME"), state));
        out.write(QStringLiteral("gamestart/start%1.png").arg(suffix),
                  Art::startButton(QSize(110, 30), QStringLiteral("START"), state));
    }
    out.write(QStringLiteral("buttons/phrase.png"), Art::phraseButton(0));
    for (int n = 1; n <= Art::PhraseButtonCount; ++n)
        out.write(QStringLiteral("buttons/phrase%1.png").arg(n), Art::phraseButton(n));
    out.write(QStringLiteral("buttons/sounds.png"), Art::soundsButton());
    out.write(QStringLiteral("buttons/smileys.png"), Art::smileysButton());
    out.write(QStringLiteral("gamestart/box_off.png"), Art::optionBox(false));
    out.write(QStringLiteral("gamestart/box_on.png"), Art::optionBox(true));
    out.write(QStringLiteral("eyes.png"), Art::eyes());
    out.write(QStringLiteral("timebar.png"), Art::timeBar());

    out.write(QStringLiteral("background.jpg"), Art::backgroundTile());
    out.write(QStringLiteral("logo.png"), Art::logo());
    out.write(QStringLiteral("logo_small.png"), Art::smallLogo());
    out.write(QStringLiteral("icon.png"), Art::appIcon());
    out.write(QStringLiteral("first.png"), Art::openingPicture());
    out.write(QStringLiteral("banner.png"), Art::lobbyBanner());
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: lexiburst-make-art OUTPUT-FOLDER\n");
        return 2;
    }
    if (!Art::loadFonts()) {
        std::fprintf(stderr, "DejaVu Sans Bold is missing (package fonts-dejavu-core)\n");
        return 1;
    }
    PictureWriter out(QString::fromLocal8Bit(argv[1]) + QStringLiteral("/pictures"));

    for (const int scale : {1, 2}) {
        out.setScale(scale);
        writePictures(out);
    }
    out.setScale(1);

    // The desktop's icon theme: the sizes menus and launchers ask for, and a scalable one.
    PictureWriter icons(QString::fromLocal8Bit(argv[1]) + QStringLiteral("/icons/hicolor"));
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icons.write(QStringLiteral("%1x%1/apps/lexiburst.png").arg(size), Art::appIconAt(size));
    const QString scalable
        = QString::fromLocal8Bit(argv[1]) + QStringLiteral("/icons/hicolor/scalable/apps");
    const bool svgWritten = QDir().mkpath(scalable)
        && Art::writeAppIconSvg(scalable + QStringLiteral("/lexiburst.svg"));

    return out.ok() && icons.ok() && svgWritten ? 0 : 1;
}
