// --help and --version of every program, answered before any window, socket or
// file is touched, so they work on a machine without a display; and the one
// way every program reads its environment and its numbers, and refuses a bad one.
#pragma once

#include "protocol/Environment.h"
#include "protocol/Messages.h"

#include <QCommandLineParser>

#include <cstdio>
#include <cstring>
#include <optional>

namespace ProgramInfo {

// True when the command line asks for help or the version; the answer is then
// on standard output and the program ends with status 0.
inline bool answered(int argc, char **argv, const char *name, const char *usage)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(usage, stdout);
            return true;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("%s %s\n", name, Protocol::Version);
            return true;
        }
    }
    return false;
}

// Exit status of a program given a bad option or environment value.
inline constexpr int BadUsage = 2;

// "PROGRAM: TEXT" on standard error.
inline void complain(const char *program, const QString &text)
{
    std::fprintf(stderr, "%s: %s\n", program, text.toLocal8Bit().constData());
    std::fflush(stderr);
}

// The process's LEXIBURST_* variables; nothing, once the refusal is on
// standard error, when one holds a bad value.
inline std::optional<Environment::Knobs> environment(const char *program)
{
    Environment::Knobs knobs = Environment::read();
    if (!knobs.error.isEmpty()) {
        complain(program, knobs.error);
        return std::nullopt;
    }
    return knobs;
}

// The number given with --NAME, or fallback when the option is not given;
// nothing, once the refusal is on standard error, for a bad one.
inline std::optional<qint64> number(const char *program, const QCommandLineParser &parser,
                                    const QString &name, qint64 lowest, qint64 highest,
                                    qint64 fallback)
{
    if (!parser.isSet(name))
        return fallback;
    const QString text = parser.value(name);
    if (const std::optional<qint64> value = Environment::wholeNumber(text, lowest, highest))
        return value;
    complain(program,
             Environment::numberRefusal(QStringLiteral("--") + name, lowest, highest, text));
    return std::nullopt;
}

// The text given with --NAME, blanks trimmed, or fallback when the option is
// not given; nothing, once the refusal is on standard error, for a blank one.
inline std::optional<QString> text(const char *program, const QCommandLineParser &parser,
                                   const QString &name, const QString &fallback = QString())
{
    if (!parser.isSet(name))
        return fallback;
    const QString value = parser.value(name).trimmed();
    if (!value.isEmpty())
        return value;
    complain(program, QStringLiteral("--%1 must not be empty or blank.").arg(name));
    return std::nullopt;
}

} // namespace ProgramInfo
