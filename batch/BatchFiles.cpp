#include "batch/BatchFiles.h"

#include "core/ConverterTable.h"
#include "launcher/FolderListing.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace marulo {

namespace {

QString AlwaysQuoted(const QString& word)
{
    QString quoted = word;
    quoted.replace(QLatin1Char('\''), QStringLiteral("'\\''"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

QString MaskOf(EncodeMode mode, bool decode)
{
    const std::string_view mask = decode ? ConverterOf(mode).decodeMask : std::string_view("*.wav");
    return QString::fromLatin1(mask.data(), static_cast<qsizetype>(mask.size()));
}

} // namespace

QString UnreadablePath(const QStringList& paths)
{
    for (const QString& path : paths) {
        const QFileInfo info(path);
        const bool readable = info.exists() && info.isReadable() && (!info.isDir() || info.isExecutable());
        if (!readable)
            return path;
    }
    return {};
}

QStringList BatchFileList(const QStringList& paths, EncodeMode mode, bool decode)
{
    QStringList files;
    for (const QString& path : paths) {
        if (!QFileInfo(path).isDir()) {
            files << path;
            continue;
        }
        const QDir folder(path);
        for (const QString& name : ListFolder(path, MaskOf(mode, decode)))
            files << folder.filePath(name);
    }
    return files;
}

std::vector<FolderFiles> ByFolder(const QStringList& files)
{
    std::vector<FolderFiles> runs;
    for (const QString& file : files) {
        const QString folder = QFileInfo(file).absolutePath();
        if (runs.empty() || runs.back().folder != folder)
            runs.push_back({folder, {}});
        runs.back().paths << file;
    }
    return runs;
}

QString ShellQuoted(const QString& word)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_@%+=:,./-]+$"));
    return plain.match(word).hasMatch() ? word : AlwaysQuoted(word);
}

QStringList JobLines(const QString& program, const QStringList& options, const QStringList& files)
{
    QStringList head{AlwaysQuoted(program)};
    for (const QString& option : options)
        head << ShellQuoted(option);
    const QString start = head.join(QLatin1Char(' ')) + QLatin1Char(' ');
    QStringList lines;
    for (const QString& file : files)
        lines << start + AlwaysQuoted(file);
    return lines;
}

} // namespace marulo
