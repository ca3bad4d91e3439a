// lexiburst-tally: packs and unpacks files in the tally's compressed
// container and prints a tally file as a table.
#include "app/ProgramInfo.h"
#include "storage/LZRW1.h"
#include "storage/LZRW1KH.h"
#include "storage/Tally.h"
#include "storage/TallyTable.h"

#include <QCoreApplication>
#include <QTextStream>

#include <string>

namespace {

constexpr int ExitFailure = 1;
constexpr int ExitUsage = 2;
// unpack takes any file, not only tallies, but writes no more than this.
constexpr qint64 UnpackLimit = qint64(1) << 30;

std::string usageText()
{
    return "usage: lexiburst-tally pack IN OUT     compress IN into the container OUT\n"
           "       lexiburst-tally unpack IN OUT   uncompress the container IN into OUT\n"
           "       lexiburst-tally show FILE       print a tally file as a table\n"
           "       lexiburst-tally --help | --version\n"
           "unpack refuses a container that states more than "
        + std::to_string(UnpackLimit)
        + " bytes (1 GiB);\nshow, like the game, refuses a tally that states more than "
        + std::to_string(TallyBook::MaxTextLength) + " bytes.\n";
}

int usage(QTextStream &err)
{
    err << QString::fromStdString(usageText());
    return ExitUsage;
}

} // namespace

int main(int argc, char *argv[])
{
    if (ProgramInfo::answered(argc, argv, "lexiburst-tally", usageText().c_str()))
        return 0;
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList args = app.arguments().mid(1);
    const QString command = args.value(0);

    try {
        if ((command == u"pack" || command == u"unpack") && args.size() == 3) {
            Tlzrw1 doit;
            doit.InputFile = args[1];
            doit.OutputFile = args[2];
            doit.MaxLength = UnpackLimit;
            const qint64 written = command == u"pack" ? doit.Compress() : doit.Decompress();
            out << doit.OutputFile << ": " << written << " bytes written\n";
            return 0;
        }
        if (command == u"show" && args.size() == 2) {
            QString error;
            const std::optional<TallyBook> book = TallyBook::readFile(args[1], &error);
            if (!book) {
                err << "lexiburst-tally: " << error << '\n';
                return ExitFailure;
            }
            out << tallyTable(*book);
            return 0;
        }
    } catch (const ELzrw1Exception &e) {
        err << "lexiburst-tally: " << e.message() << '\n';
        return ExitFailure;
    } catch (const ELzrw1KHCompressor &e) {
        err << "lexiburst-tally: " << e.what() << '\n';
        return ExitFailure;
    }
    return usage(err);
}
