// The XDG autostart entry: $XDG_CONFIG_HOME/autostart/org.example.vaspo.desktop,
// the launcher's own keys with an Exec line naming this very program.
#include "mainwin/autostart.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <algorithm>

namespace {

const QString EntryName = QStringLiteral("org.example.vaspo.desktop");
constexpr qint64 LargestEntry = 64 * 1024;  // ours is under a kilobyte

// A string value as entry files escape it.
QString Escaped(const QString& text)
{
    QString escaped;
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '\\': escaped += QStringLiteral("\\\\"); break;
        case '\n': escaped += QStringLiteral("\\n"); break;
        case '\t': escaped += QStringLiteral("\\t"); break;
        case '\r': escaped += QStringLiteral("\\r"); break;
        default: escaped += c;
        }
    }
    return escaped;
}

QString Unescaped(const QString& text)
{
    QString plain;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != QLatin1Char('\\') || i + 1 == text.size()) {
            plain += text[i];
            continue;
        }
        const QChar next = text[++i];
        plain += next == QLatin1Char('s')   ? QChar(' ')
                 : next == QLatin1Char('n') ? QChar('\n')
                 : next == QLatin1Char('t') ? QChar('\t')
                 : next == QLatin1Char('r') ? QChar('\r')
                                            : next;
    }
    return plain;
}

// One argument of an Exec line: a path with spaces, quotes or other
// characters a shell would read is quoted, and a percent sign is no field code.
QString ExecArgument(const QString& argument)
{
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    QString quoted = argument;
    quoted.replace(QLatin1Char('%'), QStringLiteral("%%"));
    if (std::any_of(quoted.cbegin(), quoted.cend(), [](QChar c) { return reserved.contains(c); })) {
        QString inner;
        for (const QChar c : quoted) {
            if (QStringLiteral("\"`$\\").contains(c)) {
                inner += QLatin1Char('\\');
            }
            inner += c;
        }
        quoted = QLatin1Char('"') + inner + QLatin1Char('"');
    }
    return Escaped(quoted);
}

// The launcher's keys, started as `program` instead of whatever `vaspo` the PATH finds;
// TryExec keeps a deleted copy from being tried at every login.
QString EntryText(const QString& program)
{
    QFile launcher(QStringLiteral(":/org.example.vaspo.desktop"));
    launcher.open(QIODevice::ReadOnly);
    QStringList lines{QStringLiteral("# ばすぽう starts at login with this entry; its option menu removes it.")};
    for (const QString& line : QString::fromUtf8(launcher.readAll()).split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("TryExec="))) {
            continue;
        }
        if (!line.startsWith(QLatin1String("Exec="))) {
            lines.append(line);
            continue;
        }
        lines << QStringLiteral("Exec=") + ExecArgument(program) << QStringLiteral("TryExec=") + Escaped(program)
              << QStringLiteral("X-GNOME-Autostart-enabled=true");
    }
    return lines.join(QLatin1Char('\n'));
}

bool IsTrue(const QString& value)
{
    return value == QLatin1String("true") || value == QLatin1String("1");
}

// What the desktop checks before it starts an entry's program.
bool Runnable(const QString& tryExec)
{
    if (tryExec.isEmpty()) {
        return true;
    }
    if (!QDir::isAbsolutePath(tryExec)) {
        return !QStandardPaths::findExecutable(tryExec).isEmpty();
    }
    const QFileInfo program(tryExec);
    return program.isFile() && program.isExecutable();
}

}  // namespace

QString Autostart::Location() const
{
    const QString folder = place_.isEmpty()
                               ? QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                                     QStringLiteral("/autostart")
                               : place_;
    return folder + QLatin1Char('/') + EntryName;
}

bool Autostart::Enabled() const
{
    // Only a regular file is read, and only so much of it: a FIFO put there would block.
    const QString path = Location();
    QFile entry(path);
    if (!QFileInfo(path).isFile() || !entry.open(QIODevice::ReadOnly)) {
        return false;
    }
    bool main = false, exec = false, off = false;
    QString tryExec;
    for (const QString& raw : QString::fromUtf8(entry.read(LargestEntry)).split(QLatin1Char('\n'))) {
        const QString line = raw.trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            main = line == QLatin1String("[Desktop Entry]");
            continue;
        }
        const QString key = line.section(QLatin1Char('='), 0, 0).trimmed();
        const QString value = line.section(QLatin1Char('='), 1).trimmed();
        if (!main || key.isEmpty()) {
            continue;
        }
        exec = exec || (key == QLatin1String("Exec") && !value.isEmpty());
        // How desktops switch an entry off without deleting it.
        off = off || (key == QLatin1String("Hidden") && IsTrue(value)) ||
              (key == QLatin1String("X-GNOME-Autostart-enabled") && !IsTrue(value));
        if (key == QLatin1String("TryExec")) {
            tryExec = Unescaped(value);
        }
    }
    return exec && !off && Runnable(tryExec);
}

bool Autostart::Enable(const QString& program) const
{
    const QString path = Location();
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        return false;
    }
    QSaveFile entry(path);
    const QByteArray text = EntryText(program).toUtf8();
    return entry.open(QIODevice::WriteOnly) && entry.write(text) == text.size() && entry.commit();
}

bool Autostart::Disable() const
{
    const QString path = Location();
    QFile::remove(path);
    return !QFileInfo::exists(path);
}
